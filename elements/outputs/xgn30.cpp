#include "elements/outputs/xgn30.h"

#include "lang/language.h"

FlagiKlasy Xgn30::flagi{1, 1};

Xgn30::Xgn30(int numer)
    : RekordNieobslugiwany(140, 184, tekst(424) + std::to_string(numer)), numer(numer) {}
