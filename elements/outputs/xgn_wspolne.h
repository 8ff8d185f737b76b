// What the XGN 200 output P1 and every XGN 300 module output share: the activation variants
// and their assignment mode, the k-of-n value, the line device a unit is tied to, and the
// pieces of their records, XML fragments and printout rows.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace xgn {

constexpr int dlugoscKomunikatu = 32;

// Highest variant the panel firmware takes: 8, or 6 on older firmware.
int maksWariant();
// 128 (zones) for 2, 3, 5, 6, 7, 8; 0 otherwise.
int trybPrzypisania(int wariant);
bool czyKzN(int wariant);
// The k-of-n value is kept only for the k-of-n variants.
int strefyKDla(int wariant, int k);
// Text of a variant; empty outside 0..8.
std::string opisWariantu(int wariant);

// Line and address of the first line element of type `kod` with logical number `numer`;
// (0, 0) when there is none.
struct Polozenie {
    int linia = 0;
    int adres = 0;
    bool zadeklarowany = false;
};
Polozenie znajdzNaLinii(int kod, int numer);

// Message fields of records: exactly 32 characters, panel character set in the record.
std::string komunikat(std::string tekst);
void zapiszKomunikat(std::span<std::uint8_t> blok, int od, const std::string& tekst);
std::string czytajKomunikat(std::span<const std::uint8_t> blok, int od);

// The source's assignment list from the stack: (zone, panel) pairs.
std::vector<std::pair<int, int>> przypisania(int kod, int numer, int podnumer, int indeks);
// The XML <zones> list of those pairs.
void dopiszStrefyXML(std::string& bufor, const std::vector<std::pair<int, int>>& lista);
// Printout texts of the assignments: "---" for mode 0, zone runs merged for mode 128, one blank
// text for an empty list.
std::vector<std::string> opisyPrzypisan(int tryb, const std::vector<std::pair<int, int>>& lista);
} // namespace xgn
