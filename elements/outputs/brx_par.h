// The time parameters of an extension package.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class BrxPar : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    explicit BrxPar(int pakiet);

    int podajPakiet() const { return pakiet; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

private:
    int pakiet; // package 1..4
};
