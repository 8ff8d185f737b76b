#include "elements/outputs/brx_par.h"

#include "lang/language.h"

FlagiKlasy BrxPar::flagi{0, 0};

BrxPar::BrxPar(int pakiet)
    : RekordNieobslugiwany(135, 179, "BRX" + std::to_string(pakiet) + tekst(322)), pakiet(pakiet) {}
