// A signal line of the panel.
#pragma once

#include "elements/outputs/wyjscie.h"

class Ls : public Wyjscie {
public:
    static FlagiKlasy flagi;

    explicit Ls(int numer);

    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }
};
