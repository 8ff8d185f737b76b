// A fire-detection zone: its alarm variant and the two-line user message the panel shows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/element_systemu.h"

class Strefa : public ElementSystemu {
public:
    static FlagiKlasy flagi;

    static constexpr int dlugoscKomunikatu = 64; // two display lines
    static constexpr int dlugoscLinii = 32;
    static constexpr int wariantNajnizszy = 1;
    static constexpr int wariantNajwyzszy = 17;

    // The record (panel transfer and file payload).
    static constexpr int dlugoscRekordu = 69;
    static constexpr int polNumerStarszy = 0;
    static constexpr int polNumerMlodszy = 1;
    static constexpr int polWariant = 2;
    static constexpr int polRezerwa1 = 3;
    static constexpr int polRezerwa2 = 4;
    static constexpr int polKomunikat = 5;

    // Record refusals.
    static constexpr int bladNumeru = 1;
    static constexpr int bladWariantu = 2;

    // What points at the zone, collected in one walk of the line elements and the units they
    // declare. Keys and ids are those the XML export lists.
    struct Przypisania {
        std::vector<std::uint32_t> elementy; // detectors and XGN 200 units, in table order
        std::vector<std::uint32_t> wejscia;  // fire-alarm inputs of WMI devices
        std::vector<std::uint32_t> moduly;   // XGN 300 units and their BQA modules
        int jednostkiXrm = 0;                // XRM units whose first input is in the zone

        // Detection points: detectors, XGN 200 units and WMI fire inputs.
        int liczbaElementow() const { return static_cast<int>(elementy.size() + wejscia.size()); }
        int razem() const {
            return liczbaElementow() + static_cast<int>(moduly.size()) + jednostkiXrm;
        }
    };

    // A number outside 1..liczbaStref of the current root gives an object that is no zone: it
    // keeps the number, variant 2 and a blank message.
    explicit Strefa(int numer);

    int podajNumer() const { return nrStrefy; }
    int podajWariant() const { return wariant; }
    int podajRezerwa1() const { return rezerwa1; }
    int podajRezerwa2() const { return rezerwa2; }
    // The 64 characters as stored (a record may carry any bytes).
    const std::string& podajKomunikat() const { return komunikat; }

    // 0 accepted, 1 refused (variant unchanged).
    int ustalWariant(int v);
    // Description of variant v (0: the current one); a variant outside 1..17 is described as 1.
    // Answers the variant described.
    int opisWariantu(std::string& opis, int v = 0) const;
    // At most 64 characters up to the first zero, padded with blanks.
    void ustalKomunikat(std::string_view tekst);

    Przypisania podajPrzypisania() const;
    int liczbaElementow() const { return podajPrzypisania().liczbaElementow(); }

    std::uint32_t podajKlucz() const override { return 0; }
    int podajParametr() const override { return 0; }
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    void zapiszBlok(Bajty& blok) override;
    void zapiszXML(std::string& bufor, std::uint8_t grupy) override;
    // The fragment for the given assignments; nothing when none or when group 1 is not asked.
    void dopiszXML(std::string& bufor, std::uint8_t grupy, const Przypisania& p) const;
    int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) override;
    int podajDlugoscBloku() const override { return dlugoscRekordu; }
    // Rows and heading are appended; rows answer the number of characters appended.
    int drukujWiersz(std::string& bufor) override;
    void drukujNaglowek(std::string& bufor) override;
    // Print flag: 0 none, 1 zones with detection points, 2 every zone.
    bool czyDrukowac() const override;
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }
    // 1: line 1, 2: line 2 (32 characters each), any other: the whole 64 characters.
    std::optional<std::string> podajOpis(int czesc) const override;

private:
    int nrStrefy;                   // zone number
    int wariant;                    // alarm variant 1..17
    int rezerwa1 = 0, rezerwa2 = 0; // record bytes kept as read, shown nowhere
    std::string komunikat;          // always 64 characters
};
