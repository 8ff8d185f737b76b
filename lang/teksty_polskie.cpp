#include "lang/teksty_polskie.h"

namespace {

// Shared texts (below 1000) come first, then the window blocks, so the whole array stays sorted.
// clang-format off
constexpr TekstWbudowany teksty[] = {
#include "lang/teksty_wspolne.inc"
#include "lang/teksty_okien.inc"
#include "lang/teksty_przegladu.inc"
};
// clang-format on

} // namespace

std::span<const TekstWbudowany> tekstyWbudowane() {
    return teksty;
}
