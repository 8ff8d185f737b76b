// A control line of the panel: a monitored input that supervises one relay or signal line, or
// raises a technical alarm, with a fault message and a technical-alarm message.
#pragma once

#include "core/element_systemu.h"

class Lk : public ElementSystemu {
public:
    static FlagiKlasy flagi;
    static constexpr int rodzaj = 3;
    static constexpr int dlugosc = 138;
    static constexpr int dlugoscKomunikatu = 64;
    static constexpr int grupaPk = 1;
    static constexpr int grupaLs = 2;

    explicit Lk(int numer);

    // (line << 28) | 0xFF03
    std::uint32_t podajKlucz() const override;
    int podajParametr() const override { return 0; }
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    void zapiszBlok(Bajty& blok) override;
    void zapiszXML(std::string& bufor, std::uint8_t flagi) override;
    int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) override;
    int podajDlugoscBloku() const override { return dlugosc; }
    int drukujWiersz(std::string& bufor) override;
    void drukujNaglowek(std::string& bufor) override;
    bool czyDrukowac() const override { return flagi.drukowanie != 0; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

    // 0..3, else 1.
    int ustalWariant(int w);
    // 1 or 2; anything else is ignored while the line is inactive and refused (1) otherwise.
    int ustalGrupe(int g);
    // 2..16 for relays, 1..8 for signal lines; otherwise as the group.
    int ustalNumerWyjscia(int n);
    // Messages are exactly 64 characters: longer texts are cut, shorter ones padded with blanks.
    void ustalKomunikatUszkodzenia(const std::string& k);
    void ustalKomunikatAlarmu(const std::string& k);
    // One 32-character display line (1 or 2) of the fault message (0) or the alarm message (1).
    std::string podajLinieKomunikatu(int ktory, int linia) const;
    // Text 164..167 of a variant (255: the current one); the variant used.
    int opisWariantu(std::string& bufor, int w) const;

    int podajNumer() const { return numer; }
    int podajWariant() const { return wariant; }
    int podajGrupe() const { return grupaWyjscia; }
    int podajNumerWyjscia() const { return numerWyjscia; }
    const std::string& podajKomunikatUszkodzenia() const { return komunikatUszkodzenia; }
    const std::string& podajKomunikatAlarmu() const { return komunikatAlarmu; }

private:
    int numer;
    int wariant = 0;
    int grupaWyjscia = grupaPk;
    int numerWyjscia = 2;
    int bajt8 = 0;
    std::string komunikatUszkodzenia;
    std::string komunikatAlarmu;
};
