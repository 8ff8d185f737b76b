// A device address on a loop line: line and address.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Element : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    Element(int linia, int adres);

    int podajLinia() const { return linia; }
    int podajAdres() const { return adres; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

private:
    int linia; // line 1..
    int adres; // address 1..
};
