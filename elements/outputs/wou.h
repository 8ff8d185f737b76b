// One output of an eight-output WOU device.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Wou : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    Wou(int numer, int wyjscie);

    int podajNumer() const { return numer; }
    int podajWyjscie() const { return wyjscie; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

private:
    int numer;   // device number
    int wyjscie; // output 1..8
};
