// A relay of an extension package, with one extinguishing function.
#pragma once

#include "core/element_systemu.h"

class BrxPk : public ElementSystemu {
public:
    static FlagiKlasy flagi;
    static constexpr int rodzaj = 1;
    static constexpr int dlugosc = 4;
    static constexpr int maksFunkcja = 16;

    BrxPk(int pakiet, int numer);

    // (relay << 28) | package | 0xA300, in 32 bits: relay 16 keeps only the package.
    std::uint32_t podajKlucz() const override;
    int podajParametr() const override { return 0; }
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    void zapiszBlok(Bajty& blok) override;
    void zapiszXML(std::string& bufor, std::uint8_t flagi) override;
    int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) override;
    int podajDlugoscBloku() const override { return dlugosc; }
    int drukujWiersz(std::string&) override { return 0; }
    void drukujNaglowek(std::string&) override {}
    bool czyDrukowac() const override { return false; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

    int podajPakiet() const { return pakiet; }
    int podajNumer() const { return numer; }
    // The function as read may lie outside 0..16 (values from a file are kept as they are);
    // anything that looks it up in a table must check `czyFunkcjaZnana`.
    int podajFunkcje() const { return funkcja; }
    bool czyFunkcjaZnana() const { return funkcja >= 0 && funkcja <= maksFunkcja; }
    void ustalFunkcje(int f) { funkcja = f; }
    bool podajKontroleZadzialania() const { return kontrolaZadzialania; }
    void ustalKontroleZadzialania(bool k) { kontrolaZadzialania = k; }

private:
    int pakiet;
    int numer;
    int funkcja;
    bool kontrolaZadzialania = false;
};
