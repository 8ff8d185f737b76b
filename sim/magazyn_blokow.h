// The simulated panel's configuration memory: blocks kept exactly as written, each under the
// read request that asks for it, so a read returns the bytes of the last write.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <utility>

#include "core/element_systemu.h"

namespace sim {

// The read function number and the read request payload that name one record.
struct KluczBloku {
    std::uint8_t nrOdczytu = 0;
    Bajty zapytanie;
    bool operator==(const KluczBloku&) const = default;
};

// Function numbers of the assignment stack: current firmware and older firmware.
constexpr std::uint8_t nrZapisuStosu = 0x8D, nrOdczytuStosu = 0xB9;
constexpr std::uint8_t nrZapisuStosuStary = 0x8A, nrOdczytuStosuStary = 0xB6;

// Whether the number writes, or asks for, a configuration block.
bool czyNrZapisu(std::uint8_t nr);
bool czyNrOdczytu(std::uint8_t nr);

// Where a written block belongs: the read request the panel answers with it, taken from the
// bytes by which the block names its record. Nothing for a number that writes no block or a
// block too short to name its record.
std::optional<KluczBloku> kluczZapisu(std::uint8_t nrZapisu, std::span<const std::uint8_t> blok);

class MagazynBlokow {
public:
    // Stores the block under its key; false (nothing stored) when it has none.
    bool zapisz(std::uint8_t nrZapisu, std::span<const std::uint8_t> blok);
    // The block stored for the request, or nullptr.
    const Bajty* odczytaj(std::uint8_t nrOdczytu, std::span<const std::uint8_t> zapytanie) const;
    std::size_t liczbaBlokow() const { return bloki.size(); }

private:
    // Both stack function pairs reach one stack.
    static std::uint8_t wspolnyNrOdczytu(std::uint8_t nr);

    std::map<std::pair<std::uint8_t, Bajty>, Bajty> bloki;
};

} // namespace sim
