// An XGN 300 extinguishing control unit with its modules.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Xgn30 : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    explicit Xgn30(int numer);

    int podajNumer() const { return numer; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }
    // Back to the unit's first block; until its modules are kept the unit has only that one.
    void zerujKursor() {}

private:
    int numer; // logical number
};
