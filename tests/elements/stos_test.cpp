// The assignment stack: entries by key, blocks of 64 entries, the source walk.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "core/przejscie_tablicy.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/stos.h"
#include "lang/kodowanie.h"
#include "wspolne/srodowisko.h"

namespace {

using Klucz = Stos::Klucz;

std::uint64_t nr(const Klucz& k) {
    return static_cast<std::uint64_t>(k.kod) << 48 | static_cast<std::uint64_t>(k.numer) << 32 |
           static_cast<std::uint64_t>(k.podnumer) << 16 | static_cast<std::uint64_t>(k.indeks);
}

// Every block of the stack, in the order the table walk produces them.
std::vector<Bajty> zapiszWszystkieBloki(Centrala& c) {
    std::vector<Bajty> bloki;
    c.stos->zerujKursor();
    for (PrzejscieTablicy p(c, c.indStos, c.indStos + 1); !p.koniec(); p.dalej()) {
        bloki.emplace_back();
        p.biezacy().zapiszBlok(bloki.back());
    }
    return bloki;
}

class StosTest : public ::testing::Test {
protected:
    StosTest() : s(4), stos(*s.c().stos) {}
    Srodowisko s;
    Stos& stos;
};

TEST_F(StosTest, LongListTravelsInBlocksOf64) {
    for (int z = 1; z <= 150; ++z) stos.dodajPrzypisanie(Stos::kodWio, 1, 0, 128, z, 0, 0);
    struct Oczekiwany {
        int przesuniecie, n;
        bool dalej;
    };
    for (const Oczekiwany o : {Oczekiwany{0, 64, true}, {64, 64, true}, {128, 22, false}}) {
        Bajty b;
        stos.zapiszBlok(b);
        EXPECT_EQ(b[11] << 8 | b[12], o.przesuniecie);
        EXPECT_EQ(b[13], o.n);
        EXPECT_EQ(b.size(), 14u + 2 * o.n);
        EXPECT_EQ(stos.podajDlugoscBloku(), static_cast<int>(b.size()));
        EXPECT_EQ(b[9] << 8 | b[10], 150);
        EXPECT_EQ(stos.podajCzyDalej(), o.dalej);
        EXPECT_EQ(stos.nastepnaStrona(), o.dalej);
    }
    EXPECT_EQ(stos.podajPrzesuniecie(), 0);
}

TEST_F(StosTest, BlockLayoutOfZoneAndInputEntries) {
    stos.dodajPrzypisanie(Stos::kodWio, 1, 0, 128, 700, 3, 0);
    stos.dodajPrzypisanie(Stos::kodWou, 3, 5, 64, 17, 0x81, 0); // another key: not in the block
    stos.dodajPrzypisanie(Stos::kodWio, 1, 0, 66, 200, 0x0F, 0);
    stos.dodajPrzypisanie(Stos::kodHrn, 2, 0, 128, 5, 0, 0);
    stos.usunPrzypisania(Stos::kodHrn, 2, 0, 0);
    ASSERT_EQ(stos.podajLiczbeWpisow(), 3);
    stos.zerujKursor(); // WIO 1
    Bajty b;
    stos.zapiszBlok(b);
    EXPECT_EQ(b, (Bajty{64, 0, 0, 1, 0, 0, 0, 0, 0, 0, 2, 0, 0, 2, 0x1A, 0xBC, 0x0F, 200}));
    Bajty z;
    EXPECT_EQ(stos.ustalZapytanie(z, 0x55), 7);
    EXPECT_EQ(z, (Bajty{64, 0, 0, 1, 0, 0, 0}));
}

TEST_F(StosTest, ReadingTakesTheSourcesModeAndAnEmptyBlockRemoves) {
    int tryb = 128;
    stos.ustalTrybZrodla([&tryb](const Klucz&) { return tryb; });
    stos.dodajPrzypisanie(Stos::kodPk, 2, 0, 128, 1, 0, 0);
    ASSERT_EQ(stos.odczytajBlok(Bajty{129, 0, 0, 2, 0, 0, 0, 0, 0, 0, 2, 0, 0, 1, 0x1A, 0xBC}), 0);
    std::vector<std::pair<int, int>> pary;
    EXPECT_EQ(stos.podajPrzypisania(Stos::kodPk, 2, 0, 0, pary), 2);
    EXPECT_EQ(pary[1], std::make_pair(700, 3));
    EXPECT_TRUE(stos.podajCzyDalej()); // 1 of 2 announced entries arrived

    ASSERT_EQ(stos.odczytajBlok(Bajty{129, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), 0);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodPk, 2, 0, 0), 0);

    stos.dodajPrzypisanie(Stos::kodPk, 3, 0, 128, 1, 0, 0);
    tryb = 0; // the relay no longer takes assignments
    ASSERT_EQ(stos.odczytajBlok(Bajty{129, 0, 0, 3, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 5}), 0);
    EXPECT_EQ(stos.podajLiczbeWpisow(), 0);
}

TEST_F(StosTest, MalformedBlocksAreRefusedAndChangeNothing) {
    stos.ustalTrybZrodla([](const Klucz&) { return 64; });
    stos.dodajPrzypisanie(Stos::kodWio, 1, 0, 64, 9, 1, 0);
    Bajty dlugi(14 + 2 * 65, 0);
    dlugi[0] = 64;
    dlugi[3] = 1;
    dlugi[13] = 65;
    const Bajty przypadki[] = {
        Bajty{64, 0, 0, 1, 0},                                   // shorter than the header
        dlugi,                                                   // more than 64 entries
        Bajty{64, 0, 0, 1, 0, 0, 0, 0, 0, 0, 3, 0, 0, 3, 1, 2},  // n beyond the buffer
        Bajty{99, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 1, 2},  // no such source kind
        Bajty{103, 0, 0, 1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 1, 2}, // sub-panel output 1
    };
    for (const Bajty& b : przypadki) {
        EXPECT_NE(stos.odczytajBlok(b), 0);
        EXPECT_EQ(stos.podajLiczbeWpisow(), 1);
        EXPECT_EQ(stos.podajKursor(), Klucz{});
    }
}

TEST_F(StosTest, CapacityIsNeverPassed) {
    stos.ustalTrybZrodla([](const Klucz&) { return 128; });
    for (int i = 0; i < Stos::pojemnoscStosu - 1; ++i)
        stos.dodajPrzypisanie(Stos::kodHrn, 1, 0, 128, 1, 0, 0);
    EXPECT_EQ(stos.odczytajBlok(Bajty{80, 0, 0, 2, 0, 0, 0, 0, 0, 0, 2, 0, 0, 2, 0, 1, 0, 2}), 3);
    EXPECT_EQ(stos.podajLiczbeWpisow(), Stos::pojemnoscStosu - 1);
    EXPECT_EQ(stos.dodajPrzypisanie(Stos::kodHrn, 2, 0, 128, 1, 0, 0), 0);
    EXPECT_EQ(stos.dodajPrzypisanie(Stos::kodHrn, 2, 0, 128, 1, 0, 0), 1);
    EXPECT_EQ(stos.podajLiczbeWpisow(), Stos::pojemnoscStosu);
}

TEST_F(StosTest, WalkVisitsEverySourceKeyInOrder) {
    const auto bloki = zapiszWszystkieBloki(s.c());
    const Centrala& c = s.c();
    const int oczekiwane = c.liczbaWio + c.liczbaGrupWou * 8 + c.liczbaHrn + c.liczbaHva +
                           c.liczbaLs + c.liczbaPk + c.liczbaXgn + c.liczbaXgn30 * 8 +
                           c.liczbaXgn30 * 10 + c.liczbaXrm * 6;
    ASSERT_EQ(static_cast<int>(bloki.size()), oczekiwane);
    EXPECT_EQ(bloki.front()[0], Stos::kodWio);
    EXPECT_EQ(bloki[c.liczbaWio][0], Stos::kodWou);
    EXPECT_EQ(bloki[c.liczbaWio][4], 1); // output 1 of device 1
    EXPECT_EQ(bloki.back(), (Bajty{103, 0, 0, 100, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(naUtf8(stos.podajNazwe(), 1250), "Stos przypisań: XRM 300 nr 100; Nr 6");
}

TEST_F(StosTest, KindThatDoesNotTravelIsVisitedWithItsFirstKeyOnly) {
    Hva::flagi.ustalPrzesylanie(0);
    const auto bloki = zapiszWszystkieBloki(s.c());
    Hva::flagi.ustalPrzesylanie(1);
    std::vector<std::pair<int, int>> klucze;
    for (const auto& b : bloki) klucze.emplace_back(b[0], b[3]);
    const auto hva = std::find(klucze.begin(), klucze.end(), std::make_pair(Stos::kodHva, 1));
    ASSERT_NE(hva, klucze.end());
    EXPECT_EQ(*(hva + 1), std::make_pair(Stos::kodLs, 1));
    EXPECT_EQ(
        std::count_if(klucze.begin(), klucze.end(), [](auto k) { return k.first == Stos::kodHva; }),
        1);
}

TEST_F(StosTest, RandomStackSurvivesTheBlockWalk) {
    std::mt19937 los(7);
    const Centrala& c = s.c();
    const std::vector<Klucz> zrodla = {{64, 250, 0, 0},  {65, 100, 8, 0}, {80, 3, 0, 0},
                                       {81, 250, 0, 0},  {130, 8, 0, 0},  {129, 16, 0, 0},
                                       {96, 100, 0, 0},  {113, 7, 0, 8},  {114, 2, 2, 5},
                                       {103, 100, 6, 0}, {103, 1, 2, 0}};
    std::map<std::uint64_t, int> tryby;
    for (int i = 0; i < 3000; ++i) {
        const Klucz k = zrodla[los() % zrodla.size()];
        const int tryb = tryby.emplace(nr(k), std::array{128, 64, 66}[nr(k) % 3]).first->second;
        const int w1 = tryb == 128 ? static_cast<int>(los() % 2048) : static_cast<int>(los() % 256);
        const int w2 = tryb == 128 ? static_cast<int>(los() % (c.maksNrCentrali + 1))
                                   : static_cast<int>(los() % 256);
        stos.dodajPrzypisanie(k.kod, k.numer, k.podnumer, tryb, w1, w2, k.indeks);
    }
    const Stos przed = stos;
    const auto bloki = zapiszWszystkieBloki(s.c());

    stos.wyczysc();
    stos.ustalTrybZrodla(
        [&tryby](const Klucz& k) { return tryby.count(nr(k)) ? tryby.at(nr(k)) : 0; });
    for (const auto& b : bloki) ASSERT_EQ(stos.odczytajBlok(b), 0);
    EXPECT_EQ(stos.podajLiczbeWpisow(), przed.podajLiczbeWpisow());
    for (const Klucz& k : zrodla) {
        std::vector<std::pair<int, int>> a, b;
        przed.podajPrzypisania(k.kod, k.numer, k.podnumer, k.indeks, a);
        stos.podajPrzypisania(k.kod, k.numer, k.podnumer, k.indeks, b);
        EXPECT_EQ(a, b) << k.kod << "/" << k.numer;
    }
}

TEST(StosFirmware, OlderFirmwareUsesOtherFunctionNumbersAndSmallerStacks) {
    struct Przypadek {
        int typ, wersja, zapis, odczyt, limit;
    };
    const Przypadek przypadki[] = {
        {4, 30, 138, 182, 64000}, {4, 31, 141, 185, 0}, {4, 22, 138, 182, 10000},
        {5, 20, 138, 182, 64000}, {5, 21, 141, 185, 0}, {5, 13, 138, 182, 10000},
        {6, 13, 138, 182, 64000}, {6, 14, 141, 185, 0}, {3, 17, 138, 182, 64000},
        {3, 18, 141, 185, 0},
    };
    Language j;
    jezyk = &j;
    for (const auto& p : przypadki) {
        auto c = utworzCentrale(p.typ);
        c->odczytajIdentyfikacje("PSC0000V" + std::to_string(p.wersja / 10) + "." +
                                 std::to_string(p.wersja % 10));
        biezacaCentrala = c.get();
        Stos st;
        EXPECT_EQ(st.podajNrFunkcjiZapisu(), p.zapis) << p.typ << " " << p.wersja;
        EXPECT_EQ(st.podajNrFunkcjiOdczytu(), p.odczyt) << p.typ << " " << p.wersja;
        EXPECT_EQ(Stos::limitPaneli(p.typ, p.wersja), p.limit) << p.typ << " " << p.wersja;
    }
    biezacaCentrala = nullptr;
    jezyk = nullptr;
}

TEST_F(StosTest, SizeLimitOfOlderFirmwareIsCheckedBeforeSending) {
    ASSERT_EQ(s.c().odczytajIdentyfikacje("PSC7800V2.2"), 22);
    for (int i = 0; i < 10000; ++i) stos.dodajPrzypisanie(Stos::kodPk, 2, 0, 128, 1, 0, 0);
    EXPECT_FALSE(stos.czyPrzekroczonyLimit());
    stos.dodajPrzypisanie(Stos::kodPk, 2, 0, 128, 1, 0, 0);
    EXPECT_TRUE(stos.czyPrzekroczonyLimit());
    ASSERT_EQ(s.c().odczytajIdentyfikacje("PSC7800V3.1"), 31);
    EXPECT_FALSE(stos.czyPrzekroczonyLimit());
}

} // namespace
