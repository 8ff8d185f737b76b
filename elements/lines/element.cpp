#include "elements/lines/element.h"

#include "lang/language.h"

FlagiKlasy Element::flagi{1, 1};

Element::Element(int linia, int adres)
    : RekordNieobslugiwany(115, 163,
                           tekst(324) + std::to_string(linia) + tekst(325) + std::to_string(adres)),
      linia(linia), adres(adres) {}
