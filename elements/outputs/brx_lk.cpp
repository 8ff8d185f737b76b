#include "elements/outputs/brx_lk.h"

#include "lang/language.h"

FlagiKlasy BrxLk::flagi{0, 0};

BrxLk::BrxLk(int pakiet, int numer)
    : RekordNieobslugiwany(
          135, 179, "BRX" + std::to_string(pakiet) + " " + tekst(319) + std::to_string(numer)),
      pakiet(pakiet), numer(numer) {}
