#include <gtest/gtest.h>

#include <vector>

#include "comm/odpowiedz.h"
#include "comm/ramka.h"
#include "elements/lines/strefa.h"
#include "wspolne/srodowisko.h"

namespace {

using Ramka = std::vector<std::uint8_t>;

Ramka wynik(const ramka::BuforRamki& b, int n) {
    return Ramka(b.begin(), b.begin() + (n > 0 ? n : 0));
}

} // namespace

TEST(Ramka, ZapytanieOIdentyfikacjeMaTrzynascieBajtow) {
    ramka::BuforRamki b{};
    const int n = ustalRamkeIdentyfikacji(b);
    EXPECT_EQ(wynik(b, n), (Ramka{0x02, 0x0C, 0x00, 0x00, 0x30, 0x10, 0x30, 0x10, 0x00, 0xA0, 0xDE,
                                  0x0A, 0x02}));
}

TEST(Ramka, ZapytanieOStrefeJeden) {
    Srodowisko s(4);
    ramka::BuforRamki b{};
    const int n = ustalRamkeOdczytu(*s.c().strefy[0], b);
    EXPECT_EQ(wynik(b, n), (Ramka{0x02, 0x0F, 0x00, 0x00, 0x30, 0x10, 0x30, 0x10, 0x00, 0xA0, 0xA4,
                                  0x00, 0x00, 0x01, 0xD4, 0x01}));
}

TEST(Ramka, ZapisNiesieBlokElementuIJegoFunkcje) {
    Srodowisko s(4);
    Strefa& z = *s.c().strefy[2];
    Bajty blok;
    z.zapiszBlok(blok);
    ramka::BuforRamki b{};
    const int n = ustalRamkeZapisu(z, b);
    ASSERT_EQ(n, Strefa::dlugoscRekordu + 13);
    EXPECT_EQ(b[1], Strefa::dlugoscRekordu + 12);
    EXPECT_EQ(b[9], 0xA0);
    EXPECT_EQ(b[10], 0x74);
    EXPECT_EQ(Ramka(b.begin() + 11, b.begin() + 11 + Strefa::dlugoscRekordu), blok);
    // A request is a well-formed frame as well.
    Ramka r = wynik(b, n);
    EXPECT_TRUE(sprawdzCRC(r));
}

TEST(Ramka, ZapytaniePamieciNiesiePiecBajtow) {
    const Ramka zapytanie{0x01, 0x02, 0x03, 0x04, 0x05};
    ramka::BuforRamki b{};
    const int n = ustalRamkePamieci(zapytanie, b);
    ASSERT_EQ(n, 18);
    EXPECT_EQ(b[1], 17);
    EXPECT_EQ(b[10], 0x55);
    EXPECT_EQ(Ramka(b.begin() + 11, b.begin() + 16), zapytanie);
    EXPECT_TRUE(sprawdzCRC(wynik(b, n)));
}

TEST(Ramka, GraniceDlugosci) {
    ramka::BuforRamki b{};
    const Ramka najdluzsze(242, 0xFF);
    EXPECT_EQ(ustalBlokRS(0xA0, 0x73, najdluzsze, b), 255);
    EXPECT_EQ(b[1], 254);
    EXPECT_TRUE(sprawdzCRC(wynik(b, 255)));

    // Too long a payload, or too small an output, writes nothing.
    b.fill(0x55);
    EXPECT_EQ(ustalBlokRS(0xA0, 0x73, Ramka(243, 0), b), 0);
    std::array<std::uint8_t, 15> maly{};
    EXPECT_EQ(ustalBlokRS(0xA0, 0x73, Ramka(3, 0), maly), 0);
    EXPECT_EQ(b[0], 0x55);
    EXPECT_EQ(maly[0], 0);
}

TEST(Ramka, SumaBezPrzeniesieniaPonad16Bitow) {
    EXPECT_EQ(podajCRC(Ramka(300, 0xFF)), static_cast<std::uint16_t>(300 * 0xFF));
    EXPECT_EQ(podajCRC({}), 0);
}
