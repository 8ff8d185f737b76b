// A control line of an extension package, with one extinguishing function and the technical-alarm
// message the panel shows for it.
#pragma once

#include "core/element_systemu.h"

class BrxLk : public ElementSystemu {
public:
    static FlagiKlasy flagi;
    static constexpr int rodzaj = 2;
    static constexpr int dlugosc = 68;
    static constexpr int dlugoscKomunikatu = 64;
    static constexpr int maksFunkcja = 11;

    BrxLk(int pakiet, int numer);

    // (line << 28) | package | 0xA300, in 32 bits.
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
    std::optional<std::string> podajOpis(int czesc) const override;

    int podajPakiet() const { return pakiet; }
    int podajNumer() const { return numer; }
    // The function as read may lie outside 0..11; table look-ups check `czyFunkcjaZnana`.
    int podajFunkcje() const { return funkcja; }
    bool czyFunkcjaZnana() const { return funkcja >= 0 && funkcja <= maksFunkcja; }
    // Stores the function and gives the line the message that goes with it.
    void ustalFunkcje(int f);
    // The message is always exactly 64 characters: a shorter text is padded with blanks.
    void ustalKomunikat(const std::string& k);
    const std::string& podajKomunikat() const { return komunikat; }

private:
    int pakiet;
    int numer;
    int funkcja;
    std::string komunikat;
};
