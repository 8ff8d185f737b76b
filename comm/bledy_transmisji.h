// The protocol's error counters, counted by kind, and the error codes the transmission and
// connection windows poll. Each counter keeps the count of the current run and a cumulative one.
#pragma once

#include <array>
#include <cstdint>

// The seven counters, in their fixed order.
enum class Licznik {
    bledowDanych,
    brakuOdpowiedzi,
    bledowTransmisji,
    bledowDostepu,
    bledowZakresu,
    bledowTypuCentrali,
    brakuPortu,
};
constexpr int liczbaLicznikow = 7;

// Error codes 0 to 7; each has its own window.
namespace kodBledu {
constexpr int brak = 0;
constexpr int brakKomunikacji = 1;
constexpr int odmowaDostepu = 2;
constexpr int bledneRamki = 3;
constexpr int bladTransmisji = 4;
constexpr int innyTypCentrali = 5;
constexpr int pozaZakresem = 6;
constexpr int brakPortu = 7;
} // namespace kodBledu

// Kind of the last data error in the test type.
namespace typBleduDanych {
constexpr int brakStx = 1;
constexpr int zlaSuma = 2;
} // namespace typBleduDanych

// One row of an error-code table: the code given when the counter's current count exceeds the
// threshold. Rows are tried in order; the first match wins.
struct ProgBledu {
    Licznik licznik;
    int prog;
    int kod;
};

// Thresholds while a transfer runs.
constexpr std::array<ProgBledu, 7> tablicaKodowBledow{{
    {Licznik::bledowTypuCentrali, 2, kodBledu::innyTypCentrali},
    {Licznik::bledowDanych, 5, kodBledu::bledneRamki},
    {Licznik::brakuOdpowiedzi, 3, kodBledu::brakKomunikacji},
    {Licznik::bledowZakresu, 3, kodBledu::pozaZakresem},
    {Licznik::bledowTransmisji, 3, kodBledu::bladTransmisji},
    {Licznik::bledowDostepu, 3, kodBledu::odmowaDostepu},
    {Licznik::brakuPortu, 0, kodBledu::brakPortu},
}};
// While connecting every error counts at once.
constexpr std::array<ProgBledu, 7> tablicaKodowBledowMin{{
    {Licznik::bledowTypuCentrali, 0, kodBledu::innyTypCentrali},
    {Licznik::bledowDanych, 0, kodBledu::bledneRamki},
    {Licznik::brakuOdpowiedzi, 0, kodBledu::brakKomunikacji},
    {Licznik::bledowZakresu, 0, kodBledu::pozaZakresem},
    {Licznik::bledowTransmisji, 0, kodBledu::bladTransmisji},
    {Licznik::bledowDostepu, 0, kodBledu::odmowaDostepu},
    {Licznik::brakuPortu, 0, kodBledu::brakPortu},
}};

class BledyTransmisji {
public:
    static constexpr int biezacy = 0;
    static constexpr int skumulowany = 1;

    // Adds 1 to the current and the cumulative count.
    void zwieksz(Licznik l);
    void zwiekszLicznikBledowDanych() { zwieksz(Licznik::bledowDanych); }
    // Also remembers the kind of the data error.
    void zwiekszLicznikBledowDanych(int typ);
    void zwiekszLicznikBrakuOdpowiedzi() { zwieksz(Licznik::brakuOdpowiedzi); }
    void zwiekszLicznikBledowTransmisji() { zwieksz(Licznik::bledowTransmisji); }
    void zwiekszLicznikBledowDostepu() { zwieksz(Licznik::bledowDostepu); }
    void zwiekszLicznikBledowZakresu() { zwieksz(Licznik::bledowZakresu); }
    void zwiekszLicznikBledowTypuCentrali() { zwieksz(Licznik::bledowTypuCentrali); }
    void zwiekszLicznikBrakuPortu() { zwieksz(Licznik::brakuPortu); }

    // `ktory`: 0 current, 1 cumulative; anything else answers 0.
    int podaj(Licznik l, int ktory) const;
    int podajLicznikBledowDanych(int ktory) const { return podaj(Licznik::bledowDanych, ktory); }
    int podajLicznikBrakuOdpowiedzi(int ktory) const {
        return podaj(Licznik::brakuOdpowiedzi, ktory);
    }
    int podajLicznikBledowTransmisji(int ktory) const {
        return podaj(Licznik::bledowTransmisji, ktory);
    }
    int podajLicznikBledowDostepu(int ktory) const { return podaj(Licznik::bledowDostepu, ktory); }
    int podajLicznikBledowZakresu(int ktory) const { return podaj(Licznik::bledowZakresu, ktory); }
    int podajLicznikBledowTypuCentrali(int ktory) const {
        return podaj(Licznik::bledowTypuCentrali, ktory);
    }
    int podajLicznikBrakuPortu(int ktory) const { return podaj(Licznik::brakuPortu, ktory); }
    int podajTypBleduDanych() const { return typBleduDanych; }
    std::uint32_t podajBladTransmisji() const { return bladTransmisji; }
    void ustalBladTransmisji(std::uint32_t b) { bladTransmisji = b; }

    // The current count of all seven counters, and the flag of no valid reply since then.
    void zerujLicznikiBledow();
    void zerujLicznikBleduKomunikacji() { liczniki[indeks(Licznik::brakuOdpowiedzi)][0] = 0; }
    void zerujLicznikBrakuPortu() { liczniki[indeks(Licznik::brakuPortu)][0] = 0; }
    // When a transmission type is set: both counts of every counter but the range counter.
    void zerujDlaNowegoTypu();

    // The first row of the table whose counter passes its threshold; 0 when none does.
    int sprawdzLicznikiBledow() const { return kodWedlug(tablicaKodowBledow); }
    int sprawdzLicznikiBledowMin() const { return kodWedlug(tablicaKodowBledowMin); }
    // Whether any current count other than the range counter's is non-zero (range errors come
    // from the panel answering, so they do not hasten a retry).
    bool czyBledyPonowienia() const;

    void ustalBlad(std::uint8_t b) { blad = b; }
    bool czyBlad() const { return blad != 0; }

private:
    static constexpr std::size_t indeks(Licznik l) { return static_cast<std::size_t>(l); }
    int kodWedlug(const std::array<ProgBledu, 7>& tablica) const;

    std::array<std::array<int, 2>, liczbaLicznikow> liczniki{};
    int typBleduDanych = 0;
    std::uint32_t bladTransmisji = 0;
    // No valid reply since the counters were last cleared; set at start.
    std::uint8_t blad = 1;
};
