// The assignment stack: every zone and input assignment of the outputs of a panel model. An
// entry says that a source (an output, a sounder, an extinguishing unit or module output, a
// sub-panel output) is driven by a zone of a panel or by inputs of a WIO or WMI element. The
// stack travels one source at a time, in blocks of at most 64 entries.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/element_systemu.h"
#include "elements/outputs/stos_uklad.h"

class Stos : public ElementSystemu {
public:
    static constexpr int pojemnoscStosu = 120000;
    static constexpr int wpisowNaBlok = 64;
    static constexpr int dlugoscNaglowka = stos_uklad::dlugoscNaglowka;

    // Assignment modes of entries.
    static constexpr int trybStrefy = 128;
    static constexpr int trybWio = 64;
    static constexpr int trybWmi = 66;

    // Source kinds.
    static constexpr int kodWio = 64, kodWou = 65, kodHrn = 80, kodHva = 81, kodXgn = 96,
                         kodXrm = 103, kodBqa = 113, kodBtz = 114, kodPk = 129, kodLs = 130;

    struct Klucz {
        int kod = kodWio;
        int numer = 1;
        int podnumer = 0;
        int indeks = 0;
        bool operator==(const Klucz&) const = default;
    };

    // The current assignment mode of a source, taken from the source element itself when a
    // block is read; 0 means the source takes no assignments.
    using TrybZrodla = std::function<int(const Klucz&)>;

    Stos();

    std::uint8_t podajNrFunkcjiZapisu() const override;
    std::uint8_t podajNrFunkcjiOdczytu() const override;
    std::string podajNazwe() const override { return opis; }
    std::uint32_t podajKlucz() const override { return 0; }
    int podajParametr() const override { return 0; }
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    void zapiszBlok(Bajty& blok) override;
    void zapiszXML(std::string&, std::uint8_t) override {}
    int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) override;
    int podajDlugoscBloku() const override { return dlugoscBloku; }
    int drukujWiersz(std::string&) override { return 0; }
    void drukujNaglowek(std::string&) override {}
    // Never printed; always saved, read and sent.
    bool czyDrukowac() const override { return false; }
    bool czyPrzesylac() const override { return true; }
    // The source walk: moves the cursor to the next key; false when the walk is over.
    bool czyKolejnyBlok() override;

    void usunPrzypisania(int kod, int numer, int podnumer, int indeks);
    // Appends one entry; 1 (nothing added) when the stack is full.
    int dodajPrzypisanie(int kod, int numer, int podnumer, int trybWpisu, int wartosc1,
                         int wartosc2, int indeks);
    int liczbaPrzypisan(int kod, int numer, int podnumer, int indeks) const;
    // (wartosc1, wartosc2) of the key's entries in stack order; their number.
    int podajPrzypisania(int kod, int numer, int podnumer, int indeks,
                         std::vector<std::pair<int, int>>& pary) const;
    int podajLiczbeWpisow() const { return static_cast<int>(kodZrodla.size()); }
    // Keeps the first `n` entries (editors copy the whole stack and copy it back).
    void ustalLiczbeWpisow(int n);

    void wyczysc();
    void zerujKursor();
    // After a block of the current key: true (and the offset moves on by 64) while the key has
    // further entries.
    bool nastepnaStrona();

    const Klucz& podajKursor() const { return kursor; }
    int podajPrzesuniecie() const { return kursorPrzesuniecie; }
    bool podajCzyDalej() const { return czyDalej; }

    // Where the modes of sources come from when blocks are read; the table's own sources when
    // none is given.
    void ustalTrybZrodla(TrybZrodla t) { trybZrodla = std::move(t); }

    // Largest stack the panel firmware takes, 0 when it sets no limit below the capacity.
    static int limitPaneli(int typCentrali, int wersjaOprogramowania);
    // Checked before a configuration is sent: whether the stack holds more entries than the
    // current panel's firmware takes (the transfer then stops with text 390).
    bool czyPrzekroczonyLimit() const;

private:
    static std::uint64_t spakuj(const Klucz& k);
    const std::vector<int>* pozycje(const Klucz& k) const;
    void przebudujIndeks();
    void usunKlucz(const Klucz& k);
    int trybZrodlaZTablicy(const Klucz& k) const;
    // Moves the cursor past the current key in walk order; false at the end of the walk.
    bool przejdzDalej();
    void ustalOpis();

    // Column-wise entries in stack order.
    std::vector<int> kodZrodla, numerZrodla, podnumer, trybWpisu, wartosc1, wartosc2, indeks;
    // Positions of every key's entries, in stack order, so that a key's list costs no scan.
    std::unordered_map<std::uint64_t, std::vector<int>> indeksKluczy;

    Klucz kursor;
    int kursorPrzesuniecie = 0;
    bool czyDalej = false;
    int dlugoscBloku = dlugoscNaglowka;
    std::string opis;
    TrybZrodla trybZrodla;
};
