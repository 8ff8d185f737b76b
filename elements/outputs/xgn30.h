// An XGN 300 extinguishing control unit with its own zone and up to 13 plug-in modules. It is
// saved and sent as 14 blocks, p (the unit), q1..q8 (BQA modules), r1..r4 (BTZ) and r5 (BKV),
// walked by a block cursor; each block has its own key and read request.
#pragma once

#include <array>
#include <string>

#include "core/element_systemu.h"
#include "elements/outputs/modul_xgn30.h"

class Xgn30 : public ElementSystemu {
public:
    static FlagiKlasy flagi;
    static constexpr int dlugosc = 146;
    static constexpr int kodLinii = 97;
    // Block kinds of the cursor.
    static constexpr std::uint8_t rodzajJednostka = 'p';
    static constexpr std::uint8_t rodzajBqa = 'q';
    static constexpr std::uint8_t rodzajPk = 'r';

    explicit Xgn30(int numer);

    int podajNumer() const { return numer; }
    int podajStrefe() const { return strefa; }
    // 16 bits; 1 outside 0..65535.
    int ustalStrefe(int s);
    int podajMaskeBqa() const { return maskaBqa; }
    int podajMaskeBtz() const { return maskaBtz; }
    int podajBkv() const { return bkvZadeklarowany; }
    // Bit i-1 declares module i; 1 for bits beyond the modules.
    int ustalMaskeBqa(int m);
    int ustalMaskeBtz(int m);
    int ustalBkv(int b);

    // None outside the module numbers.
    ModulBqa* podajModulBqa(int i);
    const ModulBqa* podajModulBqa(int i) const;
    ModulBtz* podajModulBtz(int i);
    const ModulBtz* podajModulBtz(int i) const;
    ModulBkv* podajModulBkv(int i);
    const ModulBkv* podajModulBkv(int i) const;
    // The output of an assignment-stack source: kind 113 with the BQA index, kind 114 with index
    // 1..4 (BTZ) or 5 (BKV) and output 1 or 2; none otherwise.
    const WyjscieModulu* wyjscieZrodla(int kod, int indeks, int podnumer) const;
    // Its current assignment mode; 0 for no such output.
    int trybZrodla(int kod, int indeks, int podnumer) const;

    int linia() const;
    int adres() const;
    bool czyZadeklarowany() const;

    // Back to the unit's first block (p, 1).
    void zerujKursor() {
        kursorRodzaj = rodzajJednostka;
        kursorIndeks = 1;
    }
    std::uint8_t podajKursorRodzaj() const { return kursorRodzaj; }
    int podajKursorIndeks() const { return kursorIndeks; }

    // Key of the cursor's block.
    std::uint32_t podajKlucz() const override;
    int podajParametr() const override { return strefa; }
    // The block at the cursor position's kind (byte 6): 0, or 1 number (or a block naming no
    // module), 2 declarations, 3 module zone, 4 module variant; a block too short for a field
    // is refused with that field's code (messages 5, k-of-n values 6).
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    void zapiszBlok(Bajty& blok) override;
    void zapiszXML(std::string& bufor, std::uint8_t flagi) override;
    int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) override;
    int podajDlugoscBloku() const override { return dlugosc; }
    int drukujWiersz(std::string& bufor) override;
    void drukujNaglowek(std::string& bufor) override;
    bool czyDrukowac() const override;
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }
    // Moves the cursor to the next block; false (and back to the first) after the last one.
    bool czyKolejnyBlok() override;

    // Equal data; the cursor is not compared.
    bool operator==(const Xgn30& o) const {
        return numer == o.numer && strefa == o.strefa && maskaBqa == o.maskaBqa &&
               maskaBtz == o.maskaBtz && bkvZadeklarowany == o.bkvZadeklarowany && bqa == o.bqa &&
               btz == o.btz && bkv == o.bkv;
    }

private:
    ModulPk* modulPk(int adres);
    const ModulPk* modulPk(int adres) const;
    bool czyModulPkZadeklarowany(int adres) const;

    int numer; // logical number
    int strefa;
    int maskaBqa = 0;
    int maskaBtz = 0;
    int bkvZadeklarowany = 0;
    std::array<ModulBqa, ModulBqa::liczba> bqa;
    std::array<ModulBtz, ModulBtz::liczba> btz;
    ModulBkv bkv;
    std::uint8_t kursorRodzaj = rodzajJednostka;
    int kursorIndeks = 1;
};
