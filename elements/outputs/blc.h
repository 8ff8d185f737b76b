// The line packages: BLC-1 serves loop lines 1-4, BLC-2 lines 5-8; each is declared or not, and
// each of its lines is wired as a loop or radially.
#pragma once

#include <array>

#include "core/element_systemu.h"

class Blc : public ElementSystemu {
public:
    static FlagiKlasy flagi;
    static constexpr std::uint8_t podkod = 160;
    static constexpr int dlugosc = 4;

    // The 7200 has its first package declared from the start.
    explicit Blc(int typCentrali);

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

    // Package 1 or 2.
    bool podajZadeklarowany(int pakiet) const;
    void ustalZadeklarowany(int pakiet, bool z);
    // Line index 0..3 within the package: radial (true) or loop (false).
    bool podajLiniePromieniowa(int pakiet, int linia) const;
    void ustalLiniePromieniowa(int pakiet, int linia, bool p);

private:
    struct Pakiet {
        bool zadeklarowany = false;
        std::array<bool, 4> liniaPromieniowa{};
    };
    static std::uint8_t spakuj(const Pakiet& p);
    static Pakiet rozpakuj(std::uint8_t b);
    const Pakiet* pakietNr(int pakiet) const;
    Pakiet* pakietNr(int pakiet);

    Pakiet pakiet1, pakiet2;
    Pakiet grupa3; // filled from byte 3 of a block read; nothing else uses it
};
