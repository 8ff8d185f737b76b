// panelcfg-cli run as a user runs it: exit codes, files it writes, what it prints.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

#include "core/plik_konfiguracji.h"
#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/lines/typ_elementu.h"
#include "platform/pliki.h"
#include "wspolne/katalog_testu.h"
#include "wspolne/otoczenie_testowe.h"
#include "wspolne/srodowisko.h"
#include "wspolne/uruchom_cli.h"

namespace fs = std::filesystem;

namespace {

class Cli : public ::testing::Test {
protected:
    Cli() { katalog = nowyKatalogTestu("panelcfg-cli"); }
    ~Cli() override { fs::remove_all(katalog); }
    std::string p(const std::string& nazwa) const { return (katalog / nazwa).string(); }

    fs::path katalog;
};

TEST_F(Cli, NewInfoCheckOnEveryModel) {
    for (const char* model : {"7800", "7400", "7600", "7200", "generic"}) {
        const auto nowy = uruchom("new --model " + std::string(model) + " -o " + p("a.ctr"));
        ASSERT_EQ(nowy.kod, 0) << model << nowy.wyjscie;
        EXPECT_EQ(sprawdzSumeKontrolna(p("a.ctr")), 0);
        const auto info = uruchom("info " + p("a.ctr"));
        EXPECT_EQ(info.kod, 0) << info.wyjscie;
        EXPECT_NE(info.wyjscie.find("checksum: correct"), std::string::npos) << info.wyjscie;
        EXPECT_NE(info.wyjscie.find("version stamp: v3.1"), std::string::npos);
        const auto check = uruchom("check " + p("a.ctr"));
        EXPECT_EQ(check.kod, 0) << model << check.wyjscie;
    }
    EXPECT_NE(uruchom("info " + p("a.ctr")).wyjscie.find("signature MERAK7000"), std::string::npos);
}

TEST_F(Cli, CheckReportsDamagedFiles) {
    ASSERT_EQ(uruchom("new --model 7800 -o " + p("a.ctr")).kod, 0);
    auto d = *platform::czytajPlik(p("a.ctr"));

    auto zmieniony = d;
    zmieniony[100] ^= 1;
    ASSERT_TRUE(platform::zapiszPlik(p("suma.ctr"), zmieniony));
    const auto suma = uruchom("check " + p("suma.ctr"));
    EXPECT_EQ(suma.kod, 1);
    EXPECT_NE(suma.wyjscie.find("Nieprawidłowy format lub uszkodzony plik !"), std::string::npos)
        << suma.wyjscie;

    // The first relay record made invalid, with the trailer fixed: one refused record.
    const std::vector<std::uint8_t> poczatek = {74, 1, 1};
    auto it = std::search(d.begin(), d.end(), poczatek.begin(), poczatek.end());
    ASSERT_NE(it, d.end());
    *(it + 3) = 9;
    const std::uint16_t s = sumaKontrolna(std::span(d).first(d.size() - 2));
    d[d.size() - 2] = static_cast<std::uint8_t>(s >> 8);
    d[d.size() - 1] = static_cast<std::uint8_t>(s);
    ASSERT_TRUE(platform::zapiszPlik(p("rekord.ctr"), d));
    const auto rekord = uruchom("check " + p("rekord.ctr"));
    EXPECT_EQ(rekord.kod, 1);
    EXPECT_NE(rekord.wyjscie.find("\tPK nr 1\tfield 3"), std::string::npos) << rekord.wyjscie;

    ASSERT_TRUE(
        platform::zapiszPlik(p("tekst.ctr"), std::vector<std::uint8_t>{'h', 'e', 'l', 'l', 'o'}));
    EXPECT_EQ(uruchom("check " + p("tekst.ctr")).kod, 1);
    EXPECT_EQ(uruchom("check " + p("brak.ctr")).kod, 1);
}

TEST_F(Cli, XmlAndPrintout) {
    ASSERT_EQ(uruchom("new --model 7600 -o " + p("a.ctr")).kod, 0);
    ASSERT_EQ(uruchom("xml " + p("a.ctr") + " -o " + p("a.xml")).kod, 0);
    std::ifstream xml(p("a.xml"));
    const std::string dokument((std::istreambuf_iterator<char>(xml)),
                               std::istreambuf_iterator<char>());
    EXPECT_EQ(dokument.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?><setup><system><zones>", 0),
              0u);
    EXPECT_NE(dokument.find("<control_panel>3</control_panel>"), std::string::npos);

    ASSERT_EQ(uruchom("print " + p("a.ctr") + " -o " + p("a.txt") + " --kinds zones,pk --all").kod,
              0);
    const auto raport = *platform::czytajPlik(p("a.txt"));
    ASSERT_FALSE(raport.empty());
    EXPECT_EQ(raport.back(), 0); // the text's terminating zero
    const std::string tekst(raport.begin(), raport.end() - 1);
    EXPECT_NE(tekst.find("STREFY DOZOROWE"), std::string::npos);
    EXPECT_NE(tekst.find("WYJ\x8C"
                         "CIA PRZEKA"),
              std::string::npos)
        << "relay table heading in Windows-1250";
    EXPECT_EQ(tekst.find("\n\n"), std::string::npos); // every line feed is CR LF
    EXPECT_EQ(uruchom("print " + p("a.ctr") + " -o " + p("b.txt") + " --kinds nothing").kod, 2);
}

TEST_F(Cli, LanguageAndUsage) {
    ASSERT_EQ(uruchom("new --model 7800 -o " + p("a.ctr") + " --lang english").kod, 0);
    const auto info = uruchom("info " + p("a.ctr") + " --lang english");
    EXPECT_EQ(info.kod, 0);
    EXPECT_NE(info.wyjscie.find("MERAK 7800"), std::string::npos) << info.wyjscie;
    EXPECT_EQ(uruchom("info " + p("a.ctr") + " --lang klingon").kod, 1);
    EXPECT_EQ(uruchom("").kod, 2);
    EXPECT_EQ(uruchom("frobnicate").kod, 2);
    EXPECT_EQ(uruchom("new --model 9999 -o " + p("x.ctr")).kod, 2);
    EXPECT_EQ(uruchom("info").kod, 2);
    const auto pomoc = uruchom("--help");
    EXPECT_EQ(pomoc.kod, 0);
    for (const char* polecenie : {"new", "info", "check", "xml", "print"})
        EXPECT_NE(pomoc.wyjscie.find(std::string("  ") + polecenie + " "), std::string::npos)
            << polecenie;
}

// A configuration saved by the core, changed by `zmiana` first.
template <class Zmiana>
void zapiszKonfiguracjeTestu(int typ, const std::string& sciezka, Zmiana zmiana) {
    Srodowisko s(typ);
    zmiana(s.c());
    OtoczenieTestowe o;
    ASSERT_EQ(zapiszKonfiguracje(sciezka, o), WynikPliku::ok);
}

TEST_F(Cli, DiffLintAndCsv) {
    zapiszKonfiguracjeTestu(4, p("a.ctr"), [](Centrala&) {});
    zapiszKonfiguracjeTestu(4, p("b.ctr"),
                            [](Centrala& c) { c.strefy[2]->ustalKomunikat("HALA"); });
    zapiszKonfiguracjeTestu(6, p("c.ctr"), [](Centrala&) {});
    zapiszKonfiguracjeTestu(4, p("d.ctr"), [](Centrala& c) {
        for (int i : {0, 1}) {
            c.elementyLinii[i]->ustalTypZKodu(64);
            c.elementyLinii[i]->podajTyp().ustalNumer(5);
        }
    });

    const auto takieSame = uruchom("diff " + p("a.ctr") + " " + p("a.ctr"));
    EXPECT_EQ(takieSame.kod, 0) << takieSame.wyjscie;
    const auto rozne = uruchom("diff " + p("a.ctr") + " " + p("b.ctr"));
    EXPECT_EQ(rozne.kod, 1) << rozne.wyjscie;
    EXPECT_NE(rozne.wyjscie.find("Strefa nr 3"), std::string::npos) << rozne.wyjscie;
    EXPECT_EQ(rozne.wyjscie.find("Strefa nr 4"), std::string::npos);
    EXPECT_EQ(uruchom("diff " + p("a.ctr") + " " + p("c.ctr")).kod, 2);

    EXPECT_EQ(uruchom("lint " + p("a.ctr")).kod, 0);
    const auto lint = uruchom("lint " + p("d.ctr") + " --format tsv");
    EXPECT_EQ(lint.kod, 1) << lint.wyjscie;
    EXPECT_NE(lint.wyjscie.find("error\tduplicate-logical-number\t"), std::string::npos)
        << lint.wyjscie;

    ASSERT_EQ(uruchom("csv " + p("d.ctr") + " --what devices -o " + p("d.csv")).kod, 0);
    const auto tabela = *platform::czytajPlik(p("d.csv"));
    const std::string tekst(tabela.begin(), tabela.end());
    EXPECT_EQ(std::count(tekst.begin(), tekst.end(), '\n'), 3) << tekst; // header and two devices
    EXPECT_EQ(uruchom("csv " + p("d.ctr") + " --what nothing -o " + p("x.csv")).kod, 2);
}

} // namespace
