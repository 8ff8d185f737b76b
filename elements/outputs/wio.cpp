#include "elements/outputs/wio.h"

#include "lang/language.h"

FlagiKlasy Wio::flagi{1, 1};

Wio::Wio(int numer)
    : RekordNieobslugiwany(117, 165, tekst(326) + std::to_string(numer)), numer(numer) {}
