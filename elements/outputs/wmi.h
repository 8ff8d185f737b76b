// One input of an eight-input WMI monitoring device.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Wmi : public RekordNieobslugiwany {
public:
    static FlagiKlasy flagi;

    Wmi(int numer, int wejscie);

    int podajNumer() const { return numer; }
    int podajWejscie() const { return wejscie; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

private:
    int numer;   // device number
    int wejscie; // input 1..8
};
