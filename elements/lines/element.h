// The configuration record of one address on one loop line: the device's type
// descriptor, its 6-byte factory number, and through the descriptor its mode, group
// and zone or logical number.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/element_systemu.h"
#include "elements/lines/typ_elementu.h"

class Element : public ElementSystemu {
public:
    static FlagiKlasy flagi;

    // Record length (`podajDlugoscBloku`).
    static constexpr int dlugoscBloku = 11;
    using NrSeryjny = std::array<int, 6>;

    // Factory number 0, type `TypBRAK` (zone = line number).
    Element(int linia, int adres);
    // Copies own their descriptor: a copy never shares it with the original.
    Element(const Element& inny);
    Element& operator=(const Element& inny);
    ~Element() override;

    int podajLinia() const { return linia; }
    int podajLinie() const { return linia; }
    int podajAdres() const { return adres; }
    TypElementu& podajTyp() { return *typ; }
    const TypElementu& podajTyp() const { return *typ; }
    const NrSeryjny& podajNrSeryjny() const { return nrSeryjny; }

    // Creation by code: 0, or 1 and nothing changed when the code is not in the
    // catalogue or refused by the panel type. The factory number stays as it was.
    int ustalTyp(int kod);
    // `ustalTyp`; on success the factory number becomes kod, 0, 0, 0, 0, 0.
    int ustalTypZKodu(int kod);
    // `ustalTyp` with byte 0; on success all six bytes are taken. 1 and nothing changed when the
    // type is refused or a byte is outside 0..255.
    int ustalNrSeryjny(const NrSeryjny& bajty);

    // The 12-character factory number text (two characters per byte; byte 2 in the base-5 form).
    std::string nrFabrycznyTekst() const;
    // Reads a factory number text into `bajty` (the element is not changed). 0 when read;
    // otherwise the 1-based position of the first character that a hexadecimal position cannot
    // hold ("G".."Z", which would give a byte above 255), and `bajty` is left as it was.
    // Characters missing at the end count as "0".
    static int czytajNrFabryczny(std::string_view tekst, NrSeryjny& bajty);

    // ElementSystemu.
    std::uint32_t podajKlucz() const override;
    // The zone number of a detector (`czyWStrefie`), else 0.
    int podajParametr() const override;
    // 0, or the code of the first refused field: 1 line, 2 element, 3 type (factory number),
    // 4 mode, 6 number (5 is reserved for the group, which cannot fail). Fields taken before it
    // keep their new values. A record shorter than 11 bytes is refused with 1.
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    void zapiszBlok(Bajty& blok) override;
    // Appends the `<line_element>` fragment when the type code is above 0 and `flagi` has bit 1.
    void zapiszXML(std::string& bufor, std::uint8_t flagi) override;
    // First byte, line, element, 0, 0; 5.
    int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) override;
    int podajDlugoscBloku() const override { return dlugoscBloku; }
    // Appends the descriptor's row(s); the number of characters appended.
    int drukujWiersz(std::string& bufor) override;
    // Appends the heading of the line-element table (text 310).
    void drukujNaglowek(std::string& bufor) override;
    bool czyDrukowac() const override { return flagi.drukowanie != 0 && typ->podajKod() != 0; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

    // Input and output channels of a device present in the XML fragment: bit n-1 = channel n.
    struct ObecneKanaly {
        std::uint8_t wejscia = 0;
        std::uint8_t wyjscia = 0;
    };

private:
    // XML steps 5 to 7 need the records of other kinds, which are not built
    // yet. Each step asks one of these functions; "no data" (nullopt) leaves the step's part of
    // the fragment out rather than inventing it. Virtual so that tests can stand in for the
    // records until they exist.
    //
    // Step 5, code 96 only. needs the XGN record: the zone (`podajParametr`) of the
    // XGN record whose logical number is `numer`.
    virtual std::optional<int> strefaXgn() const;
    // Step 6, codes 64, 65, 66, 80, 81..88, 96 with `numer` not 0. needs the WIO/WOU/WMI/HRN/
    // HVA/XGN record with logical number `numer`: which channels it declares present:
    // WIO inputs 1, 2 and output 1 when its `wariant` is not 0; WOU output n when the `wariant`
    // of output n is not 0; WMI input n when the `wariant` of input n is not 0; HRN, HVA output 1
    // when the record's `typ` is not 0; XGN-200 output 1 when its `wariant` (P1) is not 0
    // (outputs 2 and 3 are added by the step itself).
    virtual std::optional<ObecneKanaly> obecneKanaly() const;
    // Step 7, code 97 only. needs the Xgn30 record: its three module masks.
    virtual std::optional<std::array<std::uint8_t, 3>> maskiModulowXgn30() const;

    void xmlKanaly(std::string& bufor, std::uint32_t klucz) const;
    void xmlModulyXgn30(std::string& bufor) const;

    std::unique_ptr<TypElementu> typ; // never null
    int linia;                        // line 1..
    int adres;                        // address 1..
    NrSeryjny nrSeryjny{};            // byte 0 equals the type code
};
