// An addressable sounder on a loop line: base of the HRN sounders and of the HVA/HLT sounders and
// sounder-beacons. A sounder is driven like an output: a type, an activation variant within it
// and, for the zone-driven variants, the zones that drive it (a zone matrix of its own on the
// generic root, entries of the assignment stack on every panel model). Its sound settings live
// in the mode byte of the line element that carries its logical number.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "core/element_systemu.h"
#include "elements/lines/matryca_stref48_64.h"

class Sygnalizator : public ElementSystemu {
public:
    static constexpr int dlugosc = 18;
    static constexpr int maksBajt7 = 16;

    std::uint32_t podajKlucz() const override;
    int podajParametr() const override { return 0; }
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    void zapiszBlok(Bajty& blok) override;
    void zapiszXML(std::string& bufor, std::uint8_t grupy) override;
    int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) override;
    int podajDlugoscBloku() const override { return dlugosc; }
    int drukujWiersz(std::string& bufor) override;
    void drukujNaglowek(std::string& bufor) override;
    // 0 prints none, 2 prints all, any other value only the declared sounders.
    bool czyDrukowac() const override;
    bool czyPrzesylac() const override { return podajFlagi().przesylanie != 0; }

    // 0, 1 and 3 are stored; anything else 1.
    int ustalTyp(int t);
    // Type 0 takes any value and stores nothing; type 1 takes 1..2, type 3 1..8; else 1.
    int ustalWariant(int w);
    // 0..16, else 1.
    int ustalBajt7(int b);
    // Text of the given type (the current one for 0); the type used.
    int opisTypu(std::string& bufor, int t) const;
    // Text of a variant of the current type (the current variant for 0); the variant used, 0
    // under type 0.
    int opisWariantu(std::string& bufor, int w) const;
    // 128 when zones drive the sounder, else 0.
    int trybPrzypisania() const;

    // Line and address of the line element with this logical number, 0 when there is none.
    int linia() const;
    int adres() const;
    bool czyZadeklarowany() const;
    // Mode byte (sound settings) of that line element, 0 when there is none.
    int trybElementu() const;

    int podajNumer() const { return numer; }
    int podajTyp() const { return typ; }
    int podajWariant() const { return wariant; }
    int podajBajt7() const { return bajt7; }
    int podajBajt6() const { return bajt6; }
    // Source code in the assignment stack: 80 HRN, 81 HVA.
    int podajKodZrodla() const { return cechy.kodZrodla; }
    // Whether a line element type code carries a sounder of this kind.
    bool czyKodLinii(int kod) const { return kod >= cechy.kodLiniiOd && kod <= cechy.kodLiniiDo; }
    // The zone matrix of the generic root; none on a panel model.
    MatrycaStref48_64* podajMatryce() { return matrycaStref ? &*matrycaStref : nullptr; }
    const MatrycaStref48_64* podajMatryce() const {
        return matrycaStref ? &*matrycaStref : nullptr;
    }
    // The sounder's assignment list from the stack: (zone, panel).
    std::vector<std::pair<int, int>> podajPrzypisania() const;

protected:
    // What tells the two kinds apart.
    struct Cechy {
        int tekstNazwy;
        int kodLiniiOd, kodLiniiDo; // line element type codes
        std::uint8_t wyroznik;      // byte 1 of the block and byte 2 of the read request
        int kodZrodla;              // assignment stack source code, also the key's type byte
        int typSprzetu;             // XML <hardware_type>
        int tekstNaglowka;          // printout header
    };

    Sygnalizator(int numer, const Cechy& cechy);

    virtual const FlagiKlasy& podajFlagi() const = 0;
    // The kind's sound fields of the XML fragment, from the line element's mode byte.
    virtual void dopiszDzwiekXML(std::string& bufor, int tryb) const = 0;

private:
    struct Dowiazanie {
        int linia = 0, adres = 0, tryb = 0;
        bool zadeklarowany = false;
    };
    // The first line element with this logical number gives line and address, the last one the
    // mode byte.
    Dowiazanie znajdzElement() const;
    // The variant as the printout and the XML show it: 0 under type 0.
    int wariantUzyty() const { return typ == 0 ? 0 : wariant; }

    Cechy cechy;
    std::optional<MatrycaStref48_64> matrycaStref;
    int numer;
    int typ = 0;
    int wariant = 0;
    int bajt7 = 0;
    int bajt6 = 0;
};

// The sounder record a line element of this type code and logical number is tied to; none when
// the code is not a sounder's, the number is outside the kind's count or there is no root.
const Sygnalizator* sygnalizatorElementu(int kod, int numer);
