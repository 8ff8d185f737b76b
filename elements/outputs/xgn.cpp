#include "elements/outputs/xgn.h"

#include "lang/language.h"

FlagiKlasy Xgn::flagi{1, 1};

Xgn::Xgn(int numer)
    : RekordNieobslugiwany(139, 183, tekst(377) + std::to_string(numer)), numer(numer) {}
