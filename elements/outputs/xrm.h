// An XRM sub-panel.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Xrm : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    explicit Xrm(int numer);

    int podajNumer() const { return numer; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

private:
    int numer; // logical number
};
