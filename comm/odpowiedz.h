// Checks of the panel's replies. A reply is the bytes one read of the port received, never the
// whole receive buffer: a LEN that points past them is refused, so no check reads stale or
// zeroed bytes. The checks run in a fixed order and the first failing one decides.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

class BledyTransmisji;
class ElementSystemu;

enum class WynikOdpowiedzi {
    przyjeta,
    brakStx,          // byte 0 is not STX
    zlaSuma,          // LEN out of the received bytes, or the checksum differs
    zlyTypCentrali,   // byte 8 names no panel type
    zaKrotkieDane,    // the payload is shorter than the block it must carry
    odmowaDostepu,    // write status 3: configuration locked at the panel
    odrzucona,        // write status missing or other than 1 and 3
    nieznanaFunkcja,  // test type: a function number other than identity and memory status
    zlaIdentyfikacja, // test type: identity text that does not fit its pattern
};

struct Odpowiedz {
    WynikOdpowiedzi wynik = WynikOdpowiedzi::przyjeta;
    int typCentrali = 0; // 3, 4, 5 or 6 once byte 8 is decoded
    std::uint8_t nrFunkcji = 0;
    std::span<const std::uint8_t> dane; // the payload, exactly LEN - 12 bytes

    bool czyPrzyjeta() const { return wynik == WynikOdpowiedzi::przyjeta; }
};

// Status byte of a write reply.
enum class StatusZapisu { przyjety, odmowaDostepu, odrzucony };

bool sprawdzSTX(std::span<const std::uint8_t> ramka);
// 12 <= LEN <= received bytes - 1, and the sum of the LEN - 2 bytes from offset 1 equals the
// checksum at offsets LEN - 1 (low) and LEN (high).
bool sprawdzCRC(std::span<const std::uint8_t> ramka);
// Bits 7, 6, 5 of the flags byte: 001 -> 4, 101 -> 5, 011 -> 3, 110 -> 6; any other -> 0.
int sprawdzTypCentrali(std::uint8_t flagi);
// Byte 10; 0 for a frame too short to have one.
std::uint8_t podajNrFunkcji(std::span<const std::uint8_t> ramka);
// The payload of a frame that passed sprawdzCRC; empty otherwise.
std::span<const std::uint8_t> podajDane(std::span<const std::uint8_t> ramka);
// The first payload byte: 1 accepted, 3 refused; anything else, or no byte, rejected.
StatusZapisu sprawdzACK(std::span<const std::uint8_t> dane);
// The identity text: "PSC" at 0..2, "V" at 7, "." at 9, and digits at 8 and 10, which make the
// firmware version.
bool sprawdzIdentyfikacje(std::span<const std::uint8_t> dane);

// Start byte, checksum and panel type, common to every transmission type.
Odpowiedz sprawdzRamke(std::span<const std::uint8_t> ramka);
// Write: the common checks, then the status byte.
Odpowiedz sprawdzOdpowiedzZapisu(std::span<const std::uint8_t> ramka);
// Read: the common checks, then a payload of at least `najkrotszyBlok` bytes.
Odpowiedz sprawdzOdpowiedzOdczytu(std::span<const std::uint8_t> ramka, std::size_t najkrotszyBlok);
// Test: the common checks, then the function number; an identity reply must fit its pattern.
// The memory status is accepted here and decoded by the event memory.
Odpowiedz sprawdzOdpowiedzTestu(std::span<const std::uint8_t> ramka);
// Memory: the common checks; the record is checked by the event memory.
inline Odpowiedz sprawdzOdpowiedzPamieci(std::span<const std::uint8_t> ramka) {
    return sprawdzRamke(ramka);
}

// The shortest payload a read reply may carry for the element: its block, except the assignment
// stack, whose blocks hold a varying number of entries after a fixed head.
std::size_t najkrotszyBlok(const ElementSystemu& e);

// Counts the refused reply under its counter (1 write, 2 read, 3 test, 4 memory); only the test
// type records the kind of a data error.
void zliczBlad(WynikOdpowiedzi wynik, int typTransmisji, BledyTransmisji& bledy);
