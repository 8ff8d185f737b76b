// The time parameters of one extension package: seven (minutes, seconds) pairs and two choices of
// how extinguishing is held and how discharge is signalled.
#pragma once

#include <array>

#include "core/element_systemu.h"

class BrxPar : public ElementSystemu {
public:
    static FlagiKlasy flagi;
    static constexpr int rodzaj = 3;
    static constexpr int dlugosc = 18;
    static constexpr int liczbaPar = 7;

    explicit BrxPar(int pakiet);

    // package | 0xA300
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
    // Pair 1..7. Minutes up to the pair's largest value are stored (the largest zeroes the
    // seconds); up to 9 more store the largest; anything else, or a pair outside 1..7, gives 1.
    int ustalMinuty(int para, int wartosc);
    // 1 above 59 seconds, 2 for seconds while the minutes are at their largest, else stored.
    int ustalSekundy(int para, int wartosc);
    int podajMinuty(int para) const;
    int podajSekundy(int para) const;
    static int maksMinuty(int para);

    std::uint8_t podajWstrzymanieGaszenia() const { return wstrzymanieGaszenia; }
    void ustalWstrzymanieGaszenia(std::uint8_t w) { wstrzymanieGaszenia = w; }
    std::uint8_t podajSygnalizacjeWyladowania() const { return sygnalizacjaWyladowania; }
    void ustalSygnalizacjeWyladowania(std::uint8_t s) { sygnalizacjaWyladowania = s; }

private:
    struct Czas {
        std::uint8_t minuty, sekundy;
    };
    int pakiet;
    std::array<Czas, liczbaPar> czasy;
    std::uint8_t wstrzymanieGaszenia = 0;
    std::uint8_t sygnalizacjaWyladowania = 0;
};
