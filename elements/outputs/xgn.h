// An XGN 200 extinguishing control unit.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Xgn : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    explicit Xgn(int numer);

    int podajNumer() const { return numer; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

private:
    int numer; // logical number
};
