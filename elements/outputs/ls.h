// A signal line of the panel: a monitored potential output.
#pragma once

#include "elements/outputs/wyjscie.h"

class Ls : public Wyjscie {
public:
    static FlagiKlasy flagi;
    static constexpr int maksTyp = 5;

    explicit Ls(int numer);

    // Type 0 takes any byte as variant 1; signal lines have no continuity flag.
    int ustalWariant(int bajt) override;
    int ustalTyp(int t) override;
    void drukujNaglowek(std::string& bufor) override;
    bool czyDrukowac() const override { return flagi.drukowanie != 0; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

protected:
    int liczbaWyjsc() const override;
};
