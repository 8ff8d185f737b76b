#include "elements/outputs/brx_pk.h"

#include "lang/language.h"

FlagiKlasy BrxPk::flagi{0, 0};

BrxPk::BrxPk(int pakiet, int numer)
    : RekordNieobslugiwany(
          135, 179, "BRX" + std::to_string(pakiet) + " " + tekst(317) + std::to_string(numer)),
      pakiet(pakiet), numer(numer) {}
