// Zone matrices: the free set, the 64-zone window with its mask, and the two transfer forms.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "elements/lines/matryca_stref48_64.h"
#include "elements/lines/matryca_stref_formy.h"
#include "wspolne/srodowisko.h"

namespace {

std::vector<int> zbior(const MatrycaStref& m, int doStrefy) {
    std::vector<int> wynik;
    for (int z = 1; z <= doStrefy; ++z)
        if (m.podaj(z) != 0) wynik.push_back(z);
    return wynik;
}

// The available zones as one range first..last, or {0, 0} when none; -1 when they are not
// one range.
std::pair<int, int> dostepne(const MatrycaStref& m, int doStrefy) {
    std::pair<int, int> zakres{0, 0};
    for (int z = 1; z <= doStrefy; ++z) {
        if (m.czyDostepna(z) == 0) continue;
        if (zakres.first == 0)
            zakres.first = z;
        else if (zakres.second != z - 1)
            return {-1, -1};
        zakres.second = z;
    }
    return zakres;
}

TEST(MatrycaStref48, SetsAndRefusesZones) {
    Srodowisko s(0); // 512 zones
    MatrycaStref48 m;
    EXPECT_EQ(m.ustaw(3, 99, 1), 0);
    EXPECT_EQ(m.ustaw(512, 0, 7), 0); // any non-zero state is "in the set"
    EXPECT_EQ(m.przelacz(40), 0);
    EXPECT_EQ(m.przelacz(3), 0);
    for (int z : {0, 513, -1}) {
        EXPECT_EQ(m.ustaw(z, 0, 1), 1) << z;
        EXPECT_EQ(m.przelacz(z), 1) << z;
        EXPECT_EQ(m.podaj(z), 0) << z;
    }
    EXPECT_EQ(zbior(m, 1024), (std::vector<int>{40, 512}));
    EXPECT_EQ(m.podaj(512), 1);
    EXPECT_EQ(m.liczbaPrzypisanych(), 2);
    EXPECT_EQ(m.policz(), 2);
    EXPECT_EQ(m.dane().size(), 512u);
    // This kind keeps no window.
    EXPECT_EQ(m.pierwszaStrefa(), 0);
    EXPECT_EQ(m.czyDostepna(40), 0);
    EXPECT_EQ(m.bajtOkna(0), 0);
    std::array<std::uint8_t, 64> jedynki;
    jedynki.fill(1);
    EXPECT_EQ(m.wczytajOkno(jedynki, 0, 1), 0);
    EXPECT_EQ(m.liczbaPrzypisanych(), 2);
    m.zeruj();
    EXPECT_EQ(m.liczbaPrzypisanych(), 0);
}

TEST(MatrycaStref48, LoadTakesOneBytePerZoneAndClearsWhatTheSourceMisses) {
    Srodowisko s(4); // 1024 zones
    MatrycaStref48 m;
    m.ustaw(1000, 0, 1);
    std::vector<std::uint8_t> zrodlo(512, 0);
    zrodlo[0] = 1;
    zrodlo[511] = 0xFF;
    EXPECT_EQ(m.wczytaj(zrodlo), 0);
    EXPECT_EQ(zbior(m, 1024), (std::vector<int>{1, 512}));
    EXPECT_EQ(m.dane()[511], 1);
    // A longer source gives only the panel's zones.
    std::vector<std::uint8_t> dlugie(2000, 1);
    EXPECT_EQ(m.wczytaj(dlugie), 0);
    EXPECT_EQ(m.liczbaPrzypisanych(), 1024);
}

TEST(MatrycaStref48_64, WindowAndMaskFollowEveryChange) {
    Srodowisko s(0);
    MatrycaStref48_64 m;
    EXPECT_EQ(dostepne(m, 1024), std::make_pair(1, 512)); // empty: every zone of the panel

    ASSERT_EQ(m.ustaw(10, 0, 1), 0);
    EXPECT_EQ(m.pierwszaStrefa(), 10);
    EXPECT_EQ(m.bajtOkna(0), 1);
    EXPECT_EQ(dostepne(m, 1024), std::make_pair(1, 73));

    ASSERT_EQ(m.ustaw(70, 0, 1), 0);
    EXPECT_EQ(dostepne(m, 1024), std::make_pair(7, 73));
    EXPECT_EQ(m.bajtOkna(60), 1);
    EXPECT_EQ(m.bajtOkna(64), 0);
    EXPECT_EQ(m.bajtOkna(-1), 0);

    // A refused zone changes nothing.
    EXPECT_EQ(m.ustaw(600, 0, 1), 1);
    EXPECT_EQ(m.przelacz(0), 1);
    EXPECT_EQ(dostepne(m, 1024), std::make_pair(7, 73));

    m.wyczysc();
    m.ustaw(100, 0, 1);
    m.przelacz(130);
    EXPECT_EQ(dostepne(m, 1024), std::make_pair(67, 163));
    m.przelacz(100);
    EXPECT_EQ(m.pierwszaStrefa(), 130);
    EXPECT_EQ(dostepne(m, 1024), std::make_pair(67, 193));

    // Near the last zone the window and the mask stop at the panel's end.
    m.zeruj();
    m.ustaw(500, 0, 1);
    EXPECT_EQ(dostepne(m, 1024), std::make_pair(437, 512));
    EXPECT_EQ(m.bajtOkna(0), 1);
    EXPECT_EQ(m.bajtOkna(13), 0);
}

TEST(MatrycaStref48_64, LoadedSetWiderThanAWindow) {
    Srodowisko s(0);
    MatrycaStref48_64 m;
    std::vector<std::uint8_t> zrodlo(512, 0);
    zrodlo[4] = zrodlo[68] = zrodlo[99] = 1; // zones 5, 69 and 100
    EXPECT_EQ(m.wczytaj(zrodlo), 0);
    EXPECT_EQ(m.pierwszaStrefa(), 5);
    EXPECT_EQ(m.bajtOkna(63), 0);
    EXPECT_EQ(m.bajtOkna(64), 0);
    // The mask still follows the lowest and the highest zone.
    EXPECT_EQ(dostepne(m, 1024), std::make_pair(37, 68));
}

TEST(MatrycaStref48_64, LoadingAWindow) {
    Srodowisko s(0);
    MatrycaStref48_64 m;
    std::array<std::uint8_t, 64> okno{};
    okno[0] = okno[63] = 1;
    ASSERT_EQ(m.wczytajOkno(okno, 1, 0x2C), 0); // from zone 300
    EXPECT_EQ(zbior(m, 1024), (std::vector<int>{300, 363}));
    EXPECT_EQ(dostepne(m, 1024), std::make_pair(300, 363));

    // A first zone above the panel's zones is refused and changes nothing.
    EXPECT_EQ(m.wczytajOkno(okno, 2, 1), 1);
    EXPECT_EQ(m.wczytajOkno(okno, -1, 0), 1);
    EXPECT_EQ(m.wczytajOkno(okno, 0, 0x101), 1);
    EXPECT_EQ(m.wczytajOkno(okno, 1 << 24, 0), 1);
    EXPECT_EQ(zbior(m, 1024), (std::vector<int>{300, 363}));

    // The last zone: only that zone can become set.
    okno.fill(1);
    ASSERT_EQ(m.wczytajOkno(okno, 2, 0), 0);
    EXPECT_EQ(zbior(m, 1024), (std::vector<int>{512}));
    EXPECT_EQ(m.bajtOkna(0), 1);
    EXPECT_EQ(m.bajtOkna(1), 0);

    // First zone 0 empties the set.
    ASSERT_EQ(m.wczytajOkno(okno, 0, 0), 0);
    EXPECT_EQ(m.liczbaPrzypisanych(), 0);
    EXPECT_EQ(m.pierwszaStrefa(), 0);
}

TEST(FormyMatrycy, WindowForm) {
    Srodowisko s(0);
    MatrycaStref48_64 m;
    m.ustaw(5, 0, 1);
    m.ustaw(12, 0, 1);
    std::array<std::uint8_t, 10> forma;
    forma.fill(0xEE);
    zapiszFormeOkna(m, forma);
    EXPECT_EQ(forma, (std::array<std::uint8_t, 10>{0x00, 0x05, 0x81, 0, 0, 0, 0, 0, 0, 0}));

    MatrycaStref48_64 odczytana;
    EXPECT_EQ(odczytajFormeOkna(odczytana, forma), 0);
    EXPECT_EQ(zbior(odczytana, 1024), (std::vector<int>{5, 12}));

    const std::array<std::uint8_t, 10> wysoko{0x01, 0xF0, 0x01, 0x00, 0x00,
                                              0x00, 0x00, 0x00, 0x00, 0x80}; // 496 and 559
    EXPECT_EQ(odczytajFormeOkna(odczytana, wysoko), 0);
    EXPECT_EQ(zbior(odczytana, 1024), (std::vector<int>{496}));
    const std::array<std::uint8_t, 10> pozaCentrala{0x02, 0x01, 0xFF};
    EXPECT_EQ(odczytajFormeOkna(odczytana, pozaCentrala), 1);
    EXPECT_EQ(zbior(odczytana, 1024), (std::vector<int>{496}));

    MatrycaStref48_64 pusta;
    zapiszFormeOkna(pusta, forma);
    EXPECT_EQ(forma, (std::array<std::uint8_t, 10>{}));
}

TEST(FormyMatrycy, FullForm) {
    Srodowisko s(0);
    MatrycaStref48 m;
    for (int z : {1, 9, 16, 512}) m.ustaw(z, 0, 1);
    std::array<std::uint8_t, 64> forma{};
    zapiszFormePelna(m, forma);
    std::array<std::uint8_t, 64> oczekiwana{};
    oczekiwana[0] = 0x01;
    oczekiwana[1] = 0x81;
    oczekiwana[63] = 0x80;
    EXPECT_EQ(forma, oczekiwana);

    MatrycaStref48_64 odczytana;
    odczytana.ustaw(300, 0, 1);
    EXPECT_EQ(odczytajFormePelna(odczytana, forma), 0);
    EXPECT_EQ(zbior(odczytana, 1024), (std::vector<int>{1, 9, 16, 512}));
    EXPECT_EQ(odczytana.pierwszaStrefa(), 1);
}

} // namespace
