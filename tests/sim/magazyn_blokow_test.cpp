#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/element_systemu.h"
#include "sim/magazyn_blokow.h"
#include "sim/przejscie_zapisu.h"
#include "wspolne/konfiguracja_pelna.h"
#include "wspolne/srodowisko.h"

namespace {

struct Model {
    int typ;
    const char* identyfikacja; // sets the firmware, which picks the stack's function numbers
    friend void PrintTo(const Model& m, std::ostream* os) { *os << m.identyfikacja; }
};

class KluczeZapisu : public ::testing::TestWithParam<Model> {};

// Every block of a full configuration, walked as a write transfer walks it, must land under
// exactly the read request the element itself builds for that record; and no two records may
// share a key, or the store would lose one.
TEST_P(KluczeZapisu, KluczBlokuToZapytanieOdczytuTegoRekordu) {
    Srodowisko s(GetParam().typ);
    ASSERT_NE(s.c().odczytajIdentyfikacje(GetParam().identyfikacja), 0);
    wypelnijKonfiguracje(s.c());

    struct Rekord {
        std::uint8_t nrOdczytu;
        Bajty zapytanie, blok;
        std::string nazwa;
    };
    std::vector<Rekord> rekordy;
    std::set<std::uint8_t> funkcjeZapisu;
    int bledy = 0;
    sim::przejdzJakZapis(s.c(), [&](ElementSystemu& e, std::span<const std::uint8_t> b) {
        Bajty z;
        const int n = e.ustalZapytanie(z, 0);
        z.resize(static_cast<std::size_t>(n));
        const auto k = sim::kluczZapisu(e.podajNrFunkcjiZapisu(), b);
        const bool zgodny = k && k->nrOdczytu == e.podajNrFunkcjiOdczytu() && k->zapytanie == z;
        if (!zgodny && bledy++ < 5)
            ADD_FAILURE() << e.podajNazwe() << ": write 0x" << std::hex
                          << int(e.podajNrFunkcjiZapisu()) << " gives no key matching read 0x"
                          << int(e.podajNrFunkcjiOdczytu()) << " " << ::testing::PrintToString(z);
        funkcjeZapisu.insert(e.podajNrFunkcjiZapisu());
        rekordy.push_back(
            {e.podajNrFunkcjiOdczytu(), z, Bajty(b.begin(), b.end()), e.podajNazwe()});
    });
    EXPECT_EQ(bledy, 0);

    // Every kind took part.
    const std::uint8_t stos = s.c().stos->podajNrFunkcjiZapisu();
    std::set<std::uint8_t> oczekiwane{0x73, 0x74, 0x75, 0x76, 0x7A, 0x84,
                                      0x85, 0x86, 0x8B, 0x8C, 0x8E, stos};
    if (s.c().liczbaBrx > 0) oczekiwane.insert(0x87); // models with extension packages
    EXPECT_EQ(funkcjeZapisu, oczekiwane);

    // Preloading stores each record once, and a read returns its bytes.
    sim::MagazynBlokow m;
    sim::wypelnijMagazyn(m, s.c());
    EXPECT_EQ(m.liczbaBlokow(), rekordy.size());
    int roznice = 0;
    for (const Rekord& r : rekordy) {
        const Bajty* b = m.odczytaj(r.nrOdczytu, r.zapytanie);
        if ((b == nullptr || *b != r.blok) && roznice++ < 5)
            ADD_FAILURE() << r.nazwa << " reads back other bytes";
    }
}

INSTANTIATE_TEST_SUITE_P(Modele, KluczeZapisu,
                         ::testing::Values(Model{3, "PSC7600V4.0"}, Model{4, "PSC7800V4.0"},
                                           Model{5, "PSC7400V4.0"}, Model{6, "PSC7200V4.0"},
                                           Model{4, "PSC7800V3.0"}));

TEST(MagazynBlokow, ObaNumeryStosuToJedenStos) {
    sim::MagazynBlokow m;
    const Bajty strona{0x41, 0, 0, 7, 3, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0xAB, 0xCD};
    ASSERT_TRUE(m.zapisz(sim::nrZapisuStosuStary, strona));
    const Bajty zapytanie{0x41, 0, 0, 7, 3, 0, 0};
    ASSERT_NE(m.odczytaj(sim::nrOdczytuStosu, zapytanie), nullptr);
    EXPECT_EQ(*m.odczytaj(sim::nrOdczytuStosu, zapytanie), strona);
    EXPECT_EQ(*m.odczytaj(sim::nrOdczytuStosuStary, zapytanie), strona);
    // A later page of the same source is another record.
    EXPECT_EQ(m.odczytaj(sim::nrOdczytuStosu, Bajty{0x41, 0, 0, 7, 3, 0, 64}), nullptr);
}

TEST(MagazynBlokow, BlokBezKluczaNieJestZapisany) {
    sim::MagazynBlokow m;
    EXPECT_FALSE(m.zapisz(0x73, Bajty{5}));       // names no line address
    EXPECT_FALSE(m.zapisz(0x8C, Bajty(7, 1)));    // ends before its module page
    EXPECT_FALSE(m.zapisz(0x55, Bajty{1, 2, 3})); // no block kind
    EXPECT_EQ(m.liczbaBlokow(), 0u);
    // The package times and the package outputs share a write number but not a record.
    ASSERT_TRUE(m.zapisz(0x87, Bajty{3, 1, 9, 9}));
    ASSERT_TRUE(m.zapisz(0x87, Bajty{1, 1, 0, 7}));
    EXPECT_NE(m.odczytaj(0xB3, Bajty{3, 1, 0}), nullptr);
    EXPECT_NE(m.odczytaj(0xB3, Bajty{1, 1, 0}), nullptr);
}

} // namespace
