#include "elements/outputs/ls.h"

#include "core/centrala.h"
#include "core/globalne.h"
#include "lang/language.h"

FlagiKlasy Ls::flagi{1, 1};

Ls::Ls(int numer) : Wyjscie(rodzajLs, numer, 130, tekst(318) + std::to_string(numer)) {}

int Ls::ustalWariant(int bajt) {
    if (typ == 0) {
        wariant = 1;
        return 0;
    }
    if (bajt < 1 || bajt > maksWariant(typ)) return 1;
    wariant = bajt;
    return 0;
}

int Ls::ustalTyp(int t) {
    if (t < 0 || t > maksTyp) return 1;
    typ = t;
    return 0;
}

void Ls::drukujNaglowek(std::string& bufor) {
    bufor += tekst(307);
}

int Ls::liczbaWyjsc() const {
    return biezacaCentrala != nullptr ? biezacaCentrala->liczbaLs : 8;
}
