#include "elements/outputs/hva.h"

#include "lang/language.h"

FlagiKlasy Hva::flagi{1, 1};

Hva::Hva(int numer)
    : RekordNieobslugiwany(133, 177, tekst(502) + std::to_string(numer)), numer(numer) {}
