// The XML export of the whole configuration: one `setup` document in UTF-8 without line breaks,
// five sections filled by the element table's own fragments, the panel's module, and a CRC-32
// over the `system` element.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "report/zapis_zastepujacy.h"

class Centrala;
class Otoczenie;

// The groups the table entries are asked for, one per section, in document order.
namespace grupaXML {
constexpr std::uint8_t strefy = 1;
constexpr std::uint8_t elementyLinii = 2;
constexpr std::uint8_t moduly = 4;
constexpr std::uint8_t wejscia = 8;
constexpr std::uint8_t wyjscia = 16;
} // namespace grupaXML

constexpr std::string_view deklaracjaXML = R"(<?xml version="1.0" encoding="UTF-8"?>)";
// Where the checksummed `system` element begins: after the declaration and "<setup>".
constexpr std::size_t poczatekSystemuXML = 45;

// The progress gauge, 0 to 99 as the walk goes on; reported when it changes.
using PostepEksportu = std::function<void(int)>;

// The gauge at table index i of pass p (0..4) over a table of n entries.
int postepEksportu(int przebieg, int indeks, int liczbaElementow);

// Writes the document of the configuration to `nazwaPliku`. It is written to a temporary file
// beside it and takes the target's place only when complete, so a failure leaves the target as
// it was. The protocol engine's retry timer is stopped meanwhile when `otoczenie` is given.
WynikZapisu eksportujXML(Centrala& centrala, const std::string& nazwaPliku,
                         const PostepEksportu& postep = {}, Otoczenie* otoczenie = nullptr);
// The same for the current configuration (`biezacaCentrala`).
WynikZapisu eksportujXML(const std::string& nazwaPliku, const PostepEksportu& postep = {},
                         Otoczenie* otoczenie = nullptr);
