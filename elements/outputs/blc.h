// The line package: which lines are declared, loop or radial.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Blc : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    Blc();

    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }
};
