#include "elements/outputs/blc.h"

#include "lang/language.h"

FlagiKlasy Blc::flagi{1, 0};

Blc::Blc() : RekordNieobslugiwany(122, 170, tekst(320)) {}
