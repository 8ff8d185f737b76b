// A WIO monitoring element with its own output.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Wio : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    explicit Wio(int numer);

    int podajNumer() const { return numer; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

private:
    int numer; // logical number
};
