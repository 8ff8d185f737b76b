#include <vector>

#include <gtest/gtest.h>

#include "comm/ramka.h"
#include "sim/skladanie_ramek.h"

namespace {

Bajty zadanie(std::uint8_t nr, const Bajty& dane = {}) {
    Bajty r(dane.size() + ramka::narzutRamki);
    r.resize(static_cast<std::size_t>(ustalBlokRS(ramka::funkcjaZadania, nr, dane, r)));
    return r;
}

std::vector<Bajty> wszystkie(sim::SkladanieRamek& s) {
    std::vector<Bajty> w;
    while (auto r = s.nastepna()) w.push_back(*r);
    return w;
}

const Bajty identyfikacja = zadanie(ramka::nrZapytaniaIdentyfikacji);
const Bajty strefa = zadanie(0xA4, {0x00, 0x00, 0x01});

TEST(SkladanieRamek, RamkaPoKawalku) {
    sim::SkladanieRamek s;
    for (std::size_t i = 0; i + 1 < strefa.size(); ++i) {
        s.dodaj(std::span(strefa).subspan(i, 1));
        EXPECT_FALSE(s.nastepna().has_value()) << i;
    }
    s.dodaj(std::span(strefa).last(1));
    EXPECT_EQ(wszystkie(s), std::vector<Bajty>{strefa});
}

TEST(SkladanieRamek, KilkaRamekNaraz) {
    sim::SkladanieRamek s;
    Bajty b = identyfikacja;
    b.insert(b.end(), strefa.begin(), strefa.end());
    b.insert(b.end(), identyfikacja.begin(), identyfikacja.begin() + 4);
    s.dodaj(b);
    EXPECT_EQ(wszystkie(s), (std::vector<Bajty>{identyfikacja, strefa}));
    s.dodaj(std::span(identyfikacja).subspan(4));
    EXPECT_EQ(wszystkie(s), std::vector<Bajty>{identyfikacja});
}

TEST(SkladanieRamek, SmieciIZlaSuma) {
    sim::SkladanieRamek s;
    Bajty zla = strefa;
    zla[12] ^= 0x40;
    // Noise, a frame with a bad checksum, an STX with a LEN too short, then a good frame.
    Bajty b{0xFF, 0x00, 0x13};
    b.insert(b.end(), zla.begin(), zla.end());
    b.insert(b.end(), {0x02, 0x03});
    b.insert(b.end(), identyfikacja.begin(), identyfikacja.end());
    s.dodaj(b);
    EXPECT_EQ(wszystkie(s), std::vector<Bajty>{identyfikacja});
    EXPECT_EQ(s.oczekujace(), 0u);
}

TEST(SkladanieRamek, SzumZeStxNieWstrzymujeRamki) {
    // A stray STX announcing 200 bytes must not hold back the whole frame behind it.
    sim::SkladanieRamek s;
    Bajty b{0x02, 0xC8, 0x11};
    b.insert(b.end(), strefa.begin(), strefa.end());
    s.dodaj(b);
    EXPECT_EQ(wszystkie(s), std::vector<Bajty>{strefa});
}

} // namespace
