// A relay of an extension package.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class BrxPk : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    BrxPk(int pakiet, int numer);

    int podajPakiet() const { return pakiet; }
    int podajNumer() const { return numer; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

private:
    int pakiet; // package 1..4
    int numer;  // relay 1..16
};
