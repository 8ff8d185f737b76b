#include "elements/outputs/stos.h"

#include "lang/language.h"

Stos::Stos() : RekordNieobslugiwany(141, 185, tekst(323)) {}
