#include "elements/outputs/wou.h"

#include "lang/language.h"

FlagiKlasy Wou::flagi{1, 1};

Wou::Wou(int numer, int wyjscie)
    : RekordNieobslugiwany(132, 169, tekst(327) + std::to_string(numer)), numer(numer),
      wyjscie(wyjscie) {}
