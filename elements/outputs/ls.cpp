#include "elements/outputs/ls.h"

#include "lang/language.h"

FlagiKlasy Ls::flagi{1, 1};

Ls::Ls(int numer) : Wyjscie(rodzajLs, numer, 130, tekst(318) + std::to_string(numer)) {}
