// A control line of the panel.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Lk : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    explicit Lk(int numer);

    int podajNumer() const { return numer; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

private:
    int numer; // control line number
};
