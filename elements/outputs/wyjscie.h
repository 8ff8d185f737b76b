// An output of the panel driven by zones or inputs: base of the relays and the signal lines.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Wyjscie : public RekordNieobslugiwany {
public:
    static constexpr int rodzajPk = 1;
    static constexpr int rodzajLs = 2;

    int podajRodzaj() const { return rodzaj; }
    int podajNumer() const { return numer; }
    // Hardware code, also the output's source code in the assignment stack.
    std::uint8_t podajKodSprzetu() const { return kodSprzetu; }

protected:
    Wyjscie(int rodzaj, int numer, std::uint8_t kodSprzetu, std::string nazwa)
        : RekordNieobslugiwany(118, 166, std::move(nazwa)), rodzaj(rodzaj), numer(numer),
          kodSprzetu(kodSprzetu) {}

    int rodzaj;
    int numer;
    std::uint8_t kodSprzetu;
};
