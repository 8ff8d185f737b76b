// An output of the panel driven by zones or inputs: base of the relays and the signal lines. An
// output has a type (what it is for), a variant (its activation criterion within the type), a
// delay and a list of what drives it: its own zone matrix on the generic root, entries of the
// assignment stack on every panel model.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "core/element_systemu.h"
#include "elements/lines/matryca_stref48.h"

class Wyjscie : public ElementSystemu {
public:
    static constexpr int rodzajPk = 1;
    static constexpr int rodzajLs = 2;
    static constexpr int dlugosc = 74;
    static constexpr int ciaglosc =
        0x80; // relays: line continuity supervision, bit 7 of the variant

    // Slots 16 and 17: the variant from one block byte, the type; 0 accepted, 1 refused.
    virtual int ustalWariant(int bajt) = 0;
    virtual int ustalTyp(int typ) = 0;

    std::uint32_t podajKlucz() const override;
    int podajParametr() const override { return 0; }
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    void zapiszBlok(Bajty& blok) override;
    void zapiszXML(std::string& bufor, std::uint8_t flagi) override;
    int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) override;
    int podajDlugoscBloku() const override { return dlugosc; }
    int drukujWiersz(std::string& bufor) override;

    // 0..9 minutes; 10..19 store 10 and zero the seconds; anything else 1.
    int ustalOpoznienieMin(int minuty);
    // 1 outside 0..59, 2 for seconds while the minutes are 10.
    int ustalOpoznienieSek(int sekundy);
    int ustalNrCentrali(int nr);
    bool czyZOpoznieniem() const { return typ == 3 || typ == 4; }
    // 128 zones, 64 WIO inputs, 66 WMI inputs, 0 nothing: what the assignment list holds.
    int trybPrzypisania() const;
    // Text of the given type (the current one for 0); the type used.
    int opisTypu(std::string& bufor, int typ) const;
    // Text of a variant of the current type (the current variant for 0); the variant used.
    int opisWariantu(std::string& bufor, int wariant) const;
    int czyKontrolaCiaglosci() const { return (wariant & ciaglosc) != 0 ? 1 : 0; }

    int podajRodzaj() const { return rodzaj; }
    int podajNumer() const { return numer; }
    int podajTyp() const { return typ; }
    int podajWariant() const { return wariant; }
    int podajOpoznienieMin() const { return opoznienieMin; }
    int podajOpoznienieSek() const { return opoznienieSek; }
    int podajNrCentrali() const { return nrCentrali; }
    // Hardware code, also the output's source code in the assignment stack.
    std::uint8_t podajKodSprzetu() const { return kodSprzetu; }
    // The zone matrix of the generic root; none on a panel model.
    MatrycaStref48* podajMatryce() { return matrycaStref ? &*matrycaStref : nullptr; }
    // The output's assignment list from the stack: (zone or element, panel or input mask).
    std::vector<std::pair<int, int>> podajPrzypisania() const;

protected:
    Wyjscie(int rodzaj, int numer, std::uint8_t kodSprzetu, std::string nazwa);
    int maksWariant(int typ) const;
    // How many outputs of this kind the panel has.
    virtual int liczbaWyjsc() const = 0;

    std::optional<MatrycaStref48> matrycaStref;
    int rodzaj;
    int numer;
    int wariant = 1;
    int typ = 0;
    int opoznienieMin = 0;
    int opoznienieSek = 0;
    std::uint8_t kodSprzetu;
    int nrCentrali = 0;
    int bajt8 = 0;
};
