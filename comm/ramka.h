// The frame of the serial protocol, requests and replies alike: STX, LEN, a fixed header, the
// panel type flags, the function byte, the function number, the payload and a 16-bit additive
// checksum stored low byte first. Requests are built here; replies are checked in odpowiedz.h.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

class ElementSystemu;

namespace ramka {

// Offsets of the frame.
constexpr std::size_t offStx = 0;
constexpr std::size_t offLen = 1;
constexpr std::size_t offNaglowek = 2; // six constant bytes, not examined in replies
constexpr std::size_t offTypCentrali = 8;
constexpr std::size_t offFunkcja = 9;
constexpr std::size_t offNrFunkcji = 10;
constexpr std::size_t offDane = 11;

constexpr std::uint8_t stx = 0x02;
constexpr std::array<std::uint8_t, 6> naglowek{0x00, 0x00, 0x30, 0x10, 0x30, 0x10};
// Byte 9 of every request.
constexpr std::uint8_t funkcjaZadania = 0xA0;

// LEN counts the bytes after STX: the header up to the function number, the payload and the
// checksum; a whole frame is LEN + 1 bytes.
constexpr int narzutLen = 12;
constexpr int narzutRamki = 13;
constexpr int maksDanych = 242;
constexpr int maksRamki = maksDanych + narzutRamki; // 255, one read of the port
// Local frame buffer of the worker.
constexpr std::size_t rozmiarBufora = 264;
using BuforRamki = std::array<std::uint8_t, rozmiarBufora>;

// Function numbers of the frames that are not configuration blocks.
constexpr std::uint8_t nrZapytaniaIdentyfikacji = 0xDE;
constexpr std::uint8_t nrOdpowiedziIdentyfikacji = 0x9E;
constexpr std::uint8_t nrZapytaniaPamieci = 0x55;
constexpr std::uint8_t nrOdpowiedziStanuPamieci = 0x36;

} // namespace ramka

// The 16-bit sum of the bytes, carries beyond 16 bits dropped.
std::uint16_t podajCRC(std::span<const std::uint8_t> bajty);

// Writes the request frame into `wyjscie`: byte 9 = `funkcja` (0xA0 in every request), byte 10 =
// `nrFunkcji`, then `dane` and the checksum. The frame length (dane.size() + 13), or 0 and
// nothing written when the payload exceeds 242 bytes or `wyjscie` cannot hold the frame.
int ustalBlokRS(std::uint8_t funkcja, std::uint8_t nrFunkcji, std::span<const std::uint8_t> dane,
                std::span<std::uint8_t> wyjscie);

// Request frames of the four transmission types; each answers the frame length, 0 when the
// frame cannot be built.
// Write: the element's block, its write function number.
int ustalRamkeZapisu(ElementSystemu& e, std::span<std::uint8_t> wyjscie);
// Read: the element's read request, its read function number.
int ustalRamkeOdczytu(ElementSystemu& e, std::span<std::uint8_t> wyjscie);
// Test: the identity request, no payload.
int ustalRamkeIdentyfikacji(std::span<std::uint8_t> wyjscie);
// Test and memory: the event memory's request bytes under its request code.
int ustalRamkePamieci(std::span<const std::uint8_t> zapytanie, std::span<std::uint8_t> wyjscie,
                      std::uint8_t kod = ramka::nrZapytaniaPamieci);
