// A relay of the panel; relay 1 is the fault relay, fixed in the panel.
#pragma once

#include "elements/outputs/wyjscie.h"

class Pk : public Wyjscie {
public:
    static FlagiKlasy flagi;
    static constexpr int maksTyp = 6;

    explicit Pk(int numer);

    // Types 0 and 6 take any byte as variant 1; both keep bit 7 as continuity supervision.
    int ustalWariant(int bajt) override;
    int ustalTyp(int t) override;
    void drukujNaglowek(std::string& bufor) override;
    bool czyDrukowac() const override { return flagi.drukowanie != 0; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

protected:
    int liczbaWyjsc() const override;
};
