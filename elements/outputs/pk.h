// A relay of the panel; relay 1 is the fault relay.
#pragma once

#include "elements/outputs/wyjscie.h"

class Pk : public Wyjscie {
public:
    static FlagiKlasy flagi;

    explicit Pk(int numer);

    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }
};
