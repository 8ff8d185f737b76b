#include "elements/outputs/hrn.h"

#include "lang/language.h"

FlagiKlasy Hrn::flagi{1, 1};

Hrn::Hrn(int numer)
    : RekordNieobslugiwany(133, 177, tekst(329) + std::to_string(numer)), numer(numer) {}
