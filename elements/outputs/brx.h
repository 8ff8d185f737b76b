// The extension packages: which of the four are declared.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Brx : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    Brx();

    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }
};
