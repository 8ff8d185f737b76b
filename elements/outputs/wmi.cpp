#include "elements/outputs/wmi.h"

#include "lang/language.h"

FlagiKlasy Wmi::flagi{1, 1};

Wmi::Wmi(int numer, int wejscie)
    : RekordNieobslugiwany(134, 178, tekst(328) + std::to_string(numer)), numer(numer),
      wejscie(wejscie) {}
