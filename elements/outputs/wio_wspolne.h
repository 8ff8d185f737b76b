// What the WIO, WOU and WMI records share: the tie to their line element by logical number, the
// firmware levels that limit their variants, message fields, the print filter and the
// assignment texts of the printout.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/element_systemu.h"

namespace wejscia_wyjscia {

constexpr int dlugoscKomunikatu = 32;

// The line element of the given type code whose logical number is `numer`: the first one in
// table order gives line and address, the last one the mode byte.
struct ElementLinii {
    bool zadeklarowany = false;
    int linia = 0;
    int adres = 0;
    int tryb = 0;
};
ElementLinii elementLinii(int kod, int numer);

// True while there is no panel model: zone matrices instead of the assignment stack.
bool czyGeneryczna();
// Firmware older than the k-of-n and reset variants (also the 42-byte WMI record).
bool czyOprogramowanieNajstarsze();
// Firmware with the reset variants but without the k-of-n ones.
bool czyOprogramowanieStarsze();

// The class print setting: 0 none, 2 all, anything else only declared records.
bool czyDrukowacRekord(int ustawienie, bool zadeklarowany);

// A user message field: the text cut or padded with blanks to 32 characters.
std::string komunikat(std::string tekst);
// The message as a C text (up to its first NUL), for the XML export and the printout.
std::string tekstKomunikatu(const std::string& k);
// Message bytes of a record, in the panel character set.
void zapiszKomunikat(Bajty& blok, int od, const std::string& k);
std::string czytajKomunikat(std::span<const std::uint8_t> blok, int od);

// Big-endian 16-bit fields.
void zapisz16(Bajty& blok, int od, int wartosc);
int czytaj16(std::span<const std::uint8_t> blok, int od);

// The assignments of a stack source as printout cells: zone runs of one panel merged for zone
// entries, one "WIO:"/WMI cell per element for input entries.
std::vector<std::string> opisyPrzypisan(const std::vector<std::pair<int, int>>& lista, int tryb);
// The (zone or element, panel or mask) entries of one source key; none without a stack.
std::vector<std::pair<int, int>> przypisania(int kod, int numer, int podnumer);
// Removes a source's entries from the stack (its criterion no longer takes assignments).
void usunPrzypisania(int kod, int numer, int podnumer);

} // namespace wejscia_wyjscia
