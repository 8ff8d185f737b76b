// The XML export against the files it writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "core/xml.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/brx.h"
#include "elements/outputs/brx_par.h"
#include "elements/outputs/lk.h"
#include "elements/outputs/ls.h"
#include "elements/outputs/pk.h"
#include "katalog_testowy.h"
#include "report/crc32.h"
#include "report/eksport_xml.h"
#include "report/modul_centrali.h"
#include "report/utf8_xml.h"
#include "wspolne/otoczenie_testowe.h"
#include "wspolne/srodowisko.h"

namespace {

constexpr int typ7800 = 4;
constexpr int typ7200 = 6;

std::string eksportuj(const KatalogTestowy& k, const std::string& nazwa = "konfiguracja.xml") {
    const std::string plik = k.plik(nazwa);
    EXPECT_EQ(eksportujXML(plik), WynikZapisu::ok);
    return czytajPlik(plik);
}

// The checksummed part: from "<system>" to the end of "</system>".
std::string_view systemDokumentu(std::string_view d) {
    const std::size_t koniec = d.find("</system>");
    if (koniec == std::string_view::npos || d.size() < poczatekSystemuXML) return {};
    return d.substr(poczatekSystemuXML, koniec + 9 - poczatekSystemuXML);
}

std::string crcDokumentu(std::string_view d) {
    const std::size_t p = d.find("<crc>");
    return p == std::string_view::npos ? std::string() : std::string(d.substr(p + 5, 8));
}

// A panel with something of every complete kind in use, its control line 1 carrying `komunikat`.
void wypelnij(Centrala& c, const std::string& komunikat = "Alarm techniczny") {
    c.blc->ustalZadeklarowany(1, true);
    c.blc->ustalLiniePromieniowa(1, 2, true);
    c.brx->ustalZadeklarowany(2, true);
    ASSERT_EQ(c.lk[0]->ustalWariant(3), 0);
    c.lk[0]->ustalKomunikatAlarmu(komunikat);
    ASSERT_EQ(c.ls[1]->ustalTyp(1), 0);
    ASSERT_EQ(c.pk[15]->ustalTyp(1), 0);
}

bool czyJestXmllint() {
    return std::system("xmllint --version > /dev/null 2>&1") == 0;
}

} // namespace

TEST(EksportXML, EmptyConfigurationYieldsTheWholeFrame) {
    Srodowisko s;
    KatalogTestowy k;
    const std::string d = eksportuj(k);

    std::string pk1;
    s.c().pk[0]->zapiszXML(pk1, grupaXML::wyjscia);
    const std::string oczekiwany =
        std::string(deklaracjaXML) +
        "<setup><system><zones></zones><line_elements></line_elements><modules>"
        "<module><id>00FFFFFF</id><control_panel>0</control_panel><lines></lines>"
        "<modules></modules><inputs></inputs><outputs><output><nr>1</nr><id>1000FF01</id>"
        "</output></outputs></module></modules><inputs></inputs><outputs>" +
        kodujUTF8(pk1) + "</outputs></system>";
    ASSERT_EQ(d.substr(0, oczekiwany.size()), oczekiwany);
    EXPECT_FALSE(pk1.empty()); // the fault relay is listed even with type 0
    EXPECT_EQ(d.substr(oczekiwany.size()),
              "<crc>" + kluczXML(crc32(systemDokumentu(d))) + "</crc></setup>");
    EXPECT_EQ(d.substr(38, 15), "<setup><system>");
}

TEST(EksportXML, PanelModuleListsDeclaredPackagesAndTheLinesInUse) {
    Srodowisko s(typ7800);
    Centrala& c = s.c();
    wypelnij(c);
    c.blc->ustalZadeklarowany(2, true);
    c.brx->ustalZadeklarowany(4, true);
    std::string m;
    dopiszModulCentrali(m, c);
    EXPECT_EQ(m, "<module><id>00FFFFFF</id><control_panel>4</control_panel><lines>"
                 "<line><nr>1</nr><mode>0</mode></line><line><nr>2</nr><mode>0</mode></line>"
                 "<line><nr>3</nr><mode>1</mode></line><line><nr>4</nr><mode>0</mode></line>"
                 "<line><nr>5</nr><mode>0</mode></line><line><nr>6</nr><mode>0</mode></line>"
                 "<line><nr>7</nr><mode>0</mode></line><line><nr>8</nr><mode>0</mode></line>"
                 "</lines><modules><module><nr>2</nr><id>" +
                     kluczXML(c.brxPar[1]->podajKlucz()) + "</id></module><module><nr>4</nr><id>" +
                     kluczXML(c.brxPar[3]->podajKlucz()) +
                     "</id></module></modules>"
                     "<inputs><input><nr>1</nr><id>1000FF03</id></input></inputs><outputs>"
                     "<output><nr>2</nr><id>2000FF02</id></output>"
                     "<output><nr>1</nr><id>1000FF01</id></output>"
                     "<output><nr>16</nr><id>0000FF01</id></output></outputs></module>");

    KatalogTestowy k;
    EXPECT_NE(eksportuj(k).find(m), std::string::npos);
}

TEST(EksportXML, ModelWithoutExtensionPackagesListsNoneWhateverTheFlags) {
    Srodowisko s(typ7200);
    ASSERT_EQ(s.c().liczbaBrx, 0);
    s.c().brx->ustalZadeklarowany(1, true);
    std::string m;
    dopiszModulCentrali(m, s.c());
    EXPECT_NE(m.find("</lines><modules></modules>"), std::string::npos);
    KatalogTestowy k;
    EXPECT_NE(eksportuj(k).find("</setup>"), std::string::npos);
}

TEST(EksportXML, CrcIsTheStandardChecksumOfTheSystemElement) {
    Srodowisko s(typ7800);
    wypelnij(s.c(), "Komunikat A");
    KatalogTestowy k;
    const std::string d = eksportuj(k, "a.xml");
    const std::string_view system = systemDokumentu(d);
    ASSERT_TRUE(system.starts_with("<system>"));
    ASSERT_TRUE(system.ends_with("</system>"));
    EXPECT_EQ(crcDokumentu(d), kluczXML(crc32(system)));

    // One character of a user text changes the checksum.
    s.c().lk[0]->ustalKomunikatAlarmu("Komunikat B");
    const std::string d2 = eksportuj(k, "b.xml");
    EXPECT_EQ(crcDokumentu(d2), kluczXML(crc32(systemDokumentu(d2))));
    EXPECT_NE(crcDokumentu(d2), crcDokumentu(d));
}

TEST(EksportXML, UserTextsAreWrittenInTheLanguagesConversion) {
    struct Przypadek {
        const char* jezyk; // empty: the program's own Polish
        std::string tekst, zapisany;
    };
    const Przypadek przypadki[] = {
        {"",
         "\xA3\xF3"
         "d\xBC & <ok>",
         "\xC5\x81\xC3\xB3"
         "d# &amp; &lt;ok&gt;"},
        // Other Latin-script languages keep their code page's letters, not raw bytes that no
        // UTF-8 reader would take.
        {"spanish", "\xA3\xF3", "\xC5\x81\xC3\xB3"},
        {"russian", "\xCF\xEE\xE6\xE0\xF0\x85", "Пожар#"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.jezyk);
        Srodowisko s(typ7800);
        KatalogTestowy k;
        if (*p.jezyk != '\0') k.ustawJezyk(s.j, p.jezyk);
        wypelnij(s.c(), p.tekst);
        const std::string d = eksportuj(k);
        EXPECT_NE(d.find("<tech_alarm_message>" + p.zapisany), std::string::npos);
    }
}

TEST(EksportXML, GaugeEndsEachPassBelowTheNextAndStopsAt99) {
    Srodowisko s; // the generic root: 3749 entries
    KatalogTestowy k;
    std::vector<int> wartosci;
    ASSERT_EQ(eksportujXML(k.plik("x.xml"), [&](int w) { wartosci.push_back(w); }),
              WynikZapisu::ok);
    ASSERT_FALSE(wartosci.empty());
    EXPECT_EQ(wartosci.front(), 0);
    EXPECT_EQ(wartosci.back(), 99);
    EXPECT_TRUE(std::is_sorted(wartosci.begin(), wartosci.end()));
    const auto p19 = std::find(wartosci.begin(), wartosci.end(), 19);
    ASSERT_NE(p19, wartosci.end());
    EXPECT_EQ(*(p19 + 1), 20);
    EXPECT_EQ(postepEksportu(0, 3748, 3749), 19);
    EXPECT_EQ(postepEksportu(4, 3748, 3749), 99);
    EXPECT_EQ(postepEksportu(2, 0, 0), 40); // no table, no division by zero
}

TEST(EksportXML, RetryTimerIsStoppedOnlyWhileWriting) {
    Srodowisko s;
    KatalogTestowy k;
    OtoczenieTestowe o;
    int wTrakcie = -1;
    ASSERT_EQ(eksportujXML(
                  k.plik("x.xml"), [&](int) { wTrakcie = o.ponawianie; }, &o),
              WynikZapisu::ok);
    EXPECT_EQ(wTrakcie, 0);
    EXPECT_EQ(o.ponawianie, 1);
}

TEST(EksportXML, FailureIsReportedAndLeavesTheTargetAsItWas) {
    Srodowisko s;
    KatalogTestowy k;

    EXPECT_EQ(eksportujXML(k.plik("brak/x.xml")), WynikZapisu::nieMoznaUtworzyc);

    // A folder in the target's place cannot be replaced; nothing is left beside it.
    std::filesystem::create_directory(k.plik("folder.xml"));
    std::ofstream(k.plik("folder.xml/w.txt")) << "w";
    EXPECT_EQ(eksportujXML(k.plik("folder.xml")), WynikZapisu::nieMoznaZastapic);
    EXPECT_TRUE(std::filesystem::is_directory(k.plik("folder.xml")));
    EXPECT_EQ(k.nazwyPlikow(), std::vector<std::string>{"folder.xml"});

    // An earlier file is replaced whole.
    std::ofstream(k.plik("stary.xml")) << std::string(100000, 'x');
    ASSERT_EQ(eksportujXML(k.plik("stary.xml")), WynikZapisu::ok);
    EXPECT_TRUE(czytajPlik(k.plik("stary.xml")).starts_with(deklaracjaXML));
    EXPECT_TRUE(czytajPlik(k.plik("stary.xml")).ends_with("</setup>"));
    EXPECT_EQ(k.nazwyPlikow().size(), 2u);
}

TEST(EksportXML, WithoutAConfigurationNothingIsWritten) {
    Srodowisko s;
    KatalogTestowy k;
    Centrala* c = biezacaCentrala;
    biezacaCentrala = nullptr;
    EXPECT_EQ(eksportujXML(k.plik("x.xml")), WynikZapisu::brakKonfiguracji);
    biezacaCentrala = c;
    EXPECT_TRUE(k.nazwyPlikow().empty());
}

TEST(EksportXML, DocumentOfAPopulatedConfigurationIsWellFormed) {
    if (!czyJestXmllint()) GTEST_SKIP() << "xmllint (libxml2-utils) is not installed";
    for (const char* jezyk : {"", "spanish", "russian"}) {
        SCOPED_TRACE(jezyk);
        Srodowisko s(typ7800);
        KatalogTestowy k;
        if (*jezyk != '\0') k.ustawJezyk(s.j, jezyk);
        // Every byte a record may bring into a user text.
        std::string wszystkie;
        for (int b = 1; b < 256; ++b) wszystkie += static_cast<char>(b);
        wypelnij(s.c(), wszystkie.substr(0, 64));
        s.c().lk[1]->ustalWariant(3);
        s.c().lk[1]->ustalKomunikatAlarmu(wszystkie.substr(64, 64));
        s.c().lk[2]->ustalWariant(3);
        s.c().lk[2]->ustalKomunikatAlarmu(wszystkie.substr(128, 64));
        s.c().lk[3]->ustalWariant(3);
        s.c().lk[3]->ustalKomunikatAlarmu(wszystkie.substr(192));
        const std::string plik = k.plik("pelna.xml");
        ASSERT_EQ(eksportujXML(plik), WynikZapisu::ok);
        EXPECT_EQ(std::system(("xmllint --noout '" + plik + "'").c_str()), 0);
    }
}
