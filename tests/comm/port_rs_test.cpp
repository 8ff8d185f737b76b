#include "comm/port_rs.h"

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "pseudoterminal.h"
#include "wspolne/otoczenie_testowe.h"

using namespace std::chrono_literals;
using Zegar = std::chrono::steady_clock;

namespace {

bool wszystkieZera(PortRS& p) {
    const std::uint8_t* b = p.buforOdbioru();
    return std::all_of(b, b + PortRS::rozmiarBufora, [](std::uint8_t x) { return x == 0; });
}

// A port opened and configured on the slave side of a fresh pseudo-terminal.
class PortNaPseudoterminalu : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.gotowy());
        port.ustalOtoczenie(&otoczenie);
        port.ustalNazwePortu(pty.nazwa.c_str());
        ASSERT_EQ(port.otworzPort(), 0);
        ASSERT_TRUE(port.ustawKonfiguracje());
        ASSERT_TRUE(port.ustawTimeouty());
    }

    void ustawCzasy(int przerwa, int mnoznik, int stala) {
        port.ustalReadIntervalTimeout(przerwa);
        port.ustalReadTotalTimeoutMultiplier(mnoznik);
        port.ustalReadTotalTimeoutConstant(stala);
        ASSERT_TRUE(port.ustawTimeouty());
    }

    // Waits for the end of the read; the time it took.
    std::chrono::milliseconds czekajNaOdbior() {
        const auto poczatek = Zegar::now();
        EXPECT_EQ(port.czekaj(5s), PortRS::odbiorGotowy);
        return std::chrono::duration_cast<std::chrono::milliseconds>(Zegar::now() - poczatek);
    }

    std::vector<std::uint8_t> odebrane() {
        const std::uint8_t* b = port.buforOdbioru();
        return {b, b + port.podajOdebrano()};
    }

    Pseudoterminal pty;
    OtoczenieTestowe otoczenie;
    PortRS port{"COM1"};
};

} // namespace

TEST(PortRS, StartsClosedWithTheLineDefaults) {
    PortRS p("COM1");
    EXPECT_TRUE(p.czyZamkniety());
    EXPECT_FALSE(p.czyOtwarty());
    EXPECT_FALSE(p.czyAwaria());
    EXPECT_STREQ(p.podajPredkosc().c_str(), "9600");
    EXPECT_EQ(p.podajReadIntervalTimeout(), 35);
    EXPECT_EQ(p.podajReadTotalTimeoutMultiplier(), 10);
    EXPECT_EQ(p.podajReadTotalTimeoutConstant(), 2000);
    EXPECT_EQ(p.podajWriteTotalTimeoutMultiplier(), 0);
    EXPECT_EQ(p.podajWriteTotalTimeoutConstant(), 0);
    EXPECT_EQ(p.podajDlugoscNazwy(), 4);
    p.ustalPredkosc(19200);
    EXPECT_EQ(p.podajPredkosc(), "19200");
}

TEST(PortRS, NamesMapToDevicePathsCutAtFifteenCharacters) {
    struct Przypadek {
        const char* nazwa;
        const char* oczekiwana;
    };
    const Przypadek przypadki[] = {
        {"COM1", "COM1"},
        {"ttyUSB10", "ttyUSB10"},
        {"pts/12", "pts/12"},
        {"ttyUSB123456789", "ttyUSB123456789"},  // 15: whole
        {"ttyUSB1234567890", "ttyUSB123456789"}, // 16: cut
        {"", ""},
    };
    PortRS p("COM1");
    for (const auto& c : przypadki) {
        p.ustalNazwePortu(c.nazwa);
        EXPECT_STREQ(p.podajNazwePortu(), c.oczekiwana) << c.nazwa;
        EXPECT_EQ(std::string(p.podajSciezke()), std::string("/dev/") + c.oczekiwana) << c.nazwa;
    }
}

TEST(PortRS, ClosedPortStartsNothingAndReportsEmptyReplies) {
    OtoczenieTestowe o;
    PortRS p("ttyS-none");
    p.ustalOtoczenie(&o);
    EXPECT_EQ(p.otworzPort(), 1);
    EXPECT_TRUE(p.czyZamkniety());
    p.zamknijPort(); // nothing to close
    EXPECT_FALSE(p.czyOtwarty());

    p.buforOdbioru()[0] = 0x02;
    EXPECT_EQ(p.odbierz(255), 1);
    EXPECT_TRUE(wszystkieZera(p));
    EXPECT_EQ(p.stanOdbioru(PortRS::odbiorGotowy), 2);
    EXPECT_EQ(p.stanOdbioru(5), 1);
    EXPECT_EQ(p.stanOdbioru(-1), 1);

    const std::uint8_t ramka[] = {0x02, 0x01, 0x00};
    EXPECT_EQ(p.zaladujNadawanie(ramka, 3), 1);
    p.nadaj();
    EXPECT_EQ(p.czekaj(20ms), PortRS::czasMinal); // no event from a closed port

    EXPECT_FALSE(p.ustawKonfiguracje());
    EXPECT_FALSE(p.ustawTimeouty());
    ASSERT_EQ(o.komunikaty.size(), 2u);
    EXPECT_EQ(o.komunikaty[0].rfind("SetCommConfig Error = ", 0), 0u);
    EXPECT_EQ(o.komunikaty[1].rfind("SetCommTimeOuts.Error = ", 0), 0u);
}

TEST(PortRS, ElevenSendRequestsWithoutACompletedWriteMarkAFailure) {
    PortRS p("COM1");
    for (int i = 0; i < 10; ++i) p.kasuj(PortRS::zadanieWysylki);
    EXPECT_FALSE(p.czyAwaria());
    p.kasuj(PortRS::nadanieGotowe); // a completed write restarts the count
    for (int i = 0; i < 10; ++i) p.kasuj(PortRS::zadanieWysylki);
    p.kasuj(PortRS::odbiorGotowy); // other events do not count
    p.kasuj(7);
    EXPECT_FALSE(p.czyAwaria());
    EXPECT_EQ(p.podajLicznikZadan(), 10);
    p.kasuj(PortRS::zadanieWysylki);
    EXPECT_TRUE(p.czyAwaria());
    EXPECT_EQ(p.podajLicznikZadan(), 0);
}

TEST(PortRS, EventsAreManualResetAndTheLowestSignalledOneIsAnswered) {
    PortRS p("COM1");
    EXPECT_EQ(p.czekaj(10ms), PortRS::czasMinal);
    p.zglos(PortRS::koniecPracy);
    p.zglos(PortRS::zadanieWysylki);
    p.zglos(9); // nothing
    EXPECT_EQ(p.czekaj(), PortRS::zadanieWysylki);
    EXPECT_EQ(p.czekaj(), PortRS::zadanieWysylki);
    p.kasuj(PortRS::zadanieWysylki);
    EXPECT_EQ(p.czekaj(), PortRS::koniecPracy);
    p.kasuj(PortRS::koniecPracy);
    std::thread t([&] {
        std::this_thread::sleep_for(20ms);
        p.zakonczWatek();
    });
    EXPECT_EQ(p.czekaj(5s), PortRS::koniecPracy);
    t.join();
}

TEST_F(PortNaPseudoterminalu, OpensWithTheLineSettingsAndMovesBytesBothWays) {
    EXPECT_TRUE(port.czyOtwarty());
    EXPECT_FALSE(port.czyZamkniety());
    port.ustalPredkosc(19200);
    ASSERT_TRUE(port.ustawKonfiguracje());
    EXPECT_TRUE(otoczenie.komunikaty.empty());

    // The settings as the device holds them, read through a second handle.
    const int drugi = ::open(pty.sciezka.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(drugi, 0);
    termios t{};
    ASSERT_EQ(::tcgetattr(drugi, &t), 0);
    ::close(drugi);
    EXPECT_EQ(::cfgetospeed(&t), B19200);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(t.c_cflag & (CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);

    // Bytes that a terminal would translate or act on pass untouched.
    const std::vector<std::uint8_t> ramka = {0x02, 0x04, 0x0D, 0x0A, 0x03, 0x11};
    ASSERT_EQ(port.zaladujNadawanie(ramka.data(), static_cast<int>(ramka.size())), 0);
    port.nadaj();
    EXPECT_EQ(port.czekaj(5s), PortRS::nadanieGotowe);
    EXPECT_EQ(port.podajWyslano(), ramka.size());
    port.kasuj(PortRS::nadanieGotowe); // manual reset: it stays signalled until then
    EXPECT_EQ(pty.odbierz(ramka.size(), 2s), ramka);

    ASSERT_EQ(port.odbierz(255), 0);
    pty.wyslij(ramka);
    czekajNaOdbior();
    EXPECT_EQ(odebrane(), ramka);
    EXPECT_EQ(port.stanOdbioru(PortRS::odbiorGotowy), 0);
    port.wyczyscOdbior();
    EXPECT_EQ(port.stanOdbioru(PortRS::odbiorGotowy), 2);
}

TEST_F(PortNaPseudoterminalu, AWholeFrameEndsTheReadWithoutWaitingForTheGap) {
    ustawCzasy(3000, 0, 4000);
    // LEN 3: STX and the three bytes after it are the whole frame.
    const std::vector<std::uint8_t> ramka = {0x02, 0x03, 0xA0, 0x01};
    ASSERT_EQ(port.odbierz(255), 0);
    pty.wyslij(ramka);
    EXPECT_LT(czekajNaOdbior(), 1500ms);
    EXPECT_EQ(odebrane(), ramka);

    // Half a frame waits for the gap; bytes that are no frame at all likewise.
    ustawCzasy(150, 0, 4000);
    for (const std::vector<std::uint8_t>& czesc :
         {std::vector<std::uint8_t>{0x02, 0x05, 0xA0}, std::vector<std::uint8_t>{0x55, 0x00}}) {
        ASSERT_EQ(port.odbierz(255), 0);
        pty.wyslij(czesc);
        const auto czas = czekajNaOdbior();
        EXPECT_GE(czas, 140ms);
        EXPECT_LT(czas, 3000ms);
        EXPECT_EQ(odebrane(), czesc);
    }
}

TEST_F(PortNaPseudoterminalu, TheGapBetweenBytesEndsARead) {
    ustawCzasy(200, 0, 4000);
    ASSERT_EQ(port.odbierz(255), 0);
    const auto poczatek = Zegar::now();
    pty.wyslij({0x11, 0x22});
    std::this_thread::sleep_for(40ms); // shorter than the gap: one reply
    pty.wyslij({0x33});
    EXPECT_EQ(port.czekaj(5s), PortRS::odbiorGotowy);
    const auto czas = Zegar::now() - poczatek;
    EXPECT_GE(czas, 230ms);
    EXPECT_LT(czas, 3000ms);
    EXPECT_EQ(odebrane(), (std::vector<std::uint8_t>{0x11, 0x22, 0x33}));
}

TEST_F(PortNaPseudoterminalu, TheTotalTimeOutEndsAReadThatGetsNothing) {
    ustawCzasy(35, 10, 200); // 10 x 20 + 200 ms
    ASSERT_EQ(port.odbierz(20), 0);
    const auto czas = czekajNaOdbior();
    EXPECT_GE(czas, 390ms);
    EXPECT_LT(czas, 3000ms);
    EXPECT_EQ(port.podajOdebrano(), 0u);
    EXPECT_EQ(port.stanOdbioru(PortRS::odbiorGotowy), 2);
}

// The two modes with "no wait" (all bits set) in the gap: return at once with what is there, or
// at the first byte with a limit for nothing at all.
TEST_F(PortNaPseudoterminalu, NoWaitModesOfTheGapTimeOut) {
    ustawCzasy(-1, 0, 0);
    ASSERT_EQ(port.odbierz(255), 0);
    EXPECT_LT(czekajNaOdbior(), 1000ms);
    EXPECT_EQ(port.podajOdebrano(), 0u);

    ustawCzasy(-1, -1, 3000);
    ASSERT_EQ(port.odbierz(255), 0);
    pty.wyslij({0x55});
    EXPECT_LT(czekajNaOdbior(), 2000ms);
    EXPECT_EQ(odebrane(), std::vector<std::uint8_t>{0x55});

    ustawCzasy(-1, -1, 100);
    ASSERT_EQ(port.odbierz(255), 0);
    const auto czas = czekajNaOdbior();
    EXPECT_GE(czas, 90ms);
    EXPECT_LT(czas, 2000ms);
    EXPECT_EQ(port.podajOdebrano(), 0u);
}

TEST_F(PortNaPseudoterminalu, AReadEndsWhenItHasTheBytesAskedFor) {
    ustawCzasy(3000, 0, 4000);
    ASSERT_EQ(port.odbierz(3), 0);
    pty.wyslij({0x55, 0x56, 0x57, 0x58});
    EXPECT_LT(czekajNaOdbior(), 1500ms);
    EXPECT_EQ(odebrane(), (std::vector<std::uint8_t>{0x55, 0x56, 0x57}));
    EXPECT_EQ(port.buforOdbioru()[3], 0); // the rest stays for the next read
    ustawCzasy(50, 0, 4000);
    ASSERT_EQ(port.odbierz(3), 0);
    EXPECT_LT(czekajNaOdbior(), 1500ms);
    EXPECT_EQ(odebrane(), (std::vector<std::uint8_t>{0x58}));
}

TEST_F(PortNaPseudoterminalu, OversizedFramesAndReadsAreRefusedOrBounded) {
    std::vector<std::uint8_t> duzo(300, 0x55);
    EXPECT_EQ(port.zaladujNadawanie(duzo.data(), 257), 2);
    EXPECT_EQ(port.zaladujNadawanie(duzo.data(), -1), 2);
    EXPECT_EQ(port.zaladujNadawanie(nullptr, 4), 2);
    EXPECT_EQ(port.zaladujNadawanie(duzo.data(), 256), 0);

    ustawCzasy(100, 0, 2000);
    ASSERT_EQ(port.odbierz(100000), 0); // read into the 256-byte buffer only
    pty.wyslij(duzo);
    czekajNaOdbior();
    EXPECT_EQ(port.podajOdebrano(), PortRS::rozmiarBufora);
}

TEST_F(PortNaPseudoterminalu, APortServesOneUserAndReopensAfterClosing) {
    PortRS drugi(pty.nazwa.c_str());
    EXPECT_EQ(drugi.otworzPort(), 1);
    port.zamknijPort();
    EXPECT_FALSE(port.czyOtwarty());
    EXPECT_TRUE(port.czyZamkniety());
    EXPECT_EQ(port.odbierz(255), 1); // a closed port starts nothing
    EXPECT_EQ(drugi.otworzPort(), 0);
    drugi.zamknijPort();

    for (int i = 0; i < 11; ++i) port.kasuj(PortRS::zadanieWysylki);
    ASSERT_TRUE(port.czyAwaria());
    EXPECT_EQ(port.otworzPort(), 0);
    EXPECT_FALSE(port.czyAwaria());
}

// The other side goes away: writes stop completing, reads end empty at once, and the send
// request count turns it into a port failure, as the communication worker sees it.
TEST_F(PortNaPseudoterminalu, AVanishedDeviceBecomesAPortFailureWithoutAHang) {
    pty.zamknij();
    const std::uint8_t ramka[] = {0x02, 0x01, 0x00};
    const auto poczatek = Zegar::now();
    int odpowiedzi = 0;
    for (int runda = 0; runda < 20 && !port.czyAwaria(); ++runda) {
        port.zglos(PortRS::zadanieWysylki); // as the retry timer does
        for (;;) {
            const int z = port.czekaj(3s);
            ASSERT_GE(z, 0) << "no event";
            port.kasuj(z);
            if (z == PortRS::odbiorGotowy) {
                EXPECT_EQ(port.stanOdbioru(z), 2);
                ++odpowiedzi;
                break;
            }
            if (z == PortRS::zadanieWysylki) {
                ASSERT_EQ(port.zaladujNadawanie(ramka, 3), 0);
                port.nadaj();
                ASSERT_EQ(port.odbierz(255), 0);
            }
        }
    }
    // The hang-up shows as a failure as soon as the device reports it; the count of eleven
    // unanswered requests is only the last resort.
    EXPECT_TRUE(port.czyAwaria());
    EXPECT_GE(odpowiedzi, 1);
    EXPECT_LE(odpowiedzi, 11);
    EXPECT_LT(Zegar::now() - poczatek, 5s);
    port.zamknijPort();
    EXPECT_FALSE(port.czyOtwarty());
}

// A worker thread in the shape of the protocol engine's, against a panel that answers every
// request with a frame: the two threads hand over only through the port's events.
TEST_F(PortNaPseudoterminalu, AWorkerThreadExchangesFramesDrivenByEvents) {
    constexpr int kZadan = 20;
    std::atomic<bool> panelPracuje = true;
    std::thread panel([&] {
        while (panelPracuje) {
            const auto zadanie = pty.odbierz(3, 50ms);
            if (zadanie.size() == 3)
                pty.wyslij({0x02, 0x02, zadanie[1], static_cast<std::uint8_t>(zadanie[2] + 1)});
        }
    });
    std::vector<int> odpowiedzi;
    std::atomic<int> liczbaOdpowiedzi = 0;
    std::thread worker([&] {
        std::uint8_t nr = 0;
        for (;;) {
            const int z = port.czekaj(10s);
            if (z < 0 || z == PortRS::koniecPracy) return;
            port.kasuj(z);
            if (z == PortRS::odbiorGotowy && port.stanOdbioru(z) == 0) {
                odpowiedzi.push_back(port.buforOdbioru()[3]);
                port.wyczyscOdbior();
                ++liczbaOdpowiedzi;
            } else if (z == PortRS::zadanieWysylki) {
                const std::uint8_t ramka[] = {0x02, 0x01, nr++};
                port.zaladujNadawanie(ramka, 3);
                port.nadaj();
                port.odbierz(255);
            }
        }
    });
    for (int i = 0; i < kZadan; ++i) {
        port.zglos(PortRS::zadanieWysylki);
        const auto koniec = Zegar::now() + 5s;
        while (liczbaOdpowiedzi <= i && Zegar::now() < koniec) std::this_thread::sleep_for(1ms);
    }
    port.zakonczWatek();
    worker.join();
    panelPracuje = false;
    panel.join();
    ASSERT_EQ(odpowiedzi.size(), static_cast<std::size_t>(kZadan));
    for (int i = 0; i < kZadan; ++i) EXPECT_EQ(odpowiedzi[i], i + 1);
}
