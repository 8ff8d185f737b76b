// Reply frames of the simulated panel: the request layout with the panel type flags in byte 8.
#pragma once

#include <cstdint>
#include <span>

#include "core/element_systemu.h"

namespace sim {

// Byte 8 of a reply that names no model at all.
constexpr std::uint8_t flagiBezModelu = 0xE0;
// Byte 9 of every reply.
constexpr std::uint8_t funkcjaOdpowiedzi = 0x00;

// The type flags of panel type 3, 4, 5 or 6; 0 for any other type.
std::uint8_t flagiTypuCentrali(int typ);

// The whole reply frame; the payload is cut to the frame's largest.
Bajty zbudujOdpowiedz(std::uint8_t flagiTypu, std::uint8_t nrFunkcji,
                      std::span<const std::uint8_t> dane);

// Whether the bytes are exactly one frame: STX, a LEN that leaves room for the header and the
// checksum, LEN bytes after STX and a matching checksum.
bool czyPoprawnaRamka(std::span<const std::uint8_t> ramka);

} // namespace sim
