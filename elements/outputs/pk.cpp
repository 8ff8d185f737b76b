#include "elements/outputs/pk.h"

#include "lang/language.h"

FlagiKlasy Pk::flagi{1, 1};

Pk::Pk(int numer) : Wyjscie(rodzajPk, numer, 129, tekst(317) + std::to_string(numer)) {}
