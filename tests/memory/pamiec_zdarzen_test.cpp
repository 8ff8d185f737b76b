// The event memory container: requests, status replies, ranges and the records it keeps.
#include <gtest/gtest.h>

#include "memory/pamiec_zdarzen.h"
#include "wspolne/srodowisko.h"

namespace {

Bajty odpowiedz(int numer, std::string_view tekst, int liczba = 0) {
    Bajty b = {0, static_cast<std::uint8_t>(numer >> 8), static_cast<std::uint8_t>(numer),
               static_cast<std::uint8_t>(liczba >> 8), static_cast<std::uint8_t>(liczba)};
    b.insert(b.end(), tekst.begin(), tekst.end());
    b.push_back(0);
    return b;
}

// A container that knows the panel holds `liczba` entries of the given kind.
void przygotuj(PamiecZdarzen& p, int liczba, std::uint8_t rodzaj = 0) {
    ASSERT_EQ(p.ustalRodzajPamieci(rodzaj), 0);
    ASSERT_EQ(p.odczytajStatus(odpowiedz(0, "", liczba)), liczba);
}

} // namespace

TEST(PamiecZdarzen, RequestAsksForTheNextEntryOfTheChosenMemory) {
    Srodowisko s;
    PamiecZdarzen p;
    Bajty z;
    ASSERT_EQ(p.budujZapytanie(z), 5);
    EXPECT_EQ(z, (Bajty{0, 0, 1, 0, 0}));
    EXPECT_EQ(p.podajKodZapytania(), 0x55);

    przygotuj(p, 1000);
    ASSERT_EQ(p.ustalPierwsze(300), 0);
    ASSERT_EQ(p.dodajZdarzenie(odpowiedz(300, "a")), 0);
    ASSERT_EQ(p.dodajZdarzenie(odpowiedz(301, "b")), 0);
    p.budujZapytanie(z);
    EXPECT_EQ(z, (Bajty{0, 0x01, 0x2E, 0, 0})); // 302

    ASSERT_EQ(p.ustalRodzajPamieci(2), 0);
    p.budujZapytanie(z, 0);
    EXPECT_EQ(z[3], 2);
    EXPECT_EQ(p.ustalRodzajPamieci(1), 1);
    EXPECT_EQ(p.podajRodzajPamieci(), 2);
}

TEST(PamiecZdarzen, StatusReplyKeepsOnlyCountsThePanelCanHold) {
    Srodowisko s;
    PamiecZdarzen p;
    EXPECT_EQ(p.podajLiczbeZdarzen(), 0);
    EXPECT_EQ(p.czyStatusOdebrany(), 1);
    const struct {
        int liczba, wynik;
    } przypadki[] = {{1, 1}, {0, 0}, {10000, 10000}, {10001, 0}, {0xFFFF, 0}, {258, 258}};
    int kept = 0;
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.liczba);
        EXPECT_EQ(p.odczytajStatus(odpowiedz(7, "", c.liczba)), c.wynik);
        if (c.wynik != 0) kept = c.wynik;
        EXPECT_EQ(p.podajLiczbeZdarzen(), kept);
    }
    // The count is bytes 3..4: a reply that ends before them is refused, not read past.
    const Bajty pelna = odpowiedz(0, "", 0x0102);
    for (std::size_t n = 0; n < 5; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(p.odczytajStatus(std::span(pelna).first(n)), 0);
        EXPECT_EQ(p.podajLiczbeZdarzen(), 258);
    }
    EXPECT_EQ(p.odczytajStatus(std::span(pelna).first(5)), 0x0102);
}

TEST(PamiecZdarzen, StoresOnlyTheEntryAskedFor) {
    Srodowisko s;
    PamiecZdarzen p;
    przygotuj(p, 50);
    ASSERT_EQ(p.ustalZakres(3, 10), 0); // entries 41..48
    EXPECT_EQ(p.dodajZdarzenie(odpowiedz(42, "x")), 1);
    EXPECT_EQ(p.dodajZdarzenie(odpowiedz(41, "")), 0);
    EXPECT_EQ(p.dodajZdarzenie(odpowiedz(41, "y")), 1);
    // Short payloads are refused whatever the bytes they have.
    const Bajty dobry = odpowiedz(42, "z");
    for (std::size_t n = 0; n < 5; ++n)
        EXPECT_EQ(p.dodajZdarzenie(std::span(dobry).first(n)), 1) << n;
    ASSERT_EQ(p.podajLiczbeOdczytanych(), 1);
    EXPECT_EQ(p.podajZdarzenie(1), nullptr);
    EXPECT_EQ(p.dodajZdarzenie(dobry), 0);
    ASSERT_EQ(p.podajLiczbeOdczytanych(), 2);
    EXPECT_EQ(p.podajZdarzenie(1)->podajTekst(), "z");
    EXPECT_EQ(p.podajZdarzenie(1)->podajNazwe(), "Zdarzenie nr 8");
    EXPECT_EQ(p.podajZdarzenie(-1), nullptr);

    // A new read starts from nothing and replaces the records.
    EXPECT_EQ(p.ustalLiczbeOdczytanych(3), 1);
    ASSERT_EQ(p.ustalLiczbeOdczytanych(0), 0);
    EXPECT_EQ(p.podajZdarzenie(0), nullptr);
    EXPECT_EQ(p.dodajZdarzenie(odpowiedz(41, "nowy")), 0);
    EXPECT_EQ(p.podajZdarzenie(0)->podajTekst(), "nowy");
}

TEST(PamiecZdarzen, HoldsAtMostTenThousandRecords) {
    Srodowisko s;
    PamiecZdarzen p;
    przygotuj(p, 10000);
    ASSERT_EQ(p.ustalZakres(1, 10000), 0);
    for (int n = 1; n <= 10000; ++n) ASSERT_EQ(p.dodajZdarzenie(odpowiedz(n, "e")), 0) << n;
    // The next entry's number would match, but there is no place for it.
    EXPECT_EQ(p.dodajZdarzenie(odpowiedz(10001, "e")), 1);
    EXPECT_EQ(p.podajLiczbeOdczytanych(), 10000);
    EXPECT_EQ(p.podajZdarzenie(9999)->podajNumer(), 10000);
}

TEST(PamiecZdarzen, EventsAreNumberedFromOneAndAlarmsFromZero) {
    Srodowisko s;
    struct Przypadek {
        std::uint8_t rodzaj;
        int od, doNumeru, wynik, pierwsze, ostatnie;
    };
    const Przypadek przypadki[] = {
        // The user counts events from the newest.
        {0, 1, 50, 0, 1, 50}, {0, 3, 10, 0, 41, 48}, {0, 50, 50, 0, 1, 1}, {0, 1, 51, 2, 1, 1},
        {0, 0, 50, 1, 1, 1},  {0, 10, 3, 1, 48, 1},  {2, 1, 50, 0, 0, 49}, {2, 5, 5, 0, 4, 4},
        {2, 0, 50, 1, 1, 1},  {2, 1, 51, 2, 0, 1},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(testing::Message() << int{c.rodzaj} << " " << c.od << ".." << c.doNumeru);
        PamiecZdarzen p;
        przygotuj(p, 50, c.rodzaj);
        EXPECT_EQ(p.ustalZakres(c.od, c.doNumeru), c.wynik);
        EXPECT_EQ(p.podajPierwsze(), c.pierwsze);
        EXPECT_EQ(p.podajOstatnie(), c.ostatnie);
    }

    PamiecZdarzen p;
    przygotuj(p, 50);
    EXPECT_EQ(p.ustalPierwsze(0), 1);
    EXPECT_EQ(p.ustalPierwsze(51), 1);
    EXPECT_EQ(p.ustalPierwsze(50), 0);
    EXPECT_EQ(p.ustalOstatnie(49), 1);
    EXPECT_EQ(p.ustalOstatnie(51), 1);
    EXPECT_EQ(p.ustalOstatnie(50), 0);
    ASSERT_EQ(p.ustalRodzajPamieci(2), 0);
    EXPECT_EQ(p.ustalPierwsze(-1), 1);
    EXPECT_EQ(p.ustalPierwsze(50), 1);
    EXPECT_EQ(p.ustalPierwsze(0), 0);
    EXPECT_EQ(p.ustalOstatnie(50), 1);
    EXPECT_EQ(p.ustalOstatnie(49), 0);

    // Before any status reply nothing can be read.
    PamiecZdarzen pusta;
    EXPECT_EQ(pusta.ustalPierwsze(1), 1);
    EXPECT_EQ(pusta.ustalRodzajPamieci(2), 0);
    EXPECT_EQ(pusta.ustalPierwsze(0), 1);
}
