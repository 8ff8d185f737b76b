// The zone set of relay and line outputs and WIO elements: any zones of the panel.
#pragma once

#include <array>

#include "elements/lines/matryca_stref.h"

class MatrycaStref48 : public MatrycaStref {
public:
    int wczytaj(std::span<const std::uint8_t> zrodlo) override;
    int wczytajOkno(std::span<const std::uint8_t, szerokoscOkna> okno, int starsza,
                    int mlodszy) override;
    void wyczysc() override;
    void zeruj() override { wyczysc(); }
    int ustaw(int strefa, int zarezerwowany, std::uint8_t wartosc) override;
    int przelacz(int strefa) override;
    int podaj(int strefa) const override;
    std::span<const std::uint8_t> dane() const override;
    int liczbaPrzypisanych() const override;
    int policz() const override { return liczbaPrzypisanych(); }
    void wyznaczMaske() override {}
    void wyznaczOkno() override {}
    int pierwszaStrefa() const override { return 0; }
    int czyDostepna(int) const override { return 0; }
    int bajtOkna(int) const override { return 0; }

protected:
    static bool czyStrefa(int strefa) { return strefa >= 1 && strefa <= liczbaStref(); }

    std::array<std::uint8_t, maksStref> strefy{}; // byte z - 1: zone z is in the set
};
