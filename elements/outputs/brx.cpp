#include "elements/outputs/brx.h"

#include "lang/language.h"

FlagiKlasy Brx::flagi{0, 0};

Brx::Brx() : RekordNieobslugiwany(122, 170, tekst(330)) {}
