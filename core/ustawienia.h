// The settings file panelcfg.ini: the port field, the last-used folder, the language name and the
// panel type, carried from one run to the next.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

enum class WynikUstawien {
    odczytano,
    brak,       // no settings file: not an error
    uszkodzony, // the file ends inside a field; the fields before it were taken
};

// The bytes of the settings of the current run: `plik`, `jezyk` and the root.
std::vector<std::uint8_t> zakodujUstawienia();
// Takes the settings from the bytes into `plik`, `jezyk` (through ustawJezyk) and the root's
// remembered type, field by field, never reading past them.
WynikUstawien zastosujUstawienia(std::span<const std::uint8_t> dane);

bool zapiszUstawienia(const std::string& sciezka);
WynikUstawien odczytajUstawienia(const std::string& sciezka);
