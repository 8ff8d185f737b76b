#include "elements/outputs/hva.h"

#include "core/xml.h"

FlagiKlasy Hva::flagi{1, 1};

Hva::Hva(int numer)
    : Sygnalizator(numer, {.tekstNazwy = 502,
                           .kodLiniiOd = pierwszyKodLinii,
                           .kodLiniiDo = ostatniKodLinii,
                           .wyroznik = 'Q',
                           .kodZrodla = 81,
                           .typSprzetu = 4,
                           .tekstNaglowka = 501}) {}

void Hva::dopiszDzwiekXML(std::string& bufor, int tryb) const {
    dopiszXML(bufor, "sequence", (tryb & 0x0F) + 1);
    dopiszXML(bufor, "volume", tryb >> 4 & 0x03);
}
