// An HRN sounder.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Hrn : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    explicit Hrn(int numer);

    int podajNumer() const { return numer; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

private:
    int numer; // logical number
};
