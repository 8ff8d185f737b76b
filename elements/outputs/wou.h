// One output of an eight-output WOU device, driven by zones.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/element_systemu.h"
#include "elements/lines/matryca_stref48_64.h"

class Wou : public ElementSystemu {
public:
    static FlagiKlasy flagi;

    static constexpr int dlugosc = 18;
    static constexpr int kodTypu = 65;
    static constexpr int wyjscNaUrzadzenie = 8;

    Wou(int numer, int wyjscie);

    // ElementSystemu.
    std::uint32_t podajKlucz() const override;
    int podajParametr() const override { return 0; }
    // 0, or 1 device or output differs from the record's, 2 variant; on the generic root 4 byte 7
    // above 16 and 6 the zone window refused. A record too short for a field is refused with that
    // field's code (3 bytes 5 and 6; panel: 4 k; generic root: 4 byte 7, 5 first zone, 6 window).
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    void zapiszBlok(Bajty& blok) override;
    void zapiszXML(std::string& bufor, std::uint8_t grupy) override;
    int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) override;
    int podajDlugoscBloku() const override { return dlugosc; }
    int drukujWiersz(std::string& bufor) override;
    void drukujNaglowek(std::string& bufor) override;
    bool czyDrukowac() const override;
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

    // Setters: 0 accepted, 1 refused and nothing changed.
    int ustalWariant(int w);
    void ustalStrefyK(int k);
    int ustalBajt7(int b);

    // Highest variant the panel's firmware takes.
    static int maksWariantu();
    // 128 zones, 0 nothing.
    int trybPrzypisania() const;
    bool czyKzN() const { return wariant == 8 || wariant == 9; }
    int opisWariantu(std::string& bufor, int w) const;

    int linia() const;
    int adres() const;
    bool czyZadeklarowany() const;

    int podajNumer() const { return numer; }
    int podajWyjscie() const { return wyjscie; }
    int podajWariant() const { return wariant; }
    int podajStrefyK() const { return strefyK; }
    int podajBajt5() const { return bajt5; }
    int podajBajt6() const { return bajt6; }
    int podajBajt7() const { return bajt7; }
    MatrycaStref48_64* podajMatryce() { return matrycaStref ? &*matrycaStref : nullptr; }
    std::vector<std::pair<int, int>> podajPrzypisania() const;

private:
    std::optional<MatrycaStref48_64> matrycaStref; // generic root only
    int numer;                                     // device number
    int wyjscie;                                   // output 1..8
    int wariant = 0;
    int strefyK = 1;
    int bajt7 = 0;
    int bajt5 = 0;
    int bajt6 = 0;
};
