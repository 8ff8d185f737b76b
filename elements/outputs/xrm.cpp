#include "elements/outputs/xrm.h"

#include "lang/language.h"

FlagiKlasy Xrm::flagi{1, 1};

Xrm::Xrm(int numer)
    : RekordNieobslugiwany(142, 187, tekst(469) + std::to_string(numer)), numer(numer) {}
