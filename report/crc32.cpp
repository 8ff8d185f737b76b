#include "report/crc32.h"

#include <array>

namespace {

constexpr std::array<std::uint32_t, 256> budujTablice() {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[n] = c;
    }
    return t;
}
constexpr auto tablica = budujTablice();

} // namespace

void Crc32::dodaj(std::string_view bajty) {
    for (char b : bajty)
        stan = tablica[(stan ^ static_cast<unsigned char>(b)) & 0xFF] ^ (stan >> 8);
}

std::uint32_t crc32(std::string_view bajty) {
    Crc32 c;
    c.dodaj(bajty);
    return c.wynik();
}
