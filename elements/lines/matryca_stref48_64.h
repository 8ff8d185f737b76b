// The zone set of WOU outputs and HRN and HVA sounders: at most a window of 64 consecutive
// zones, which the panel receives as its first zone and 64 bits.
#pragma once

#include "elements/lines/matryca_stref48.h"

class MatrycaStref48_64 : public MatrycaStref48 {
public:
    MatrycaStref48_64() { przelicz(); }

    int wczytaj(std::span<const std::uint8_t> zrodlo) override;
    int wczytajOkno(std::span<const std::uint8_t, szerokoscOkna> okno, int starsza,
                    int mlodszy) override;
    void wyczysc() override;
    int ustaw(int strefa, int zarezerwowany, std::uint8_t wartosc) override;
    int przelacz(int strefa) override;
    void wyznaczMaske() override;
    void wyznaczOkno() override;
    int pierwszaStrefa() const override;
    int czyDostepna(int strefa) const override;
    int bajtOkna(int i) const override;

private:
    // After every change: the window first, then the mask.
    void przelicz() {
        wyznaczOkno();
        wyznaczMaske();
    }
    int ostatniaStrefa() const;

    std::array<std::uint8_t, szerokoscOkna> okno{}; // zones from the lowest one in the set on
    std::array<std::uint8_t, maksStref> maska{};    // byte z - 1: zone z may still be added
};
