// panelcfg-cli: the configuration tool's jobs without windows.
#include <cstdio>
#include <cstring>
#include <string>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/otoczenie.h"
#include "core/uruchomienie.h"
#include "core/zmiana_centrali.h"
#include "lang/kodowanie.h"
#include "lang/language.h"

namespace {

// At a terminal nobody answers questions; messages go to standard error.
class OtoczenieTerminala : public Otoczenie {
public:
    bool pytanie(const std::string&) override { return false; }
    void blad(const std::string& tekst) override { wypisz(tekst); }
    void komunikat(const std::string& tekst) override { wypisz(tekst); }

private:
    static void wypisz(const std::string& tekst) {
        const int strona = jezyk != nullptr ? jezyk->podajStroneKodowa() : 1250;
        std::fprintf(stderr, "panelcfg-cli: %s\n", naUtf8(tekst, strona).c_str());
    }
};

int uzycie() {
    std::fprintf(stderr,
                 "usage: panelcfg-cli layout --model 7800|7400|7600|7200|generic [--lang NAME]\n");
    return 2;
}

// Panel type of a model as the user names it; -1 when unknown.
int typModelu(const std::string& model) {
    if (model == "generic") return 0;
    if (model == "7600") return 3;
    if (model == "7800") return 4;
    if (model == "7400") return 5;
    if (model == "7200") return 6;
    return -1;
}

void wypiszZakres(const char* rodzaj, int pierwszy, int liczba) {
    std::printf("  %-22s %5d %5d\n", rodzaj, pierwszy, liczba);
}

// The element table of a model: where each kind starts and how many objects it has.
int pokazUklad(Centrala& c, const Language& j) {
    const std::string nazwa = c.podajNazweCentrali();
    std::printf("%s  (signature %s)\n",
                nazwa.empty() ? "generic root" : naUtf8(nazwa, j.podajStroneKodowa()).c_str(),
                c.podajSygnature().c_str());
    std::printf("  %-22s %5s %5s\n", "kind", "first", "count");
    wypiszZakres("line elements", c.poczElementyLinii, c.liczbaElementowLinii);
    wypiszZakres("zones", c.poczStrefy, c.liczbaStref);
    wypiszZakres("WIO", c.poczWio, c.liczbaWio);
    wypiszZakres("relays PK", c.poczPk, c.liczbaPk);
    wypiszZakres("signal lines LS", c.poczLs, c.liczbaLs);
    wypiszZakres("control lines LK", c.poczLk, c.liczbaLk);
    wypiszZakres("line package BLC", c.indBlc, c.liczbaBlc);
    wypiszZakres("WOU outputs", c.poczWou, c.liczbaGrupWou * 8);
    wypiszZakres("HRN", c.poczHrn, c.liczbaHrn);
    wypiszZakres("HVA", c.poczHva, c.liczbaHva);
    wypiszZakres("WMI inputs", c.poczWmi, c.liczbaGrupWmi * 8);
    wypiszZakres("BRX packages", c.indBrx, 1);
    wypiszZakres("BRX relays", c.poczBrxPk, c.liczbaBrx * 16);
    wypiszZakres("BRX control lines", c.poczBrxLk, c.liczbaBrx * 11);
    wypiszZakres("BRX parameters", c.poczBrxPar, c.liczbaBrx);
    wypiszZakres("XGN 200", c.poczXgn, c.liczbaXgn);
    wypiszZakres("XGN 300", c.poczXgn30, c.liczbaXgn30);
    wypiszZakres("XRM", c.poczXrm, c.liczbaXrm);
    wypiszZakres("assignment stack", c.indStos, 1);
    std::printf("  %-22s %5d\n", "objects in the table", c.liczbaElementowSystemu);
    std::printf("  %-22s %5d\n", "highest network panel", c.maksNrCentrali);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "layout") != 0) return uzycie();
    std::string model, jezykNazwa = "polish";
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--model") == 0)
            model = argv[i + 1];
        else if (std::strcmp(argv[i], "--lang") == 0)
            jezykNazwa = argv[i + 1];
        else
            return uzycie();
    }
    const int typ = typModelu(model);
    if (typ < 0) return uzycie();

    OtoczenieTerminala otoczenie;
    uruchom(otoczenie);
    jezyk->ustawJezyk(jezykNazwa);
    if (jezyk->podajJezyk() != jezykNazwa) {
        zakoncz();
        return 1;
    }
    zmienTypCentrali(typ, otoczenie); // from the generic root nothing is asked
    const int wynik = pokazUklad(*biezacaCentrala, *jezyk);
    zakoncz();
    return wynik;
}
