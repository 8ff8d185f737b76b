// A WIO monitoring element with its own output: two supervised inputs, one controlled output
// driven by zones or by inputs of other WIO and WMI elements, and four user messages.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/element_systemu.h"
#include "elements/lines/matryca_stref48.h"

class Wio : public ElementSystemu {
public:
    static FlagiKlasy flagi;

    static constexpr int dlugosc = 200;
    static constexpr int kodTypu = 64;
    static constexpr int liczbaKomunikatow = 4;

    explicit Wio(int numer);

    // ElementSystemu.
    std::uint32_t podajKlucz() const override;
    int podajParametr() const override { return 0; }
    // 0, or 1 number (other than this record's or above the count), 2 variant; a record too
    // short for a field is refused with that field's code (panel: 3 k, 4 byte 6, 5 and 6 the
    // input zones, 7 the messages; generic root: 3 byte 6, 4 zones, 5 the messages).
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
    int ustalNumer(int n);
    int ustalWariant(int w);
    void ustalStrefyK(int k);
    int ustalKomunikat(int ktory, const std::string& tekst);
    int ustalWejscieStrefa(int wejscie, int strefa);

    // Highest variant the panel's firmware takes.
    static int maksWariantu();
    // 128 zones, 64 WIO inputs, 66 WMI inputs, 0 nothing: what drives the output.
    int trybPrzypisania() const;
    bool czyKzN() const { return wariant == 18 || wariant == 19; }
    // Text of a variant (the current one for 0); the variant used.
    int opisWariantu(std::string& bufor, int w) const;

    int linia() const;
    int adres() const;
    bool czyZadeklarowany() const;

    int podajNumer() const { return numer; }
    int podajWariant() const { return wariant; }
    int podajStrefyK() const { return strefyK; }
    int podajWejscieStrefa(int wejscie) const;
    const std::string& podajKomunikat(int ktory) const;
    int podajBajt6() const { return bajt6; }
    MatrycaStref48* podajMatryce() { return matrycaStref ? &*matrycaStref : nullptr; }
    std::vector<std::pair<int, int>> podajPrzypisania() const;

private:
    std::optional<MatrycaStref48> matrycaStref; // generic root only
    int numer;
    int wariant = 0;
    int strefyK = 1;
    int wejscie1Strefa = 0;
    int wejscie2Strefa = 0;
    std::array<std::string, liczbaKomunikatow> komunikaty;
    int bajt6 = 0;
};
