// Request frames out of the byte stream of the port: bytes come in pieces or several frames at
// once, and a line may carry noise between frames.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/element_systemu.h"

namespace sim {

class SkladanieRamek {
public:
    void dodaj(std::span<const std::uint8_t> bajty);
    // The next whole frame with a matching checksum, or nothing while none is complete. Bytes
    // before an STX are skipped; an STX whose frame fails the checksum is taken for noise and
    // the search goes on from the byte after it, so one damaged frame costs no later one.
    std::optional<Bajty> nastepna();
    std::size_t oczekujace() const { return bufor.size(); }

private:
    Bajty bufor;
};

} // namespace sim
