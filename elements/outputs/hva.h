// An HVA or HLT sounder.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Hva : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    explicit Hva(int numer);

    int podajNumer() const { return numer; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

private:
    int numer; // logical number
};
