// The extinguishing-control extension packages: which of the four cards are declared.
#pragma once

#include <array>

#include "core/element_systemu.h"

class Brx : public ElementSystemu {
public:
    static FlagiKlasy flagi;
    static constexpr std::uint8_t podkod = 163;
    static constexpr int dlugosc = 43;
    static constexpr int liczbaPakietow = 4;

    Brx();

    std::uint32_t podajKlucz() const override { return 0; }
    int podajParametr() const override { return 0; }
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    void zapiszBlok(Bajty& blok) override;
    void zapiszXML(std::string&, std::uint8_t) override {}
    int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) override;
    int podajDlugoscBloku() const override { return dlugosc; }
    int drukujWiersz(std::string&) override { return 0; }
    void drukujNaglowek(std::string&) override {}
    bool czyDrukowac() const override { return false; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

    // Package 1..4; any other number is never declared.
    bool podajZadeklarowany(int pakiet) const;
    void ustalZadeklarowany(int pakiet, bool z);

private:
    std::array<bool, liczbaPakietow> zadeklarowany{};
};

// Whether the current configuration declares extension package 1..4.
bool czyPakietBrxZadeklarowany(int pakiet);
