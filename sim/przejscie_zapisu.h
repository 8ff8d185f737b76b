// The blocks of a whole configuration in the order a write transfer sends them.
#pragma once

#include <cstdint>
#include <functional>
#include <span>

class Centrala;
class ElementSystemu;

namespace sim {

class MagazynBlokow;

// Calls `blok` for every block of the root's table, every kind included whatever its transfer
// flag, with the element still at that block (its read request names the same record) and the
// block's bytes. The transfer flags are restored afterwards. The root must be the current one:
// the stack and the multi-block kinds walk through it.
void przejdzJakZapis(
    Centrala& c, const std::function<void(ElementSystemu&, std::span<const std::uint8_t>)>& blok);

// Fills the store with every block of the configuration, keyed as incoming writes are.
void wypelnijMagazyn(MagazynBlokow& magazyn, Centrala& c);

} // namespace sim
