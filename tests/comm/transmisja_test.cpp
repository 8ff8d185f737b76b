#include "comm/transmisja.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "comm/port_rs.h"
#include "comm/ramka.h"
#include "elements/lines/strefa.h"
#include "memory/pamiec_zdarzen.h"
#include "pseudoterminal.h"
#include "ramki_testowe.h"
#include "wspolne/otoczenie_testowe.h"
#include "wspolne/srodowisko.h"

using namespace std::chrono_literals;
using Bajty8 = std::vector<std::uint8_t>;

namespace {

constexpr std::uint8_t flagiTypu4 = 0x20;

template <class F>
bool czekajAz(F warunek, std::chrono::milliseconds limit = 5s) {
    const auto koniec = std::chrono::steady_clock::now() + limit;
    while (!warunek()) {
        if (std::chrono::steady_clock::now() > koniec) return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

Bajty8 daneZadania(const Bajty8& z) {
    if (z.size() < ramka::narzutRamki) return {};
    return {z.begin() + ramka::offDane, z.end() - 2};
}

// The panel on the master side of the pseudo-terminal: reads whole request frames and answers
// each with what the script gives for it; no answer stands for a lost reply.
class Panel {
public:
    using Skrypt = std::function<std::optional<Bajty8>(const Bajty8& zadanie, int nr)>;

    explicit Panel(Pseudoterminal& p) : pty(p) {}
    ~Panel() {
        koniec = true;
        if (watek.joinable()) watek.join();
    }
    void uruchom(Skrypt s) {
        skrypt = std::move(s);
        watek = std::thread([this] { petla(); });
    }
    std::vector<Bajty8> zadania() {
        std::lock_guard l(m);
        return odebrane;
    }
    std::size_t liczbaZadan() {
        std::lock_guard l(m);
        return odebrane.size();
    }

private:
    void petla() {
        while (!koniec) {
            Bajty8 z = pty.odbierz(2, 20ms);
            if (z.size() == 1) {
                const Bajty8 d = pty.odbierz(1, 500ms);
                z.insert(z.end(), d.begin(), d.end());
            }
            if (z.size() < 2 || z[0] != ramka::stx || z[1] < ramka::narzutLen) continue;
            const Bajty8 reszta = pty.odbierz(z[1] - 1u, 500ms);
            z.insert(z.end(), reszta.begin(), reszta.end());
            int nr = 0;
            {
                std::lock_guard l(m);
                odebrane.push_back(z);
                nr = static_cast<int>(odebrane.size()) - 1;
            }
            if (std::optional<Bajty8> o = skrypt(z, nr)) pty.wyslij(*o);
        }
    }

    Pseudoterminal& pty;
    Skrypt skrypt;
    std::mutex m;
    std::vector<Bajty8> odebrane;
    std::atomic<bool> koniec{false};
    std::thread watek;
};

// An engine with its worker on a port opened on a fresh pseudo-terminal, a generic root with
// zones that are transferred, and the panel on the other end. Reads end after 300 ms so a lost
// reply shows quickly.
class TransmisjaZPanelem : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.gotowy());
        port.ustalOtoczenie(&otoczenie);
        port.ustalNazwePortu(pty.nazwa.c_str());
        ASSERT_EQ(port.otworzPort(), 0);
        ASSERT_TRUE(port.ustawKonfiguracje());
        port.ustalReadIntervalTimeout(35);
        port.ustalReadTotalTimeoutMultiplier(0);
        port.ustalReadTotalTimeoutConstant(300);
        ASSERT_TRUE(port.ustawTimeouty());
        ASSERT_GE(s.c().liczbaStref, 3);
        przesylanieStref = Strefa::flagi.przesylanie;
        Strefa::flagi.przesylanie = 1;
        t.ustalPamiec(&pamiec);
        t.uruchomWatek();
    }
    void TearDown() override {
        t.zakonczWatek();
        Strefa::flagi.przesylanie = przesylanieStref;
    }

    // One tick that sends at once.
    void wyslijTerazTikiem() {
        t.dopalLicznikPonowienia();
        t.zgloszenieTimerPonowienia();
    }
    Strefa& strefa(int i) { return *s.c().strefy[static_cast<std::size_t>(i)]; }

    Srodowisko s{0};
    Pseudoterminal pty;
    OtoczenieTestowe otoczenie;
    PortRS port{"COM1"};
    PamiecZdarzen pamiec;
    Transmisja t{port, 0, 1};
    std::uint8_t przesylanieStref = 0;
    // What the panel's scripts read: kept here, as the panel's thread outlives a test's body.
    std::vector<Bajty8> bloki = std::vector<Bajty8>(3);
    std::mutex m;
    std::condition_variable cv;
    bool odpowiadaj = false;
    Bajty8 biezaca;
    std::atomic<int> wyslane{0};
    Panel panel{pty}; // last: its thread stops first
};

Bajty8 tekst(const std::string& s) {
    return {s.begin(), s.end()};
}

} // namespace

TEST(TransmisjaBezPortu, StartsInTheTestTypeOffLineWithTheErrorFlagSet) {
    PortRS port("COM1");
    Transmisja t(port, 5, 6);
    EXPECT_EQ(t.podajTypTransmisji(), typTransmisji::Test);
    EXPECT_EQ(t.podajElement(), 5);
    EXPECT_EQ(t.podajFazeTestu(), 3);
    EXPECT_TRUE(t.czyBlad());
    EXPECT_TRUE(t.czyTrybOffLine());
    EXPECT_FALSE(t.timerPonowieniaOn()) << "a closed port keeps the timer off";
    EXPECT_TRUE(t.czyTrybOffLine());
}

TEST(TransmisjaBezPortu, SendRequestsWithoutAPortEndInAPortFailureAndCode7) {
    PortRS port("COM1");
    Transmisja t(port, 0, 1);
    t.uruchomWatek();
    // Each tick asks for a send that never completes a write.
    for (int i = 0; i < PortRS::maksZadanBezNadania + 1 && !port.czyAwaria(); ++i) {
        const int przed = port.podajLicznikZadan();
        t.dopalLicznikPonowienia();
        t.zgloszenieTimerPonowienia();
        ASSERT_TRUE(czekajAz([&] { return port.czyAwaria() || port.podajLicznikZadan() > przed; }));
    }
    ASSERT_TRUE(port.czyAwaria());
    EXPECT_EQ(t.sprawdzLicznikiBledow(), kodBledu::brak);
    t.zgloszenieTimerPonowienia();
    EXPECT_EQ(t.podajLicznikBrakuPortu(0), 1);
    EXPECT_EQ(t.sprawdzLicznikiBledow(), kodBledu::brakPortu);
    EXPECT_EQ(t.sprawdzLicznikiBledowMin(), kodBledu::brakPortu);
    EXPECT_TRUE(t.czyTrybOffLine());
    EXPECT_TRUE(port.czyZamkniety());
    t.zakonczWatek();
}

TEST(TransmisjaBezPortu, BlocksOfATransferCountOnlyTheKindsThatAreSent) {
    Srodowisko s(0);
    const std::uint8_t byloStref = Strefa::flagi.przesylanie;
    Strefa::flagi.przesylanie = 0;
    const int bezStref = Transmisja::liczbaBlokowDoPrzeslania(s.c());
    Strefa::flagi.przesylanie = 1;
    EXPECT_EQ(Transmisja::liczbaBlokowDoPrzeslania(s.c()), bezStref + s.c().liczbaStref);
    Strefa::flagi.przesylanie = byloStref;
}

TEST_F(TransmisjaZPanelem, TestTypeAsksForTheIdentityThenTheEventMemoryStatus) {
    panel.uruchom([](const Bajty8& z, int) -> std::optional<Bajty8> {
        if (z[ramka::offNrFunkcji] == ramka::nrZapytaniaIdentyfikacji)
            return odpowiedzPanelu(flagiTypu4, ramka::nrOdpowiedziIdentyfikacji,
                                   tekst("PSC7800V1.5 2019"));
        if (z[ramka::offNrFunkcji] == ramka::nrZapytaniaPamieci)
            return odpowiedzPanelu(flagiTypu4, ramka::nrOdpowiedziStanuPamieci,
                                   {0, 0, 0, 0x01, 0x2C});
        return std::nullopt;
    });

    wyslijTerazTikiem();
    ASSERT_TRUE(czekajAz([&] { return t.podajFazeTestu() == 2; }));
    EXPECT_EQ(s.c().podajWersjeOprogramowania(), 15);
    EXPECT_EQ(s.c().podajTypWykryty(), 4);
    EXPECT_FALSE(t.czyBlad()) << "a valid reply clears the error flag";
    EXPECT_EQ(panel.zadania().at(0), (Bajty8{0x02, 0x0C, 0x00, 0x00, 0x30, 0x10, 0x30, 0x10, 0x00,
                                             0xA0, 0xDE, 0x0A, 0x02}));

    // The test type is paced by the timer alone: a request every third tick.
    pamiec.ustalStatusOdebrany(0);
    t.zgloszenieTimerPonowienia();
    t.zgloszenieTimerPonowienia();
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(panel.liczbaZadan(), 1u);
    t.zgloszenieTimerPonowienia();
    ASSERT_TRUE(czekajAz([&] { return t.podajFazeTestu() == 3; }));
    EXPECT_EQ(pamiec.podajLiczbeZdarzen(), 300);
    EXPECT_EQ(pamiec.czyStatusOdebrany(), 1);
    const Bajty8 zadanie = panel.zadania().at(1);
    EXPECT_EQ(zadanie[ramka::offNrFunkcji], ramka::nrZapytaniaPamieci);
    EXPECT_EQ(daneZadania(zadanie).size(), 5u);
    EXPECT_EQ(t.sprawdzLicznikiBledow(), kodBledu::brak);
}

TEST_F(TransmisjaZPanelem, WriteSendsEachBlockOnceAcknowledgedAndEnds) {
    const int pocz = s.c().poczStrefy;
    for (int i = 0; i < 3; ++i) strefa(i).ustalKomunikat("Strefa zapisu " + std::to_string(i));
    for (int i = 0; i < 3; ++i) strefa(i).zapiszBlok(bloki[static_cast<std::size_t>(i)]);
    panel.uruchom([](const Bajty8& z, int) -> std::optional<Bajty8> {
        return odpowiedzPanelu(flagiTypu4, z[ramka::offNrFunkcji], {1});
    });

    t.ustalTypTransmisji(typTransmisji::Zapis);
    t.ustalBlokDanych(pocz, pocz + 3);
    wyslijTerazTikiem();
    ASSERT_TRUE(czekajAz([&] { return t.czyKoniec(); }));
    std::this_thread::sleep_for(100ms);

    const std::vector<Bajty8> z = panel.zadania();
    ASSERT_EQ(z.size(), 3u) << "one frame a block, nothing after the last";
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(z[i][ramka::offNrFunkcji], 0x74);
        EXPECT_EQ(daneZadania(z[i]), bloki[i]);
    }
    EXPECT_EQ(t.podajElement(), pocz + 3);
    EXPECT_EQ(t.sprawdzLicznikiBledow(), kodBledu::brak);
}

TEST_F(TransmisjaZPanelem, WriteRefusedByTheLockedPanelCountsAccessErrors) {
    panel.uruchom([](const Bajty8& z, int) -> std::optional<Bajty8> {
        return odpowiedzPanelu(flagiTypu4, z[ramka::offNrFunkcji], {3});
    });
    const int pocz = s.c().poczStrefy;
    t.ustalTypTransmisji(typTransmisji::Zapis);
    t.ustalBlokDanych(pocz, pocz + 2);
    for (int i = 1; i <= 4; ++i) {
        wyslijTerazTikiem();
        ASSERT_TRUE(czekajAz([&] { return t.podajLicznikBledowDostepu(0) == i; }));
    }
    EXPECT_EQ(t.sprawdzLicznikiBledow(), kodBledu::odmowaDostepu);
    EXPECT_EQ(t.podajElement(), pocz) << "a refused block is not passed";
    EXPECT_FALSE(t.czyKoniec());
}

TEST_F(TransmisjaZPanelem, ReadFillsTheZonesAndAsksForNothingPastTheRange) {
    const int pocz = s.c().poczStrefy;
    for (int i = 0; i < 3; ++i) {
        strefa(i).ustalKomunikat("Odczytana " + std::to_string(i));
        strefa(i).zapiszBlok(bloki[static_cast<std::size_t>(i)]);
        strefa(i).ustalKomunikat("");
    }
    panel.uruchom([&](const Bajty8& z, int nr) -> std::optional<Bajty8> {
        if (nr >= 3) return std::nullopt;
        return odpowiedzPanelu(flagiTypu4, z[ramka::offNrFunkcji],
                               bloki[static_cast<std::size_t>(nr)]);
    });

    t.ustalTypTransmisji(typTransmisji::Odczyt);
    t.ustalBlokDanych(pocz, pocz + 3);
    wyslijTerazTikiem();
    ASSERT_TRUE(czekajAz([&] { return t.czyKoniec(); }));
    std::this_thread::sleep_for(100ms);

    const std::vector<Bajty8> z = panel.zadania();
    ASSERT_EQ(z.size(), 3u) << "no request for the entry after the last block";
    EXPECT_EQ(z[0], (Bajty8{0x02, 0x0F, 0x00, 0x00, 0x30, 0x10, 0x30, 0x10, 0x00, 0xA0, 0xA4, 0x00,
                            0x00, 0x01, 0xD4, 0x01}));
    for (int i = 0; i < 3; ++i) {
        Bajty8 b;
        strefa(i).zapiszBlok(b);
        EXPECT_EQ(b, bloki[static_cast<std::size_t>(i)]) << "zone " << i;
    }
    EXPECT_EQ(t.sprawdzLicznikiBledow(), kodBledu::brak);
}

TEST_F(TransmisjaZPanelem, ALostReplyIsSentAgainAfterTwoTicksOnceCounted) {
    const int pocz = s.c().poczStrefy;
    panel.uruchom([](const Bajty8& z, int nr) -> std::optional<Bajty8> {
        if (nr == 0) return std::nullopt; // the first reply is lost
        return odpowiedzPanelu(flagiTypu4, z[ramka::offNrFunkcji], {1});
    });
    t.ustalTypTransmisji(typTransmisji::Zapis);
    t.ustalBlokDanych(pocz, pocz + 1);
    wyslijTerazTikiem();
    ASSERT_TRUE(czekajAz([&] { return t.podajLicznikBrakuOdpowiedzi(0) == 1; }));

    t.zgloszenieTimerPonowienia();
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(panel.liczbaZadan(), 1u) << "one tick is not yet enough";
    t.zgloszenieTimerPonowienia();
    ASSERT_TRUE(czekajAz([&] { return t.czyKoniec(); }));
    // The block went out twice, so the first acknowledgement may answer either frame: the
    // block is confirmed once more before the run moves on.
    const std::vector<Bajty8> z = panel.zadania();
    ASSERT_EQ(z.size(), 3u);
    EXPECT_EQ(z[1], z[0]) << "the same block again";
    EXPECT_EQ(z[2], z[0]);
    EXPECT_EQ(t.podajLicznikBrakuOdpowiedzi(0), 0) << "the acknowledgement clears the count";
    EXPECT_EQ(t.podajLicznikBrakuOdpowiedzi(1), 1);
}

TEST_F(TransmisjaZPanelem, BadRepliesAreCountedByKind) {
    struct Przypadek {
        const char* opis;
        std::function<Bajty8()> odpowiedz;
        Licznik licznik;
        int typBledu; // data errors only
    };
    const Bajty8 dobra =
        odpowiedzPanelu(flagiTypu4, ramka::nrOdpowiedziIdentyfikacji, tekst("PSC7800V1.5"));
    const std::vector<Przypadek> przypadki = {
        {"bad checksum",
         [&] {
             Bajty8 r = dobra;
             r.back() ^= 0x01;
             return r;
         },
         Licznik::bledowDanych, typBleduDanych::zlaSuma},
        {"no start byte",
         [&] {
             Bajty8 r = dobra;
             r[0] = 0x03;
             return r;
         },
         Licznik::bledowDanych, typBleduDanych::brakStx},
        {"LEN past the bytes received",
         [&] {
             Bajty8 r = dobra;
             r[1] = static_cast<std::uint8_t>(r[1] + 4);
             return r;
         },
         Licznik::bledowDanych, typBleduDanych::zlaSuma},
        {"no panel type",
         [] {
             return odpowiedzPanelu(0xE0, ramka::nrOdpowiedziIdentyfikacji, tekst("PSC7800V1.5"));
         },
         Licznik::bledowTypuCentrali, 0},
        {"identity out of pattern",
         [] { return odpowiedzPanelu(flagiTypu4, ramka::nrOdpowiedziIdentyfikacji, tekst("PSC")); },
         Licznik::bledowZakresu, 0},
    };
    panel.uruchom([&](const Bajty8&, int) -> std::optional<Bajty8> {
        std::lock_guard l(m);
        return biezaca;
    });
    const auto podaj = [&](Licznik l) {
        switch (l) {
        case Licznik::bledowDanych:
            return t.podajLicznikBledowDanych(0);
        case Licznik::bledowTypuCentrali:
            return t.podajLicznikBledowTypuCentrali(0);
        default:
            return t.podajLicznikBledowZakresu(0);
        }
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.opis);
        t.zerujLicznikiBledow();
        {
            std::lock_guard l(m);
            biezaca = p.odpowiedz();
        }
        wyslijTerazTikiem();
        ASSERT_TRUE(czekajAz([&] { return podaj(p.licznik) == 1; }));
        if (p.typBledu != 0) {
            EXPECT_EQ(t.podajTypBleduDanych(), p.typBledu);
        }
        EXPECT_EQ(t.podajFazeTestu(), 3) << "a refused identity is asked for again";
        EXPECT_EQ(t.sprawdzLicznikiBledowMin(),
                  p.licznik == Licznik::bledowDanych         ? kodBledu::bledneRamki
                  : p.licznik == Licznik::bledowTypuCentrali ? kodBledu::innyTypCentrali
                                                             : kodBledu::pozaZakresem);
        EXPECT_EQ(t.sprawdzLicznikiBledow(), kodBledu::brak) << "one error passes no threshold";
    }
}

TEST_F(TransmisjaZPanelem, ThreeWrongPanelTypesGiveCode5) {
    panel.uruchom([](const Bajty8&, int) -> std::optional<Bajty8> {
        return odpowiedzPanelu(0x00, ramka::nrOdpowiedziIdentyfikacji, tekst("PSC7800V1.5"));
    });
    for (int i = 1; i <= 3; ++i) {
        wyslijTerazTikiem();
        ASSERT_TRUE(czekajAz([&] { return t.podajLicznikBledowTypuCentrali(0) == i; }));
    }
    EXPECT_EQ(t.sprawdzLicznikiBledow(), kodBledu::innyTypCentrali);
    // A retry tick with an error code set raises the error flag.
    t.zgloszenieTimerPonowienia();
    EXPECT_TRUE(t.czyBlad());
}

TEST_F(TransmisjaZPanelem, AReplyArrivingWhileTheRootIsReplacedIsDropped) {
    const int pocz = s.c().poczStrefy;
    for (int i = 0; i < 3; ++i) {
        strefa(i).ustalKomunikat("Stara " + std::to_string(i));
        strefa(i).zapiszBlok(bloki[static_cast<std::size_t>(i)]);
    }
    panel.uruchom([&](const Bajty8& z, int nr) -> std::optional<Bajty8> {
        if (z[ramka::offNrFunkcji] == ramka::nrZapytaniaIdentyfikacji)
            return odpowiedzPanelu(flagiTypu4, ramka::nrOdpowiedziIdentyfikacji,
                                   tekst("PSC7800V1.5"));
        if (nr == 1) {
            // The second reply waits until the root has been replaced.
            std::unique_lock l(m);
            cv.wait_for(l, 5s, [&] { return odpowiadaj; });
        }
        if (nr > 2) return std::nullopt;
        ++wyslane;
        return odpowiedzPanelu(flagiTypu4, z[ramka::offNrFunkcji],
                               bloki[static_cast<std::size_t>(nr)]);
    });

    // The held reply must arrive while its read is still outstanding.
    port.ustalReadTotalTimeoutConstant(3000);
    ASSERT_TRUE(port.ustawTimeouty());
    t.ustalTypTransmisji(typTransmisji::Odczyt);
    t.ustalBlokDanych(pocz, pocz + 3);
    wyslijTerazTikiem();
    ASSERT_TRUE(czekajAz([&] { return panel.liczbaZadan() == 2; }));

    t.wstrzymaj();
    Centrala* stara = biezacaCentrala;
    biezacaCentrala = utworzCentrale(0).release();
    biezacaCentrala->ustawRozmiary();
    biezacaCentrala->budujTabliceElementow();
    delete stara; // a reply applied from here on would write freed memory
    {
        std::lock_guard l(m);
        odpowiadaj = true;
    }
    cv.notify_all();
    ASSERT_TRUE(czekajAz([&] { return wyslane == 2; }));
    std::this_thread::sleep_for(400ms); // the read ends and the worker handles it

    EXPECT_EQ(t.podajElement(), pocz + 1) << "the dropped reply does not advance";
    EXPECT_NE(s.c().strefy[1]->podajKomunikat(), "Stara 1");
    EXPECT_EQ(panel.liczbaZadan(), 2u) << "nothing is sent while stopped";

    // Once resumed, the engine works on the new root.
    t.wznow();
    t.ustalTypTransmisji(typTransmisji::Test);
    ASSERT_TRUE(czekajAz([&] {
        wyslijTerazTikiem();
        return czekajAz([&] { return t.podajFazeTestu() == 2; }, 200ms);
    }));
    EXPECT_EQ(s.c().podajWersjeOprogramowania(), 15);
}

// The range window edits the memory range and kind, and a memory read is prepared, while the
// test type keeps polling the status on the worker: the worker reads those values for each
// status request.
TEST_F(TransmisjaZPanelem, TheMemoryRangeMayBeEditedWhileTheStatusIsPolled) {
    panel.uruchom([](const Bajty8& z, int) -> std::optional<Bajty8> {
        if (z[ramka::offNrFunkcji] == ramka::nrZapytaniaIdentyfikacji)
            return odpowiedzPanelu(flagiTypu4, ramka::nrOdpowiedziIdentyfikacji,
                                   tekst("PSC7800V1.5 2019"));
        return odpowiedzPanelu(flagiTypu4, ramka::nrOdpowiedziStanuPamieci, {0, 0, 0, 0x01, 0x2C});
    });
    const auto statusy = [&] {
        std::vector<Bajty8> s;
        for (const Bajty8& z : panel.zadania())
            if (z[ramka::offNrFunkcji] == ramka::nrZapytaniaPamieci) s.push_back(daneZadania(z));
        return s;
    };
    using Zegar = std::chrono::steady_clock;
    const auto koniec = Zegar::now() + 10s;
    int faza = -1;
    auto ostatniTik = Zegar::now() - 1s;
    for (int i = 0; statusy().size() < 6 && Zegar::now() < koniec; ++i) {
        pamiec.ustalRodzajPamieci(i % 2 == 0 ? PamiecZdarzen::pamiecZdarzenRodzaj
                                             : PamiecZdarzen::pamiecAlarmowRodzaj);
        pamiec.ustalZakres(1, 10 + i % 7);
        pamiec.ustalLiczbeOdczytanych(0);
        // The next request goes out once the last reply is in (the phase moved), or after a
        // lost one; a request sent sooner would cut the read of the reply short.
        if (i % 5 == 0 && (t.podajFazeTestu() != faza || Zegar::now() - ostatniTik > 300ms)) {
            faza = t.podajFazeTestu();
            ostatniTik = Zegar::now();
            wyslijTerazTikiem();
        }
        std::this_thread::sleep_for(1ms);
    }
    const std::vector<Bajty8> s = statusy();
    ASSERT_GE(s.size(), 6u);
    for (const Bajty8& d : s) {
        ASSERT_EQ(d.size(), 5u);
        EXPECT_TRUE(d[3] == PamiecZdarzen::pamiecZdarzenRodzaj ||
                    d[3] == PamiecZdarzen::pamiecAlarmowRodzaj);
    }
    ASSERT_TRUE(czekajAz([&] { return pamiec.podajLiczbeZdarzen() == 300; }));
}

// The public entries to the frame handling take the engine's lock, so a caller on another
// thread does not meet a handler half-way.
TEST_F(TransmisjaZPanelem, FramesHandedInDirectlyShareTheWorkersLock) {
    const Bajty8 identyfikacja =
        odpowiedzPanelu(flagiTypu4, ramka::nrOdpowiedziIdentyfikacji, tekst("PSC7800V1.5 2019"));
    panel.uruchom(
        [identyfikacja](const Bajty8&, int) -> std::optional<Bajty8> { return identyfikacja; });
    for (int i = 0; i < 30; ++i) {
        wyslijTerazTikiem();
        ramka::BuforRamki bufor{};
        EXPECT_GT(t.wyslijDane(bufor), 0) << "the test type always has a request";
        EXPECT_EQ(t.odbierzDane(identyfikacja), 0);
        std::this_thread::sleep_for(2ms);
    }
    EXPECT_EQ(t.podajFazeTestu(), 2);
    EXPECT_EQ(t.sprawdzLicznikiBledowMin(), kodBledu::brak);
    EXPECT_GE(panel.liczbaZadan(), 1u);
}

// The window closes and reopens the port while the worker keeps sending and reading on it: a
// request meets either the open device or a refusal, and the run carries on once reopened.
TEST_F(TransmisjaZPanelem, ThePortMayBeClosedAndReopenedUnderTheWorker) {
    panel.uruchom([](const Bajty8&, int) -> std::optional<Bajty8> {
        return odpowiedzPanelu(flagiTypu4, ramka::nrOdpowiedziIdentyfikacji,
                               tekst("PSC7800V1.5 2019"));
    });
    for (int i = 0; i < 20; ++i) {
        wyslijTerazTikiem();
        std::this_thread::sleep_for(std::chrono::milliseconds(i % 4));
        port.zamknijPort();
        wyslijTerazTikiem();
        ASSERT_EQ(port.otworzPort(), 0);
        ASSERT_TRUE(port.ustawKonfiguracje());
        ASSERT_TRUE(port.ustawTimeouty());
    }
    ASSERT_TRUE(czekajAz([&] {
        wyslijTerazTikiem();
        return czekajAz([&] { return t.podajFazeTestu() == 2; }, 200ms);
    }));
    EXPECT_FALSE(port.czyAwaria());
}

// A memory read stores each entry asked for, newest range first to last, while the window
// shows the count read so far; nothing is asked for past the range.
TEST_F(TransmisjaZPanelem, AMemoryReadStoresTheRangeWhileTheWindowWatchesTheCount) {
    ASSERT_EQ(pamiec.ustalLiczbeZdarzen(300), 0);
    ASSERT_EQ(pamiec.ustalZakres(1, 5), 0); // the five newest: 296..300
    ASSERT_EQ(pamiec.ustalLiczbeOdczytanych(0), 0);
    panel.uruchom([](const Bajty8& z, int) -> std::optional<Bajty8> {
        const Bajty8 d = daneZadania(z);
        const std::string opis = "Wpis " + std::to_string(d[1] << 8 | d[2]);
        Bajty8 rekord = {0, d[1], d[2], 0x01, 0x2C};
        rekord.insert(rekord.end(), opis.begin(), opis.end());
        rekord.push_back(0);
        return odpowiedzPanelu(flagiTypu4, ramka::nrZapytaniaPamieci, rekord);
    });

    t.ustalTypTransmisji(typTransmisji::Pamiec);
    t.ustalBlokPamieci(pamiec.podajPierwsze(), pamiec.podajOstatnie() + 1);
    wyslijTerazTikiem();
    int widoczna = 0;
    ASSERT_TRUE(czekajAz([&] {
        const int n = pamiec.podajLiczbeOdczytanych();
        EXPECT_GE(n, widoczna) << "the count only grows";
        widoczna = n;
        return t.czyKoniec();
    }));
    std::this_thread::sleep_for(100ms);

    ASSERT_EQ(pamiec.podajLiczbeOdczytanych(), 5);
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(pamiec.podajZdarzenie(i), nullptr);
        EXPECT_EQ(pamiec.podajZdarzenie(i)->podajNumer(), 296 + i);
        EXPECT_EQ(pamiec.podajZdarzenie(i)->podajTekst(), "Wpis " + std::to_string(296 + i));
    }
    EXPECT_EQ(panel.liczbaZadan(), 5u);
    EXPECT_EQ(t.podajPostep(), 100);
    EXPECT_EQ(t.sprawdzLicznikiBledow(), kodBledu::brak);
}

TEST(TransmisjaBezPortu, SkippingAMemoryEntryAsksForTheNextOne) {
    Srodowisko s(4);
    PortRS port("COM1");
    PamiecZdarzen pamiec;
    Transmisja t(port, 0, 1);
    t.ustalPamiec(&pamiec);
    ASSERT_EQ(pamiec.ustalLiczbeZdarzen(50), 0);
    ASSERT_EQ(pamiec.ustalZakres(3, 10), 0); // entries 41..48
    ASSERT_EQ(pamiec.ustalLiczbeOdczytanych(0), 0);
    t.ustalTypTransmisji(typTransmisji::Pamiec);
    t.ustalBlokPamieci(pamiec.podajPierwsze(), pamiec.podajOstatnie() + 1);
    const auto rekord = [](int numer) {
        Bajty8 r = {
            0, static_cast<std::uint8_t>(numer >> 8), static_cast<std::uint8_t>(numer), 0, 50, 'x',
            0};
        return odpowiedzPanelu(flagiTypu4, ramka::nrZapytaniaPamieci, r);
    };
    const auto zadanyWpis = [&t] {
        ramka::BuforRamki b{};
        EXPECT_GT(t.wyslijDane(b), 0);
        return b[ramka::offDane + 1] << 8 | b[ramka::offDane + 2];
    };

    ASSERT_EQ(zadanyWpis(), 41);
    // Entry 41 comes back under another number: a range error naming the entry, not an index.
    EXPECT_NE(t.odbierzDane(rekord(7)), 0);
    EXPECT_EQ(t.podajLicznikBledowZakresu(0), 1);
    EXPECT_EQ(t.podajElement(), 41);
    t.zerujLicznikiBledow();
    t.zwiekszNrBloku();
    EXPECT_EQ(t.podajElement(), 42);
    EXPECT_EQ(zadanyWpis(), 42);
    EXPECT_EQ(t.odbierzDane(rekord(42)), 0);
    EXPECT_EQ(pamiec.podajLiczbeOdczytanych(), 1);
    EXPECT_EQ(zadanyWpis(), 43);
}
