#include "sim/ramka_odpowiedzi.h"

#include <algorithm>

#include "comm/ramka.h"

namespace sim {

std::uint8_t flagiTypuCentrali(int typ) {
    switch (typ) {
    case 3:
        return 0x60;
    case 4:
        return 0x20;
    case 5:
        return 0xA0;
    case 6:
        return 0xC0;
    default:
        return 0;
    }
}

Bajty zbudujOdpowiedz(std::uint8_t flagiTypu, std::uint8_t nrFunkcji,
                      std::span<const std::uint8_t> dane) {
    const std::size_t n = std::min(dane.size(), static_cast<std::size_t>(ramka::maksDanych));
    Bajty r(n + ramka::narzutRamki);
    r[ramka::offStx] = ramka::stx;
    r[ramka::offLen] = static_cast<std::uint8_t>(n + ramka::narzutLen);
    std::copy(ramka::naglowek.begin(), ramka::naglowek.end(), r.begin() + ramka::offNaglowek);
    r[ramka::offTypCentrali] = flagiTypu;
    r[ramka::offFunkcja] = funkcjaOdpowiedzi;
    r[ramka::offNrFunkcji] = nrFunkcji;
    std::copy_n(dane.begin(), n, r.begin() + ramka::offDane);
    const std::uint16_t crc =
        podajCRC(std::span<const std::uint8_t>(r).subspan(ramka::offLen, ramka::offDane - 1 + n));
    r[ramka::offDane + n] = static_cast<std::uint8_t>(crc);
    r[ramka::offDane + n + 1] = static_cast<std::uint8_t>(crc >> 8);
    return r;
}

bool czyPoprawnaRamka(std::span<const std::uint8_t> r) {
    if (r.size() < static_cast<std::size_t>(ramka::narzutRamki) || r[ramka::offStx] != ramka::stx)
        return false;
    const std::size_t len = r[ramka::offLen];
    if (len < static_cast<std::size_t>(ramka::narzutLen) || r.size() != len + 1) return false;
    const std::uint16_t crc = podajCRC(r.subspan(ramka::offLen, len - 2));
    return r[len - 1] == static_cast<std::uint8_t>(crc) &&
           r[len] == static_cast<std::uint8_t>(crc >> 8);
}

} // namespace sim
