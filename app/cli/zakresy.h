// The kinds of the element table as the command-line tool names them, with their ranges.
#pragma once

#include <string>
#include <vector>

#include "core/centrala.h"

struct ZakresRodzaju {
    const char* opis;  // for reports
    const char* nazwa; // for --kinds; empty where the kind has no printout choice
    int pierwszy;
    int liczba;
};

inline std::vector<ZakresRodzaju> zakresyRodzajow(const Centrala& c) {
    return {
        {"line elements", "elements", c.poczElementyLinii, c.liczbaElementowLinii},
        {"zones", "zones", c.poczStrefy, c.liczbaStref},
        {"WIO", "wio", c.poczWio, c.liczbaWio},
        {"relays PK", "pk", c.poczPk, c.liczbaPk},
        {"signal lines LS", "ls", c.poczLs, c.liczbaLs},
        {"control lines LK", "lk", c.poczLk, c.liczbaLk},
        {"line package BLC", "blc", c.indBlc, c.liczbaBlc},
        {"WOU outputs", "wou", c.poczWou, c.liczbaGrupWou * 8},
        {"HRN", "hrn", c.poczHrn, c.liczbaHrn},
        {"HVA", "hva", c.poczHva, c.liczbaHva},
        {"WMI inputs", "wmi", c.poczWmi, c.liczbaGrupWmi * 8},
        {"BRX packages", "", c.indBrx, 1},
        {"BRX relays", "", c.poczBrxPk, c.liczbaBrx * 16},
        {"BRX control lines", "", c.poczBrxLk, c.liczbaBrx * 11},
        {"BRX parameters", "", c.poczBrxPar, c.liczbaBrx},
        {"XGN 200", "xgn", c.poczXgn, c.liczbaXgn},
        {"XGN 300", "xgn300", c.poczXgn30, c.liczbaXgn30},
        {"XRM", "xrm", c.poczXrm, c.liczbaXrm},
        {"assignment stack", "", c.indStos, 1},
    };
}
