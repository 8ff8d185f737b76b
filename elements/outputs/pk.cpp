#include "elements/outputs/pk.h"

#include "core/centrala.h"
#include "core/globalne.h"
#include "lang/language.h"

FlagiKlasy Pk::flagi{1, 1};

Pk::Pk(int numer) : Wyjscie(rodzajPk, numer, 129, tekst(317) + std::to_string(numer)) {}

int Pk::ustalWariant(int bajt) {
    const int kontrola = bajt & ciaglosc;
    if (typ == 0 || typ == 6) {
        wariant = 1 | kontrola;
        return 0;
    }
    const int w = bajt & 0x7F;
    if (w < 1 || w > maksWariant(typ)) return 1;
    wariant = w | kontrola;
    return 0;
}

int Pk::ustalTyp(int t) {
    if (t < 0 || t > maksTyp) return 1;
    typ = t;
    return 0;
}

void Pk::drukujNaglowek(std::string& bufor) {
    bufor += tekst(306);
}

int Pk::liczbaWyjsc() const {
    return biezacaCentrala != nullptr ? biezacaCentrala->liczbaPk : 16;
}
