// A zone.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Strefa : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    explicit Strefa(int numer);

    int podajNumer() const { return numer; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

private:
    int numer; // zone number
};
