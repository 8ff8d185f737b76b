// The two forms in which an owner's record carries its zone set (the owners give the offsets).
//
// Full form, 64 bytes: bit j of byte i is zone 8i + j + 1, zones 1..512.
// Window form, 10 bytes: the first zone, high byte first (0 for an empty set), then 8 bytes in
// which bit j of byte i is zone first + 8i + j.
#pragma once

#include <cstdint>
#include <span>

#include "elements/lines/matryca_stref.h"

constexpr int dlugoscFormyPelnej = 64;
constexpr int strefFormyPelnej = 8 * dlugoscFormyPelnej;

constexpr int dlugoscFormyOkna = 10;
constexpr int formaOknaStarszy = 0;
constexpr int formaOknaMlodszy = 1;
constexpr int formaOknaBity = 2;

void zapiszFormePelna(const MatrycaStref& m, std::span<std::uint8_t, dlugoscFormyPelnej> cel);
// The answer of `wczytaj`.
int odczytajFormePelna(MatrycaStref& m, std::span<const std::uint8_t, dlugoscFormyPelnej> zrodlo);

void zapiszFormeOkna(const MatrycaStref& m, std::span<std::uint8_t, dlugoscFormyOkna> cel);
// The answer of `wczytajOkno`: 1 when the first zone lies above the panel's zones.
int odczytajFormeOkna(MatrycaStref& m, std::span<const std::uint8_t, dlugoscFormyOkna> zrodlo);
