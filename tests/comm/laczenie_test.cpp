#include "comm/laczenie.h"

#include <gtest/gtest.h>

#include "comm/port_rs.h"
#include "comm/transmisja.h"
#include "ramki_testowe.h"
#include "wspolne/srodowisko.h"

namespace {

class LaczenieBezCentrali : public ::testing::Test {
protected:
    LaczenieBezCentrali() : port("COM1"), t(port, 0, 1), l(t, port) {}

    // Ticks until the search ends; the number of ticks, or -1 past `limit`.
    int tikiDoKonca(int limit = 50) {
        for (int i = 1; i <= limit; ++i)
            if (l.tik() == Laczenie::Wynik::niepowodzenie) return i;
        return -1;
    }

    PortRS port;
    Transmisja t;
    Laczenie l;
};

TEST_F(LaczenieBezCentrali, WithNoPortListedTheFirstFailedAttemptEndsTheSearch) {
    l.rozpocznij({});
    // The first tick finds the port closed and counts it; the second fails the attempt.
    EXPECT_EQ(tikiDoKonca(), 2);
    EXPECT_EQ(l.podajKodBledu(), 7);
    EXPECT_EQ(l.podajTekstBledu(), 404);
}

TEST_F(LaczenieBezCentrali, AMissingPortIsTriedSixTimesPerListedPortAtBothSpeeds) {
    l.rozpocznij({"ttyNIEMA0", "ttyNIEMA1"});
    l.ustalWybranyPort("0"); // the next tick opens the first port
    port.ustalPredkosc(9600);
    // Each attempt takes two ticks: one opens the port (the failure is counted, then the
    // counts are cleared for the attempt) and one finds the port closed and gives up on it.
    std::vector<std::string> predkosci;
    int tiki = 0;
    while (tiki < 100) {
        const bool otwiera = l.czyNastepnyPort();
        const auto w = l.tik();
        ++tiki;
        if (otwiera) predkosci.push_back(port.podajPredkosc());
        if (w == Laczenie::Wynik::niepowodzenie) break;
    }
    EXPECT_EQ(tiki, 26);
    EXPECT_EQ(l.podajLiczbeNiepowodzen(), 13);
    EXPECT_EQ(l.podajKodBledu(), 7);
    // Each pass over the list at one speed, the next at the other.
    ASSERT_EQ(predkosci.size(), 13u);
    EXPECT_EQ(predkosci[0], "9600");
    EXPECT_EQ(predkosci[1], "9600");
    EXPECT_EQ(predkosci[2], "19200");
    EXPECT_EQ(predkosci[3], "19200");
    EXPECT_EQ(predkosci[4], "9600");
}

TEST_F(LaczenieBezCentrali, AChosenPortAndSpeedHoldOnEveryAttempt) {
    l.rozpocznij({"ttyNIEMA0", "ttyNIEMA1", "ttyNIEMA2"});
    l.ustalWybranyPort("ttyNIEMA9");
    l.ustalWybranaPredkosc("19200");
    l.ograniczListe();
    l.wznowLaczenie();
    ASSERT_EQ(l.podajPorty(), std::vector<std::string>{"ttyNIEMA9"});
    for (int i = 0; i < 13; ++i) {
        ASSERT_EQ(l.tik(), Laczenie::Wynik::trwa) << i;
        EXPECT_EQ(port.podajPredkosc(), "19200");
        EXPECT_STREQ(port.podajNazwePortu(), "ttyNIEMA9");
    }
    EXPECT_EQ(l.tik(), Laczenie::Wynik::niepowodzenie);
}

TEST_F(LaczenieBezCentrali, AnUnknownPanelTypeEndsTheSearchAtOnce) {
    Srodowisko s(0);
    l.rozpocznij({"ttyNIEMA0", "ttyNIEMA1", "ttyNIEMA2"});
    ASSERT_EQ(l.tik(), Laczenie::Wynik::trwa);
    // A reply whose type flags name no model, as a panel of an unknown kind would send.
    EXPECT_NE(t.odbierzDane(odpowiedzPanelu(0xE0, ramka::nrOdpowiedziIdentyfikacji)), 0);
    EXPECT_EQ(l.tik(), Laczenie::Wynik::niepowodzenie);
    EXPECT_EQ(l.podajKodBledu(), 5);
    EXPECT_EQ(l.podajTekstBledu(), 385);
}

TEST(TekstyLaczenia, NameEachErrorCode) {
    const std::pair<int, int> pary[] = {{1, 16002}, {2, 103},   {3, 14002}, {4, 14002},
                                        {5, 385},   {6, 11002}, {7, 404},   {9, 103}};
    for (const auto& [kod, tekst] : pary) EXPECT_EQ(Laczenie::tekstBleduLaczenia(kod), tekst);
}

} // namespace
