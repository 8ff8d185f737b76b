// panelcfg-cli's panel commands against the panel simulator on a pseudo-terminal: what is
// written comes back byte for byte, faults on the line are retried, and a locked panel, a
// vanished port or another model end with the right error.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/centrala.h"
#include "core/plik_konfiguracji.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/lk.h"
#include "elements/outputs/pk.h"
#include "elements/outputs/stos.h"
#include "platform/pliki.h"
#include "wspolne/katalog_testu.h"
#include "wspolne/konfiguracja_pelna.h"
#include "wspolne/otoczenie_testowe.h"
#include "wspolne/proces_symulatora.h"
#include "wspolne/srodowisko.h"
#include "wspolne/uruchom_cli.h"

namespace fs = std::filesystem;

namespace {

struct Model {
    const char* nazwa;
    int typ;
};

class PolecenieCentrali : public ::testing::Test {
protected:
    PolecenieCentrali() { katalog = nowyKatalogTestu("panelcfg-panel"); }
    ~PolecenieCentrali() override { fs::remove_all(katalog); }
    std::string p(const std::string& nazwa) const { return (katalog / nazwa).string(); }

    // A populated configuration of the type, with one source of several stack blocks, saved,
    // loaded and saved again: its bytes are what a read of it gives back.
    std::string konfiguracja(int typ, const std::string& nazwa) {
        const std::string sciezka = p(nazwa);
        OtoczenieTestowe o;
        {
            Srodowisko s(typ);
            wypelnijKonfiguracje(s.c());
            for (int z = 1; z <= 150; ++z)
                s.c().stos->dodajPrzypisanie(Stos::kodPk, 2, 0, Stos::trybStrefy, z, 0, 0);
            EXPECT_EQ(zapiszKonfiguracje(sciezka, o), WynikPliku::ok);
        }
        Srodowisko s(typ);
        EXPECT_EQ(odczytajKonfiguracje(sciezka, o), WynikPliku::ok);
        EXPECT_EQ(zapiszKonfiguracje(sciezka, o), WynikPliku::ok);
        return sciezka;
    }

    static std::string port(Symulator& s) {
        const std::string nazwa = s.pierwszaLinia();
        EXPECT_FALSE(nazwa.empty());
        return nazwa;
    }

    static bool identyczne(const std::string& a, const std::string& b) {
        const auto x = platform::czytajPlik(a), y = platform::czytajPlik(b);
        return x && y && *x == *y;
    }

    fs::path katalog;
};

class ZapisIOdczyt : public PolecenieCentrali, public ::testing::WithParamInterface<Model> {};

TEST_P(ZapisIOdczyt, AWrittenConfigurationReadsBackByteForByte) {
    const Model m = GetParam();
    const std::string plik = konfiguracja(m.typ, "zapisana.ctr");
    Symulator s({"--model", m.nazwa});
    const std::string nazwa = port(s);
    const Wynik zapis = uruchom("write --port " + nazwa + " " + plik);
    ASSERT_EQ(zapis.kod, 0) << zapis.wyjscie;
    EXPECT_NE(zapis.wyjscie.find("writing 100%"), std::string::npos) << zapis.wyjscie;
    const Wynik odczyt =
        uruchom("read --port " + nazwa + " --speed 19200 -o " + p("odczytana.ctr"));
    ASSERT_EQ(odczyt.kod, 0) << odczyt.wyjscie;
    EXPECT_TRUE(identyczne(plik, p("odczytana.ctr")));
}

INSTANTIATE_TEST_SUITE_P(Modele, ZapisIOdczyt,
                         ::testing::Values(Model{"7800", 4}, Model{"7400", 5}, Model{"7600", 3},
                                           Model{"7200", 6}),
                         [](const auto& i) { return std::string("M") + i.param.nazwa; });

TEST_F(PolecenieCentrali, FaultsOnTheLineAreRetriedAndTheFilesStillMatch) {
    const std::string plik = konfiguracja(6, "zapisana.ctr");
    Symulator s({"--model", "7200", "--drop", "1500", "--bad-crc", "2000", "--bad-type", "2500"});
    const std::string nazwa = port(s);
    const Wynik zapis = uruchom("write --port " + nazwa + " " + plik);
    ASSERT_EQ(zapis.kod, 0) << zapis.wyjscie;
    const Wynik odczyt = uruchom("read --port " + nazwa + " -o " + p("odczytana.ctr"));
    ASSERT_EQ(odczyt.kod, 0) << odczyt.wyjscie;
    EXPECT_TRUE(identyczne(plik, p("odczytana.ctr")));
}

TEST_F(PolecenieCentrali, AWriteOfChosenKindsSendsOnlyThose) {
    const std::string plik = konfiguracja(4, "zapisana.ctr");
    Symulator s({"--model", "7800"});
    const std::string nazwa = port(s);
    EXPECT_EQ(uruchom("write --port " + nazwa + " " + plik + " --kinds zonez").kod, 2);
    const Wynik zapis = uruchom("write --port " + nazwa + " " + plik + " --kinds zones,lk");
    ASSERT_EQ(zapis.kod, 0) << zapis.wyjscie;
    ASSERT_EQ(uruchom("read --port " + nazwa + " -o " + p("odczytana.ctr")).kod, 0);
    OtoczenieTestowe o;
    Srodowisko sr(4);
    ASSERT_EQ(odczytajKonfiguracje(p("odczytana.ctr"), o), WynikPliku::ok);
    EXPECT_EQ(sr.c().strefy[0]->podajKomunikat().rfind("Hala ", 0), 0u);
    EXPECT_EQ(sr.c().lk[0]->podajWariant(), 1);
    EXPECT_EQ(sr.c().pk[1]->podajTyp(), 0); // relays were not sent
}

TEST_F(PolecenieCentrali, ALockedPanelRefusesTheWriteWithTheAccessError) {
    const std::string plik = konfiguracja(4, "zapisana.ctr");
    Symulator s({"--model", "7800", "--locked"});
    const Wynik w = uruchom("write --port " + port(s) + " " + plik);
    EXPECT_EQ(w.kod, 3);
    EXPECT_NE(w.wyjscie.find("Brak dostępu do centrali"), std::string::npos) << w.wyjscie;
}

TEST_F(PolecenieCentrali, AVanishedPortEndsTheReadWithThePortError) {
    Symulator s({"--model", "7800", "--vanish-after", "300"});
    const auto poczatek = std::chrono::steady_clock::now();
    const Wynik w = uruchom("read --port " + port(s) + " -o " + p("odczytana.ctr"));
    EXPECT_EQ(w.kod, 3);
    EXPECT_NE(w.wyjscie.find("portem szeregowym"), std::string::npos) << w.wyjscie;
    EXPECT_LT(std::chrono::steady_clock::now() - poczatek, std::chrono::seconds(60));
    EXPECT_FALSE(fs::exists(p("odczytana.ctr")));
}

TEST_F(PolecenieCentrali, AFileOfAnotherModelIsNotWritten) {
    const std::string plik = konfiguracja(4, "7800.ctr");
    Symulator s({"--model", "7600"});
    const Wynik w = uruchom("write --port " + port(s) + " " + plik);
    EXPECT_EQ(w.kod, 1);
    EXPECT_NE(w.wyjscie.find("Nieprawidłowy typ centrali"), std::string::npos) << w.wyjscie;
    EXPECT_EQ(w.wyjscie.find("writing"), std::string::npos) << w.wyjscie;
}

TEST_F(PolecenieCentrali, NoPanelOnANamedPortThatDoesNotExist) {
    const Wynik w = uruchom("read --port ttyNIEMA7 -o " + p("x.ctr"));
    EXPECT_EQ(w.kod, 3);
    EXPECT_FALSE(fs::exists(p("x.ctr")));
}

TEST_F(PolecenieCentrali, DiffAgainstThePanelReadsItFirst) {
    const std::string plik = konfiguracja(3, "7600.ctr");
    Symulator s({"--model", "7600", "--from", plik});
    const std::string nazwa = port(s);
    const Wynik taka = uruchom("diff --port " + nazwa + " " + plik);
    EXPECT_EQ(taka.kod, 0) << taka.wyjscie;
    const std::string inna = p("inna.ctr");
    {
        OtoczenieTestowe o;
        Srodowisko sr(3);
        ASSERT_EQ(odczytajKonfiguracje(plik, o), WynikPliku::ok);
        sr.c().pk[3]->ustalTyp(0);
        ASSERT_EQ(zapiszKonfiguracje(inna, o), WynikPliku::ok);
    }
    const Wynik rozna = uruchom("diff --port " + nazwa + " " + inna);
    EXPECT_EQ(rozna.kod, 1) << rozna.wyjscie;
}

TEST_F(PolecenieCentrali, EventAndAlarmMemoryReadTheChosenRange) {
    Symulator s({"--model", "7800", "--events", "50", "--alarms", "20"});
    const std::string nazwa = port(s);
    // Events are counted from the newest: 3..10 are panel entries 41..48, read oldest first.
    const Wynik z = uruchom("events --port " + nazwa + " --first 3 --last 10 -o " + p("z.txt") +
                            " --xml " + p("z.xml"));
    ASSERT_EQ(z.kod, 0) << z.wyjscie;
    const auto lista = platform::czytajPlik(p("z.txt"));
    ASSERT_TRUE(lista);
    const std::string tekstListy(lista->begin(), lista->end());
    for (int n = 3; n <= 10; ++n)
        EXPECT_NE(tekstListy.find("---" + std::to_string(n) + "---"), std::string::npos) << n;
    EXPECT_EQ(tekstListy.find("---2---"), std::string::npos);
    EXPECT_EQ(tekstListy.find("---11---"), std::string::npos);
    const auto xml = platform::czytajPlik(p("z.xml"));
    ASSERT_TRUE(xml);
    const std::string tekstXml(xml->begin(), xml->end());
    EXPECT_EQ(tekstXml.rfind(
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?><event_memory><event><nr>10</nr>", 0),
              0u)
        << tekstXml.substr(0, 200);

    // Alarms: the whole memory by default, the newest first in the XML.
    const Wynik a = uruchom("events --port " + nazwa + " --alarms --xml " + p("a.xml"));
    ASSERT_EQ(a.kod, 0) << a.wyjscie;
    const auto ax = platform::czytajPlik(p("a.xml"));
    ASSERT_TRUE(ax);
    const std::string tekstA(ax->begin(), ax->end());
    std::size_t zdarzen = 0;
    for (std::size_t i = tekstA.find("<event>"); i != std::string::npos;
         i = tekstA.find("<event>", i + 1))
        ++zdarzen;
    EXPECT_EQ(zdarzen, 20u);
    EXPECT_NE(tekstA.find("<alarm_memory>"), std::string::npos);

    EXPECT_EQ(uruchom("events --port " + nazwa + " --first 0").kod, 2);
    EXPECT_EQ(uruchom("events --port " + nazwa + " --first 5 --last 51").kod, 2);
}

} // namespace
