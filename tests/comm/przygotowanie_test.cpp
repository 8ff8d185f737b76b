#include "comm/przygotowanie_transmisji.h"

#include <gtest/gtest.h>

#include "comm/port_rs.h"
#include "comm/stan_transmisji.h"
#include "comm/transmisja.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/xgn30.h"
#include "elements/outputs/xrm.h"
#include "wspolne/srodowisko.h"

namespace {

struct Wykluczenie {
    int t, v;
    bool bezHva, bezXrm, bezXgn30;
};

TEST(Wykluczenia, FollowTheFirmwareOfEachModel) {
    const Wykluczenie przypadki[] = {
        {6, 18, true, true, false},   {6, 19, false, true, false},  {6, 20, false, true, false},
        {6, 21, false, false, false}, {6, 12, true, true, true},    {4, 35, true, true, false},
        {4, 37, false, true, false},  {4, 38, false, false, false}, {4, 29, true, true, true},
        {5, 27, false, true, false},  {5, 19, true, true, true},    {3, 16, true, true, true},
        {3, 17, true, true, false},   {3, 25, false, false, false}};
    for (const auto& p : przypadki) {
        SCOPED_TRACE(::testing::Message() << "t=" << p.t << " v=" << p.v);
        EXPECT_EQ(czyBezHva(p.t, p.v), p.bezHva);
        EXPECT_EQ(czyBezXrm(p.t, p.v), p.bezXrm);
        EXPECT_EQ(czyBezXgn30(p.t, p.v), p.bezXgn30);
    }
}

class Przygotowanie : public ::testing::Test {
protected:
    Przygotowanie() : s(4), port("COM1"), t(port, 0, 1) {}
    // The kinds' flags are class-wide: every kind travels again for the next test.
    ~Przygotowanie() override {
        s.c().odczytajIdentyfikacje("PSC7800V4.0");
        ustalRodzajeTransmisji(s.c(), WyborRodzajow{});
    }
    void wersja(const char* identyfikacja) {
        ASSERT_NE(s.c().odczytajIdentyfikacje(identyfikacja), 0);
    }

    Srodowisko s;
    PortRS port;
    Transmisja t;
};

TEST_F(Przygotowanie, AReadTakesEveryKindTheFirmwareKnowsAndEmptiesTheStack) {
    wersja("PSC7800V3.7");
    s.c().stos->dodajPrzypisanie(Stos::kodPk, 2, 0, Stos::trybStrefy, 1, 0, 0);
    przygotujOdczyt(s.c(), t);
    EXPECT_EQ(t.podajTypTransmisji(), typTransmisji::Odczyt);
    EXPECT_EQ(t.podajElement(), 0);
    EXPECT_EQ(s.c().stos->podajLiczbeWpisow(), 0);
    EXPECT_NE(Hva::flagi.przesylanie, 0);
    EXPECT_EQ(Xrm::flagi.przesylanie, 0);
    EXPECT_NE(Xgn30::flagi.przesylanie, 0);
}

TEST_F(Przygotowanie, AWriteStartsAtTheFirstChosenKind) {
    WyborRodzajow w{false, false, false, false, false, false, false,
                    false, false, false, false, false, false, false};
    w.strefy = true;
    w.xrm = true;
    ASSERT_TRUE(przygotujZapis(s.c(), t, w));
    EXPECT_EQ(t.podajTypTransmisji(), typTransmisji::Zapis);
    EXPECT_EQ(t.podajElement(), s.c().poczStrefy);
    EXPECT_EQ(t.podajPostep(), 0);

    WyborRodzajow tylkoXrm = w;
    tylkoXrm.strefy = false;
    ASSERT_TRUE(przygotujZapis(s.c(), t, tylkoXrm));
    EXPECT_EQ(t.podajElement(), s.c().poczXrm);
    // A firmware without XRM leaves nothing chosen: the run starts at 0.
    wersja("PSC7800V3.0");
    ASSERT_TRUE(przygotujZapis(s.c(), t, tylkoXrm));
    EXPECT_EQ(pierwszyBlokZapisu(s.c()), 0);
}

TEST_F(Przygotowanie, AStackTooLargeForTheFirmwareStopsTheWrite) {
    for (int i = 0; i < 10001; ++i)
        s.c().stos->dodajPrzypisanie(Stos::kodPk, 2 + i % 30, 0, Stos::trybStrefy, 1 + i % 500, 0,
                                     0);
    wersja("PSC7800V2.2");
    EXPECT_TRUE(czyStosZaDuzy(s.c()));
    EXPECT_FALSE(przygotujZapis(s.c(), t, WyborRodzajow{}));
    EXPECT_EQ(t.podajTypTransmisji(), typTransmisji::Test);
    wersja("PSC7800V2.3");
    EXPECT_FALSE(czyStosZaDuzy(s.c()));
    EXPECT_TRUE(przygotujZapis(s.c(), t, WyborRodzajow{}));
}

} // namespace
