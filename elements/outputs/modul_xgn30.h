// The plug-in modules of an XGN 300 unit: eight BQA modules with one output each, four BTZ
// modules and one BKV module with two relay outputs PK1, PK2 each. Plain records owned by
// their unit; every output has its own variant, k-of-n value, two messages and, through the
// assignment stack, its own zones.
#pragma once

#include <array>
#include <string>

// One module output.
struct WyjscieModulu {
    int wariant = 0;
    int strefyK = 1;
    std::string komunikatUszkodzenia; // non-maskable fault, 32 characters
    std::string komunikatAlarmu;      // technical alarm, 32 characters

    // 1 outside 0..8 (0..6 on older firmware).
    int ustalWariant(int w);
    // Kept for the k-of-n variants, 1 otherwise; never refused.
    int ustalStrefyK(int k);
    // 0 the fault message, 1 the technical-alarm message; cut or padded to 32 characters.
    int ustalKomunikat(int ktory, const std::string& tekst);
    int trybPrzypisania() const;
    // The variant's text (the current one for 0); the variant used.
    int opisWariantu(std::string& bufor, int w) const;
    bool operator==(const WyjscieModulu&) const = default;
};

class ModulBqa {
public:
    static constexpr int liczba = 8;

    ModulBqa(int indeks, int numerJednostki);

    int podajIndeks() const { return indeks; }
    int podajStrefe() const { return strefa; }
    // 1 outside 0..liczbaStref.
    int ustalStrefe(int s);
    WyjscieModulu& wyjscie() { return wyj; }
    const WyjscieModulu& wyjscie() const { return wyj; }
    bool operator==(const ModulBqa&) const = default;

private:
    int indeks; // 1..8
    int strefa;
    WyjscieModulu wyj;
};

// A module with the two relay outputs PK1 and PK2.
class ModulPk {
public:
    int podajIndeks() const { return indeks; }
    // Output 1 (PK1) or 2 (PK2); none otherwise.
    WyjscieModulu* wyjscie(int pk);
    const WyjscieModulu* wyjscie(int pk) const;
    bool operator==(const ModulPk&) const = default;

protected:
    ModulPk(int indeks, int tekstUszkodzenia, int tekstAlarmu, bool zIndeksem);

private:
    int indeks;
    std::array<WyjscieModulu, 2> wyj;
};

class ModulBtz : public ModulPk {
public:
    static constexpr int liczba = 4;
    explicit ModulBtz(int indeks);
};

// Addressed as module 5 among the two-output modules.
class ModulBkv : public ModulPk {
public:
    static constexpr int adres = 5;
    ModulBkv();
};
