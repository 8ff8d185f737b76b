#include "elements/lines/strefa.h"

#include "lang/language.h"

FlagiKlasy Strefa::flagi{1, 1};

Strefa::Strefa(int numer)
    : RekordNieobslugiwany(116, 164, tekst(316) + std::to_string(numer)), numer(numer) {}
