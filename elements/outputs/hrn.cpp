#include "elements/outputs/hrn.h"

#include "core/xml.h"

FlagiKlasy Hrn::flagi{1, 1};

Hrn::Hrn(int numer)
    : Sygnalizator(numer, {.tekstNazwy = 329,
                           .kodLiniiOd = kodLinii,
                           .kodLiniiDo = kodLinii,
                           .wyroznik = 'P',
                           .kodZrodla = 80,
                           .typSprzetu = 3,
                           .tekstNaglowka = 315}) {}

void Hrn::dopiszDzwiekXML(std::string& bufor, int tryb) const {
    dopiszXML(bufor, "sound_pattern", tryb & 0x03);
}
