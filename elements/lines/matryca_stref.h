// A set of zones an output-like element reacts to, one 0/1 byte per zone. Owners keep one only
// under the generic root; on the panel models their assignments live in the assignment stack.
#pragma once

#include <cstdint>
#include <span>

class MatrycaStref {
public:
    static constexpr int maksStref = 1024;
    static constexpr int szerokoscOkna = 64;

    virtual ~MatrycaStref() = default;

    // Zones are 1-based; 0 done, 1 refused (nothing changed).

    // The states of zones 1.. from one byte per zone; zones the source does not reach are cleared.
    virtual int wczytaj(std::span<const std::uint8_t> zrodlo) = 0;
    // The set from 64 states beginning at the zone (starsza << 8 | mlodszy); 0 empties it.
    virtual int wczytajOkno(std::span<const std::uint8_t, szerokoscOkna> okno, int starsza,
                            int mlodszy) = 0;
    virtual void wyczysc() = 0;
    virtual void zeruj() = 0;
    // The middle argument is not used.
    virtual int ustaw(int strefa, int zarezerwowany, std::uint8_t wartosc) = 0;
    virtual int przelacz(int strefa) = 0;
    virtual int podaj(int strefa) const = 0;
    // The bytes of the zones of the current root.
    virtual std::span<const std::uint8_t> dane() const = 0;
    virtual int liczbaPrzypisanych() const = 0;
    virtual int policz() const = 0;
    virtual void wyznaczMaske() = 0;
    virtual void wyznaczOkno() = 0;
    // Lowest zone in the set, 0 when empty or when the kind keeps no window.
    virtual int pierwszaStrefa() const = 0;
    // Whether the zone may join the set without it spanning more than 64 zones.
    virtual int czyDostepna(int strefa) const = 0;
    // Byte i (0..63) of the window that starts at the lowest zone in the set.
    virtual int bajtOkna(int i) const = 0;

protected:
    // Zones of the current root, bounded by the matrix size.
    static int liczbaStref();
};
