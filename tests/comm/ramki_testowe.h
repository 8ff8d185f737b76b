// Reply frames as the panel sends them, for the reply checks.
#pragma once

#include <cstdint>
#include <vector>

#include "comm/ramka.h"

// A well-formed reply: the given panel type flags in byte 8, a correct checksum.
inline std::vector<std::uint8_t> odpowiedzPanelu(std::uint8_t flagi, std::uint8_t nrFunkcji,
                                                 const std::vector<std::uint8_t>& dane = {}) {
    std::vector<std::uint8_t> r(ramka::rozmiarBufora);
    const int n = ustalBlokRS(0x00, nrFunkcji, dane, r);
    r.resize(static_cast<std::size_t>(n));
    r[ramka::offTypCentrali] = flagi;
    const std::uint16_t crc = podajCRC(std::span(r).subspan(1, r.size() - 3));
    r[r.size() - 2] = static_cast<std::uint8_t>(crc);
    r[r.size() - 1] = static_cast<std::uint8_t>(crc >> 8);
    return r;
}
