// One entry of the panel's event or alarm memory as read from the panel: its number in the panel
// and its text of a few display lines separated by carriage returns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/element_systemu.h"

// Record of an entry (the reply payload), as named offsets.
namespace rekord_zdarzenia {
constexpr std::size_t numer = 1;  // entry number, big-endian, 2 bytes
constexpr std::size_t liczba = 3; // number of stored entries, big-endian, 2 bytes (status reply)
constexpr std::size_t tekst = 5;  // entry text, zero-terminated, in the panel's character set
constexpr std::size_t pojemnoscTekstu = 256; // the text field with its terminating zero
} // namespace rekord_zdarzenia

class Zdarzenie : public ElementSystemu {
public:
    // `liczbaZdarzen`: entries stored in the panel when the record is read; its name counts
    // from it.
    explicit Zdarzenie(int liczbaZdarzen = 0);

    std::uint32_t podajKlucz() const override { return 0; }
    int podajParametr() const override { return 0; }
    // 0 accepted; 1 the payload ends before the entry number, 2 before the text begins.
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    void zapiszBlok(Bajty& blok) override { blok.clear(); }
    // Appends line `flagi` (from 1) of the text, in UTF-8 and with & < > escaped; nothing when
    // the text has fewer lines.
    void zapiszXML(std::string& bufor, std::uint8_t flagi) override;
    int podajDlugoscBloku() const override { return 0; }
    // The text with its lines ended by line feeds, then a rule of 40 hyphens and an empty line.
    int drukujWiersz(std::string& bufor) override;
    void drukujNaglowek(std::string& bufor) override { (void)bufor; }
    bool czyDrukowac() const override { return true; }
    bool czyPrzesylac() const override { return false; }

    int podajNumer() const { return numer; }
    // The decoded text (at most 255 bytes, no terminating zero).
    const std::string& podajTekst() const { return tekst; }
    // Line k (from 1) of the text as held, without conversion; empty past the last line.
    std::string_view podajLinie(int k) const;
    // What slots 7 and 10 append: line k ready for the XML document, and the printout text.
    std::string podajLinieXML(int k) const;
    std::string podajWydruk() const;

private:
    std::string tekst;
    int numer = 0;
    int liczbaZdarzen;
};

// An event text in UTF-8 under the current language (`jezyk`): letters the language's table
// knows are converted, every other byte above 0x7F and the control characters XML cannot carry
// become "#", plain characters are copied, so a line always fits a well-formed document.
std::string kodujUTF8Zdarzenia(std::string_view linia);
