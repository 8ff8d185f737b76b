// An XGN 200 extinguishing control unit: three relay outputs P1, P2, P3, of which P1 is driven by
// an activation variant and zones; the unit itself belongs to one zone of group A or B.
#pragma once

#include <array>
#include <string>

#include "core/element_systemu.h"

class Xgn : public ElementSystemu {
public:
    static FlagiKlasy flagi;
    static constexpr int dlugosc = 201;
    static constexpr int kodLinii = 96;

    explicit Xgn(int numer);

    // Messages: [0..2] non-maskable fault of P1..P3, [3..5] technical alarm of P1..P3.
    static constexpr int liczbaKomunikatow = 6;

    // 1 outside 0..8 (0..6 on older firmware).
    int ustalWariant(int w);
    // Kept for the k-of-n variants, 1 otherwise; never refused.
    int ustalStrefyK(int k);
    // 15 bits; 1 outside 0..32767.
    int ustalStrefe(int s);
    int ustalGrupeB(int b);
    // 1 for a message number outside 0..5; the text is cut or padded to 32 characters.
    int ustalKomunikat(int ktory, const std::string& tekst);

    int podajNumer() const { return numer; }
    int podajWariant() const { return wariant; }
    int podajStrefe() const { return strefa; }
    int podajGrupeB() const { return grupaB; }
    int podajStrefyK() const { return strefyK; }
    std::string podajKomunikat(int ktory) const;
    // The variant's text (the current one for 0); the variant used.
    int opisWariantu(std::string& bufor, int w) const;
    int trybPrzypisania() const;
    int linia() const;
    int adres() const;
    bool czyZadeklarowany() const;

    std::uint32_t podajKlucz() const override;
    int podajParametr() const override { return strefa; }
    // 0, or 1 number (or a record too short for it), 2 variant, 3 zone and group, 4 k-of-n,
    // 5 messages (records too short for them).
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    void zapiszBlok(Bajty& blok) override;
    void zapiszXML(std::string& bufor, std::uint8_t flagi) override;
    int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) override;
    int podajDlugoscBloku() const override { return dlugosc; }
    int drukujWiersz(std::string& bufor) override;
    void drukujNaglowek(std::string& bufor) override;
    bool czyDrukowac() const override;
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

    bool operator==(const Xgn& o) const {
        return numer == o.numer && wariant == o.wariant && strefa == o.strefa &&
               grupaB == o.grupaB && strefyK == o.strefyK && komunikaty == o.komunikaty;
    }

private:
    int numer; // logical number
    int wariant = 0;
    int strefa;
    int grupaB = 0;
    int strefyK = 1;
    std::array<std::string, liczbaKomunikatow> komunikaty;
};
