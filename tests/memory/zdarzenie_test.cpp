// One record of the event memory: decoding, printout, XML lines, and the documents of a read.
#include <gtest/gtest.h>

#include "lang/kodowanie.h"
#include "memory/dokument_pamieci.h"
#include "memory/pamiec_zdarzen.h"
#include "report/katalog_testowy.h"
#include "wspolne/srodowisko.h"

namespace {

Bajty rekord(int numer, std::string_view tekst, bool zero = true) {
    Bajty b = {0, static_cast<std::uint8_t>(numer >> 8), static_cast<std::uint8_t>(numer), 0, 0};
    b.insert(b.end(), tekst.begin(), tekst.end());
    if (zero) b.push_back(0);
    return b;
}

// Windows-1250 text as the panel sends it, in code page 852.
std::string na852(std::string_view t) {
    std::string w(t);
    for (char& c : w) c = static_cast<char>(::na852(static_cast<unsigned char>(c)));
    return w;
}

Zdarzenie odczytany(std::string_view tekst, int numer = 1, int liczba = 0) {
    Zdarzenie z(liczba);
    EXPECT_EQ(z.odczytajBlok(rekord(numer, tekst)), 0);
    return z;
}

} // namespace

TEST(Zdarzenie, DecodesNumberAndTextInCodePage852) {
    Srodowisko s;
    // "POŻAR Łódź" in Windows-1250.
    const std::string polski = "PO\xAF"
                               "AR \xA3\xF3\x64\x9F\rL1 A005\r2026-01-02 10:11";
    const Bajty b = rekord(0x0123, na852(polski));
    EXPECT_EQ(b[7], 0xBD);  // Ż in code page 852
    EXPECT_EQ(b[11], 0x9D); // Ł
    Zdarzenie z(300);
    ASSERT_EQ(z.odczytajBlok(b), 0);
    EXPECT_EQ(z.podajNumer(), 0x0123);
    EXPECT_EQ(z.podajTekst(), polski);
    EXPECT_EQ(z.podajNazwe(), "Zdarzenie nr 9"); // 300 - 291
    EXPECT_EQ(z.podajLinie(2), "L1 A005");
    EXPECT_EQ(z.podajLinie(3), "2026-01-02 10:11");
    EXPECT_EQ(z.podajLinie(4), "");
    EXPECT_EQ(z.podajLinie(0), "");
    EXPECT_TRUE(z.czyDrukowac());
    EXPECT_FALSE(z.czyPrzesylac());
}

TEST(Zdarzenie, TextEndsAtItsZeroThePayloadOrTheField) {
    Srodowisko s;
    EXPECT_EQ(odczytany(std::string("ab\0cd", 5)).podajTekst(), "ab");
    Zdarzenie z;
    ASSERT_EQ(z.odczytajBlok(rekord(1, "bez zera", false)), 0);
    EXPECT_EQ(z.podajTekst(), "bez zera");
    ASSERT_EQ(z.odczytajBlok(rekord(1, std::string(300, 'x'))), 0);
    EXPECT_EQ(z.podajTekst(), std::string(255, 'x'));
    ASSERT_EQ(z.odczytajBlok(rekord(1, "", false)), 0);
    EXPECT_EQ(z.podajTekst(), "");
}

TEST(Zdarzenie, RefusesAPayloadShorterThanTheRecord) {
    Srodowisko s;
    const Bajty b = rekord(0x0207, "tekst");
    const int wyniki[] = {1, 1, 1, 2, 2};
    for (std::size_t n = 0; n < 5; ++n) {
        SCOPED_TRACE(n);
        Zdarzenie z;
        // Only the heap copy is handed over, so a read past its end is caught.
        const Bajty krotki(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n));
        EXPECT_EQ(z.odczytajBlok(krotki), wyniki[n]);
        EXPECT_EQ(z.podajTekst(), "");
    }
}

TEST(Zdarzenie, PrintsEachLineThenARule) {
    Srodowisko s;
    Zdarzenie z = odczytany("ALARM\rStrefa 1\r2026-03-04");
    std::string b = "x";
    z.drukujWiersz(b);
    EXPECT_EQ(b, "xALARM\nStrefa 1\n2026-03-04----------------------------------------\n\n");
    b.clear();
    odczytany("A\rB\rC\r").drukujWiersz(b);
    EXPECT_EQ(b, "A\nB\nC\n" + std::string(40, '-') + "\n\n");
}

TEST(Zdarzenie, XmlLineIsEscapedWellFormedUtf8) {
    Srodowisko s;
    struct Przypadek {
        std::string tekst; // Windows-1250 before coding for the panel
        int k;
        std::string xml;
    };
    const Przypadek przypadki[] = {
        {"Strefa 12 - wejscie\rdrugi", 1, "Strefa 12 - wejscie"},
        {"Strefa 12\rdrugi", 2, "drugi"},
        {"jeden", 2, ""},
        {"a\r\rc", 2, ""},
        {"P<1> & \"R\" 'S'", 1, "P&lt;1&gt; &amp; \"R\" 'S'"},
        {"\xA3\xF3\x64\x9F", 1, "\xC5\x81\xC3\xB3\x64\xC5\xBA"},
        // Bytes with no letter behind them, and control characters, become "#".
        {"a\x01\x1F\tb\x80\xB0", 1, "a##\tb##"},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.tekst);
        Zdarzenie z = odczytany(na852(c.tekst));
        std::string b = "<m>";
        z.zapiszXML(b, static_cast<std::uint8_t>(c.k));
        EXPECT_EQ(b, "<m>" + c.xml);
        EXPECT_EQ(z.podajLinieXML(c.k), c.xml);
    }
}

TEST(Zdarzenie, XmlLineUnderOtherLanguagesTakesTheirCodePage) {
    struct Przypadek {
        const char* jezyk;
        std::string tekst, xml;
    };
    // No code page 852 under these languages: the bytes are the text.
    const Przypadek przypadki[] = {
        {"russian", "\xCF\xEE\xE6\xE0\xF0 \x82\x85\xA9\xB9\xA8 <1>",
         "Пожар \xE2\x80\x9A###Ё &lt;1&gt;"},
        {"spanish", "Caf\xE9 & \x81", "Café &amp; #"},
    };
    for (const auto& c : przypadki) {
        SCOPED_TRACE(c.jezyk);
        Srodowisko s;
        KatalogTestowy k;
        k.ustawJezyk(s.j, c.jezyk);
        EXPECT_EQ(odczytany(c.tekst).podajLinieXML(1), c.xml);
    }
}

TEST(DokumentPamieci, EventsInReadingOrderWithDatesFoundByTheirYear) {
    Srodowisko s;
    PamiecZdarzen p;
    ASSERT_EQ(p.odczytajStatus(Bajty{0, 0, 0, 0, 50}), 50);
    ASSERT_EQ(p.ustalZakres(9, 10), 0); // entries 41, 42
    ASSERT_EQ(p.dodajZdarzenie(rekord(41, "ALARM\r2026-01-02\rA & B")), 0);
    ASSERT_EQ(p.dodajZdarzenie(rekord(42, "<USZK>\r19.5\r2026\r20")), 0);
    EXPECT_EQ(dokumentXMLPamieci(p),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><event_memory>"
              "<event><nr>10</nr><message>ALARM</message><date>2026-01-02</date>"
              "<message>A &amp; B</message><message></message></event>"
              "<event><nr>9</nr><message>&lt;USZK&gt;</message><message>19.5</message>"
              "<date>2026</date><date>20</date></event></event_memory>");

    const auto linie = liniePamieci(p, "CENTRALA", "2026-12-11", "13:00");
    const std::string regula(40, '-');
    const std::vector<std::string> oczekiwane = {
        "CENTRALA",   tekst(373),       "Data odczytu: 2026-12-11 Czas odczytu: 13:00",
        "",           "---10---",       "ALARM",
        "2026-01-02", "A & B" + regula, "",
        "---9---",    "<USZK>",         "19.5",
        "2026",       "20" + regula,    ""};
    ASSERT_EQ(linie.size(), oczekiwane.size());
    for (std::size_t i = 0; i < linie.size(); ++i) EXPECT_EQ(linie[i], oczekiwane[i]) << i;
}

TEST(DokumentPamieci, AlarmsNewestFirst) {
    Srodowisko s;
    PamiecZdarzen p;
    ASSERT_EQ(p.ustalRodzajPamieci(2), 0);
    ASSERT_EQ(p.odczytajStatus(Bajty{0, 0, 0, 0, 50}), 50);
    ASSERT_EQ(p.ustalZakres(1, 2), 0); // entries 0, 1
    ASSERT_EQ(p.dodajZdarzenie(rekord(0, "1\rPO\xBD"
                                         "AR\r2026-01-01")),
              0);
    ASSERT_EQ(p.dodajZdarzenie(rekord(1, "2\rA>B\r2026-01-02")), 0);
    EXPECT_EQ(dokumentXMLPamieci(p),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?><alarm_memory>"
              "<event><nr>2</nr><message>A&gt;B</message><date>2026-01-02</date></event>"
              "<event><nr>1</nr><message>PO\xC5\xBB"
              "AR</message><date>2026-01-01</date></event></alarm_memory>");
    const auto linie = liniePamieci(p, "C", "d", "t");
    // A text without a closing carriage return has the rule on its last line.
    ASSERT_EQ(linie.size(), 4u + 4 + 4);
    EXPECT_EQ(linie[1], tekst(374));
    EXPECT_EQ(linie[4], "2");
    EXPECT_EQ(linie[6], "2026-01-02" + std::string(40, '-'));
    EXPECT_EQ(linie[8], "1");
}
