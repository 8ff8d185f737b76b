#include "elements/outputs/lk.h"

#include "lang/language.h"

FlagiKlasy Lk::flagi{1, 1};

Lk::Lk(int numer)
    : RekordNieobslugiwany(118, 166, tekst(319) + std::to_string(numer)), numer(numer) {}
