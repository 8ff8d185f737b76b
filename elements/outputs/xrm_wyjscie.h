// A switched output of a sub-panel: output PK or one of the four outputs of its BHU module. It
// has a type (0 inactive, 1 fire alarm devices, 3 programmable alarm output) and a variant, its
// activation criterion within the type; some variants are driven by assigned zones.
#pragma once

#include <string>

class XrmWyjscie {
public:
    // Largest variant of any type: what a record may carry, whatever its type.
    static constexpr int maksWariantDowolny = 8;

    // 0, 1 or 3; anything else 1 and nothing changed.
    int ustalTyp(int t);
    // Type 0 takes any value and keeps its variant; type 1 takes 1..2, type 3 1..8; else 1.
    int ustalWariant(int w);
    static bool czyTyp(int t) { return t == 0 || t == 1 || t == 3; }
    static int maksWariant(int typ);

    // 128 (zones) for type 1 variant 2 and type 3 variants 5..8, else 0.
    int trybPrzypisania() const;
    // Text of the type (the current one for 0) into `bufor`; the type described.
    int opisTypu(std::string& bufor, int t) const;
    // Text of a variant of the current type (the current variant for 0); the variant described.
    int opisWariantu(std::string& bufor, int w) const;

    int podajTyp() const { return typ; }
    int podajWariant() const { return wariant; }

    // What a record carried, already checked by the reader.
    void ustalTypZBloku(int t) { typ = t; }
    void ustalWariantZBloku(int w) { wariant = w; }

    bool operator==(const XrmWyjscie&) const = default;

private:
    int typ = 0;
    int wariant = 0;
};
