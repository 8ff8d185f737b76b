// The simulator executable on a real pseudo-terminal.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include "comm/odpowiedz.h"
#include "comm/ramka.h"
#include "core/plik_konfiguracji.h"
#include "elements/lines/strefa.h"
#include "platform/lista_portow.h"
#include "wspolne/katalog_testu.h"
#include "wspolne/konfiguracja_pelna.h"
#include "wspolne/otoczenie_testowe.h"
#include "wspolne/proces_symulatora.h"
#include "wspolne/srodowisko.h"

namespace {

using namespace std::chrono_literals;

// The client's side of the port, in raw mode.
class Klient {
public:
    explicit Klient(const std::string& nazwa) {
        fd = ::open(("/dev/" + nazwa).c_str(), O_RDWR | O_NOCTTY);
        termios t{};
        if (fd < 0 || ::tcgetattr(fd, &t) != 0) return;
        ::cfmakeraw(&t);
        ::tcsetattr(fd, TCSANOW, &t);
    }
    ~Klient() {
        if (fd >= 0) ::close(fd);
    }

    // Sends the request and collects one whole reply frame (or what came within the limit).
    Bajty zapytaj(std::uint8_t nr, const Bajty& dane = {}) {
        Bajty z(dane.size() + ramka::narzutRamki);
        z.resize(static_cast<std::size_t>(ustalBlokRS(ramka::funkcjaZadania, nr, dane, z)));
        if (::write(fd, z.data(), z.size()) != static_cast<ssize_t>(z.size())) return {};
        Bajty r;
        const auto koniec = std::chrono::steady_clock::now() + 10s;
        while (std::chrono::steady_clock::now() < koniec &&
               (r.size() < 2 || r.size() < static_cast<std::size_t>(r[1]) + 1)) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            std::uint8_t b[256];
            const ssize_t n = ::read(fd, b, sizeof b);
            if (n <= 0) break;
            r.insert(r.end(), b, b + n);
        }
        return r;
    }

    int fd = -1;
};

bool naLiscie(const std::string& nazwa) {
    const auto l = platform::listaPortow();
    return std::find(l.begin(), l.end(), nazwa) != l.end();
}

TEST(Symulator, OdpowiadaNaPseudoterminaluIZnikaPoSigterm) {
    Symulator s({});
    ASSERT_GT(s.pid, 0);
    const std::string nazwa = s.pierwszaLinia();
    ASSERT_EQ(nazwa.rfind("pts/", 0), 0u) << nazwa;
    EXPECT_TRUE(naLiscie(nazwa));
    {
        Klient k(nazwa);
        ASSERT_GE(k.fd, 0);
        const Bajty r = k.zapytaj(ramka::nrZapytaniaIdentyfikacji);
        const Odpowiedz o = sprawdzOdpowiedzTestu(r);
        ASSERT_TRUE(o.czyPrzyjeta()) << ::testing::PrintToString(r);
        EXPECT_EQ(o.typCentrali, 4);
        EXPECT_EQ(std::string(o.dane.begin(), o.dane.end()), "PSC7800V4.0");
    }
    // The port stays usable after a client closed it.
    {
        Klient k(nazwa);
        EXPECT_TRUE(sprawdzRamke(k.zapytaj(0xA4, {0, 0, 1})).czyPrzyjeta());
    }
    ::kill(s.pid, SIGTERM);
    EXPECT_EQ(s.czekajNaKoniec(), 0);
    EXPECT_FALSE(naLiscie(nazwa));
}

TEST(Symulator, ZnikaPoNOdpowiedziach) {
    Symulator s({"--model", "7600", "--vanish-after", "2", "--pace", "--speed", "9600"});
    const std::string nazwa = s.pierwszaLinia();
    ASSERT_FALSE(nazwa.empty());
    Klient k(nazwa);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(sprawdzRamke(k.zapytaj(0xA4, {0, 0, 1})).czyPrzyjeta());
    // The paced reply needs at least the wire time of both frames at 9600 bit/s.
    EXPECT_GE(std::chrono::steady_clock::now() - start, 15ms);
    EXPECT_EQ(sprawdzRamke(k.zapytaj(ramka::nrZapytaniaIdentyfikacji)).typCentrali, 3);
    EXPECT_TRUE(sprawdzRamke(k.zapytaj(0xA4, {0, 0, 2})).czyPrzyjeta());
    EXPECT_EQ(s.czekajNaKoniec(), 0);
    EXPECT_FALSE(naLiscie(nazwa));
}

TEST(Symulator, WczytujeKonfiguracjeZPliku) {
    const auto katalog = nowyKatalogTestu("sim");
    const std::string plik = (katalog / "7200.ctr").string();
    Bajty strefa;
    {
        Srodowisko sr(6);
        wypelnijKonfiguracje(sr.c());
        OtoczenieTestowe o;
        ASSERT_EQ(zapiszKonfiguracje(plik, o), WynikPliku::ok);
        sr.c().strefy[0]->zapiszBlok(strefa);
    }
    {
        Symulator s({"--from", plik});
        const std::string nazwa = s.pierwszaLinia();
        ASSERT_FALSE(nazwa.empty());
        Klient k(nazwa);
        EXPECT_EQ(sprawdzRamke(k.zapytaj(ramka::nrZapytaniaIdentyfikacji)).typCentrali, 6);
        const Bajty r = k.zapytaj(0xA4, {0, 0, 1});
        const auto d = podajDane(r);
        EXPECT_EQ(Bajty(d.begin(), d.end()), strefa);
        ::kill(s.pid, SIGINT);
        EXPECT_EQ(s.czekajNaKoniec(), 0);
    }
    std::filesystem::remove_all(katalog);
}

TEST(Symulator, ZleOpcjeIPlikiKoncza2) {
    const auto katalog = nowyKatalogTestu("sim");
    const std::string plik = (katalog / "7200.ctr").string();
    {
        Srodowisko sr(6);
        OtoczenieTestowe o;
        ASSERT_EQ(zapiszKonfiguracje(plik, o), WynikPliku::ok);
    }
    for (const std::vector<std::string>& a :
         std::vector<std::vector<std::string>>{{"--model", "7900"},
                                               {"--firmware", "4"},
                                               {"--events", "10001"},
                                               {"--speed", "115200"},
                                               {"--drop", "0"},
                                               {"--delay"},
                                               {"--from", (katalog / "brak.ctr").string()},
                                               {"--from", plik, "--model", "7800"},
                                               {"--bogus"}}) {
        SCOPED_TRACE(::testing::PrintToString(a));
        Symulator s(a);
        EXPECT_TRUE(s.pierwszaLinia().empty());
        EXPECT_EQ(s.czekajNaKoniec(), 2);
    }
    std::filesystem::remove_all(katalog);
}

} // namespace
