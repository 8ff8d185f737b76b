// The configuration root: owns one panel's whole configuration in the element table, one flat
// array in a fixed order of kinds, with per-kind arrays pointing into the same objects.
#pragma once

#include <array>
#include <cstdint>
#include <string>

class ElementSystemu;
class Element;
class Strefa;
class Wio;
class Pk;
class Ls;
class Lk;
class Blc;
class Wou;
class Hrn;
class Hva;
class Wmi;
class Brx;
class BrxPk;
class BrxLk;
class BrxPar;
class Xgn;
class Xgn30;
class Xrm;
class Stos;

class Centrala {
public:
    // Size of the table: the total of the largest model.
    static constexpr int rozmiarTablicy = 4837;

    Centrala(const Centrala&) = delete;
    Centrala& operator=(const Centrala&) = delete;
    virtual ~Centrala();

    // Slot 0: counts, first indices, root-wide limits and the model's class-wide flags.
    virtual void ustawRozmiary() = 0;
    // Slot 1: display name of the panel.
    virtual std::string podajNazweCentrali() const = 0;

    int podajFormatRozszerzony() const { return formatRozszerzony; }
    int podajWersjeOprogramowania() const { return wersjaOprogramowania; }
    int podajTypCentrali() const { return typCentrali; }
    int podajTypZapamietany() const { return typZapamietany; }
    int podajTypWykryty() const { return typWykryty; }
    std::uint8_t podajZmiany() const { return zmiany; }
    const std::string& podajSygnature() const { return sygnatura; }

    void ustalZmiany(std::uint8_t z) { zmiany = z; }
    void ustalTypWykryty(int t) { typWykryty = t; }
    // Only 3, 4, 5 and 6 are remembered; anything else changes nothing.
    void ustalTypZapamietany(int t);

    // Parses the panel's identity reply ("PSC....V4.0...") and stores the firmware version
    // found in it; 0 and nothing changed when the text does not fit.
    int odczytajIdentyfikacje(std::string_view odpowiedz);
    // The last identity text accepted from the panel; empty before any.
    const std::string& podajIdentyfikacje() const { return identyfikacja; }
    static std::string podajWersjeProgramu() { return "v3.1.30"; }
    // The digit 1..5 after a leading "v", else 0.
    static int odczytajWersjePliku(std::string_view wersja);
    bool czyTaSygnatura(std::string_view tekst) const { return tekst == sygnatura; }
    // Escapes the three XML special characters; quotes and apostrophes stay.
    static std::string kodujXML(std::string_view zrodlo);

    void budujTabliceElementow();
    void usunTabliceElementow();
    bool czyTablicaZbudowana() const { return zbudowana; }

    // Counts (set by slot 0).
    int liczbaLinii = 0, liczbaAdresow = 0, liczbaElementowLinii = 0, liczbaStref = 0,
        liczbaWio = 0, liczbaPk = 0, liczbaLs = 0, liczbaLk = 0, liczbaBlc = 0, liczbaGrupWou = 0,
        liczbaHrn = 0, liczbaHva = 0, liczbaGrupWmi = 0, liczbaBrx = 0, liczbaXgn = 0,
        liczbaXgn30 = 0, liczbaXrm = 0;
    // First indices, in table order, and the index after the stack.
    int poczElementyLinii = 0, poczStrefy = 0, poczWio = 0, poczPk = 0, poczLs = 0, poczLk = 0,
        indBlc = 0, poczWou = 0, poczHrn = 0, poczHva = 0, poczWmi = 0, indBrx = 0, poczBrxPk = 0,
        poczBrxLk = 0, poczBrxPar = 0, poczXgn = 0, poczXgn30 = 0, poczXrm = 0, indStos = 0,
        liczbaElementowSystemu = 0;
    // Root-wide limits.
    int maksNrCentrali = 0;
    int maksWariant = 0;
    std::array<int, 7> maksParametrWyjscia{};

    // The table: every entry holds an object once it is built; entries from the one after the
    // stack to the end hold filler line elements that no walk reaches.
    std::array<ElementSystemu*, rozmiarTablicy> tablicaElementow{};

    // Per-kind arrays in numbering order, sized for the largest model.
    std::array<Element*, 1016> elementyLinii{};
    std::array<Strefa*, 1024> strefy{};
    std::array<Wio*, 250> wio{};
    std::array<Hrn*, 250> hrn{};
    std::array<Hva*, 250> hva{};
    std::array<Wou*, 800> wou{};
    std::array<Wmi*, 800> wmi{};
    std::array<Xgn*, 100> xgn{};
    std::array<Xgn30*, 100> xgn30{};
    std::array<Xrm*, 100> xrm{};
    std::array<Pk*, 16> pk{};
    std::array<Ls*, 8> ls{};
    std::array<Lk*, 8> lk{};
    std::array<BrxPk*, 64> brxPk{};
    std::array<BrxLk*, 44> brxLk{};
    std::array<BrxPar*, 4> brxPar{};
    Blc* blc = nullptr;
    Brx* brx = nullptr;
    Stos* stos = nullptr;

protected:
    Centrala(int formatRozszerzony, int typCentrali, std::string sygnatura)
        : formatRozszerzony(formatRozszerzony), typCentrali(typCentrali),
          sygnatura(std::move(sygnatura)) {}

    // Computes the first indices from the counts, in the fixed order of kinds.
    void rozmiescZakresy();
    // The limits every model shares.
    void ustawLimityWspolne(int maksNrCentraliModelu);

    int formatRozszerzony = 0;
    int wersjaOprogramowania = 40;
    int typCentrali = 0;
    int typZapamietany = 0;
    int typWykryty = 0;
    std::string identyfikacja;
    std::uint8_t zmiany = 0;
    std::string sygnatura;

private:
    bool zbudowana = false;
};
