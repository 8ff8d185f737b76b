// WIO elements: record, firmware limits, tie to the line element, stack entries, XML fragments
// and printout rows.
#include <gtest/gtest.h>

#include <random>

#include "core/xml.h"
#include "elements/lines/element.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/wio.h"
#include "lang/kodowanie.h"
#include "wspolne/srodowisko.h"

namespace {

// Gives line element `indeks` the type `kod` with logical number `numer` and mode byte `tryb`.
Element& zadeklaruj(Centrala& c, int indeks, int kod, int numer, int tryb = 0) {
    Element& e = *c.elementyLinii[static_cast<std::size_t>(indeks)];
    EXPECT_EQ(e.ustalTypZKodu(kod), 0);
    EXPECT_EQ(e.podajTyp().ustalNumer(numer), 0);
    e.podajTyp().ustalTryb(tryb);
    return e;
}

// Texts of the program's own table are in code page 1250.
std::string cp(const std::string& utf8) {
    return utf8NaStronaKodowa(utf8, 1250);
}

std::string tekstZ(const Bajty& b, int od, int n) {
    return std::string(b.begin() + od, b.begin() + od + n);
}

// Restores the class print setting other tests rely on.
struct DrukowanieWio {
    int przed = Wio::flagi.drukowanie;
    ~DrukowanieWio() { Wio::flagi.drukowanie = przed; }
};

TEST(Wio, PanelRecordLayout) {
    Srodowisko s(4);
    Wio& w = *s.c().wio[6];
    EXPECT_EQ(w.podajNazwe(), "WIO nr 7");
    EXPECT_EQ(w.podajKomunikat(0), "WIO NR 7    WEJ.1 USZK. NIEMASK.");
    EXPECT_EQ(w.podajKomunikat(3), "WIO NR 7    WEJ.2 - ALARM TECHN.");
    ASSERT_EQ(w.ustalWariant(18), 0);
    w.ustalStrefyK(0x0102);
    ASSERT_EQ(w.ustalWejscieStrefa(1, 0x0203), 0);
    ASSERT_EQ(w.ustalWejscieStrefa(2, 5), 0);
    ASSERT_EQ(w.ustalKomunikat(2, "Pompa"), 0);
    Bajty b;
    w.zapiszBlok(b);
    ASSERT_EQ(b.size(), 200u);
    EXPECT_EQ(w.podajDlugoscBloku(), 200);
    const Bajty glowa(b.begin(), b.begin() + 16);
    EXPECT_EQ(glowa, (Bajty{7, 0, 0, 18, 1, 2, 0, 0, 0x55, 0xAA, 0x7B, 2, 3, 0, 5, 0}));
    EXPECT_EQ(tekstZ(b, 72, 32), "WIO NR 7    WEJ.1 USZK. NIEMASK.");
    EXPECT_EQ(tekstZ(b, 136, 32), "Pompa" + std::string(27, ' '));
    EXPECT_EQ(tekstZ(b, 168, 32), "WIO NR 7    WEJ.2 - ALARM TECHN.");

    Bajty z;
    EXPECT_EQ(w.ustalZapytanie(z, 0x11), 3);
    EXPECT_EQ(z, (Bajty{0x11, 0, 7}));
}

TEST(Wio, GenericRootKeepsItsZonesInTheRecord) {
    Srodowisko s(0);
    Wio& w = *s.c().wio[0];
    ASSERT_NE(w.podajMatryce(), nullptr);
    ASSERT_EQ(w.ustalWariant(2), 0);
    ASSERT_EQ(w.podajMatryce()->ustaw(1, 0, 1), 0);
    ASSERT_EQ(w.podajMatryce()->ustaw(10, 0, 1), 0);
    Bajty b;
    w.zapiszBlok(b);
    EXPECT_EQ(b[8], 0x01);
    EXPECT_EQ(b[9], 0x02);
    EXPECT_EQ(b[10], 0x00); // no panel marker on the generic root
    b[6] = 0x33;
    Wio kopia(1);
    ASSERT_EQ(kopia.odczytajBlok(b), 0);
    EXPECT_EQ(kopia.podajBajt6(), 0x33);
    EXPECT_EQ(kopia.podajMatryce()->podaj(10), 1);
    EXPECT_EQ(kopia.podajMatryce()->podaj(2), 0);
}

TEST(Wio, ReadingRefusesAtTheFirstBadField) {
    struct Przypadek {
        int typ;
        Bajty blok;
        int wynik;
    };
    const auto blok = [](int numer, int wariant, std::size_t dl = 200) {
        Bajty b(dl, 0);
        if (dl > 0) b[0] = static_cast<std::uint8_t>(numer);
        if (dl > 3) b[3] = static_cast<std::uint8_t>(wariant);
        return b;
    };
    const Przypadek przypadki[] = {
        {4, blok(3, 1), 0},     {4, blok(4, 1), 1},     {4, blok(0, 1), 1},
        {6, blok(41, 1), 1},    {4, blok(3, 20), 2},    {4, Bajty{}, 1},
        {4, blok(3, 1, 3), 2},  {4, blok(3, 1, 5), 3},  {4, blok(3, 1, 6), 4},
        {4, blok(3, 1, 12), 5}, {4, blok(3, 1, 14), 6}, {4, blok(3, 1, 199), 7},
        {0, blok(3, 1, 6), 3},  {0, blok(3, 1, 71), 4}, {0, blok(3, 1, 199), 5},
    };
    for (const auto& p : przypadki) {
        Srodowisko s(p.typ);
        Wio& w = *s.c().wio[2];
        EXPECT_EQ(w.odczytajBlok(p.blok), p.wynik) << p.typ << " " << p.blok.size();
        // A record is never renumbered by another's data.
        EXPECT_EQ(w.podajNumer(), 3);
    }
}

TEST(Wio, VariantLimitsFollowTheFirmware) {
    struct Przypadek {
        int typ;
        const char* identyfikacja;
        int maks;
    };
    const Przypadek przypadki[] = {
        {4, "PSC7800V2.6", 16}, {4, "PSC7800V2.7", 17}, {4, "PSC7800V3.7", 19},
        {5, "PSC7500V1.6", 16}, {5, "PSC7500V2.6", 17}, {3, "PSC7600V1.3", 16},
        {3, "PSC7600V2.3", 17}, {6, "PSC7200V1.9", 17}, {6, "PSC7200V2.0", 19},
        {0, "PSC7000V1.0", 19},
    };
    for (const auto& p : przypadki) {
        Srodowisko s(p.typ);
        s.c().odczytajIdentyfikacje(p.identyfikacja);
        Wio& w = *s.c().wio[0];
        EXPECT_EQ(Wio::maksWariantu(), p.maks) << p.identyfikacja;
        EXPECT_EQ(w.ustalWariant(p.maks), 0) << p.identyfikacja;
        EXPECT_EQ(w.ustalWariant(p.maks + 1), 1) << p.identyfikacja;
        EXPECT_EQ(w.podajWariant(), p.maks);
    }
}

TEST(Wio, SettersKeepTheirRanges) {
    Srodowisko s(4);
    Wio& w = *s.c().wio[0];
    EXPECT_EQ(w.ustalNumer(251), 1);
    EXPECT_EQ(w.ustalNumer(-1), 1);
    EXPECT_EQ(w.podajNumer(), 1);
    EXPECT_EQ(w.ustalWariant(-1), 1);
    EXPECT_EQ(w.ustalWejscieStrefa(3, 1), 1);
    EXPECT_EQ(w.ustalWejscieStrefa(1, s.c().liczbaStref + 1), 1);
    EXPECT_EQ(w.ustalKomunikat(4, "x"), 1);
    // k only means something for the k-of-n criteria.
    ASSERT_EQ(w.ustalWariant(5), 0);
    w.ustalStrefyK(3);
    EXPECT_EQ(w.podajStrefyK(), 1);
    ASSERT_EQ(w.ustalWariant(19), 0);
    w.ustalStrefyK(3);
    EXPECT_EQ(w.podajStrefyK(), 3);
    ASSERT_EQ(w.ustalWariant(1), 0);
    EXPECT_EQ(w.podajStrefyK(), 1);
    // Messages are exactly one display line.
    ASSERT_EQ(w.ustalKomunikat(1, std::string(40, 'A')), 0);
    EXPECT_EQ(w.podajKomunikat(1), std::string(32, 'A'));
    // A number too wide for its template is cut to the field, never longer.
    EXPECT_EQ(Wio(1000).podajKomunikat(0), "WIO NR 1000  WEJ.1 USZK. NIEMASK");
}

TEST(Wio, AssignmentModeOfEachVariant) {
    Srodowisko s(4);
    Wio& w = *s.c().wio[0];
    for (int v = 0; v <= 19; ++v) {
        ASSERT_EQ(w.ustalWariant(v), 0);
        int tryb = 0;
        if (v == 2 || v == 3 || v == 5 || v == 6 || v >= 17) tryb = 128;
        if (v >= 10 && v <= 12) tryb = 64;
        if (v == 13 || v == 14) tryb = 66;
        EXPECT_EQ(w.trybPrzypisania(), tryb) << v;
        EXPECT_EQ(w.czyKzN(), v == 18 || v == 19) << v;
    }
    std::string t;
    EXPECT_EQ(w.opisWariantu(t, 15), 15);
    EXPECT_EQ(t, cp("Kryterium zadziałania: wyjście kasujące."));
    w.opisWariantu(t, 25);
    EXPECT_EQ(t, cp("Brak zadziałania WIO (nieczynny)."));
}

TEST(Wio, TiedToItsLineElementByLogicalNumber) {
    Srodowisko s(4);
    DrukowanieWio d;
    Wio& w = *s.c().wio[4];
    EXPECT_FALSE(w.czyZadeklarowany());
    EXPECT_EQ(w.podajKlucz(), 0x00004005u);
    Wio::flagi.drukowanie = 1;
    EXPECT_FALSE(w.czyDrukowac());
    Wio::flagi.drukowanie = 2;
    EXPECT_TRUE(w.czyDrukowac());
    Wio::flagi.drukowanie = 0;
    EXPECT_FALSE(w.czyDrukowac());

    // A WOU with the same logical number is not this WIO's element.
    zadeklaruj(s.c(), 3, 65, 5);
    EXPECT_FALSE(w.czyZadeklarowany());
    // With a duplicate number the first element gives line and address, the last the mode.
    const Element& pierwszy = zadeklaruj(s.c(), 130, 64, 5, 0x00);
    zadeklaruj(s.c(), 300, 64, 5, 0x80);
    EXPECT_TRUE(w.czyZadeklarowany());
    EXPECT_EQ(w.linia(), pierwszy.podajLinie());
    EXPECT_EQ(w.adres(), pierwszy.podajAdres());
    EXPECT_EQ(w.podajKlucz(), static_cast<std::uint32_t>(pierwszy.podajLinie()) << 24 |
                                  static_cast<std::uint32_t>(pierwszy.podajAdres()) << 16 |
                                  0x4005u);
    Wio::flagi.drukowanie = 1;
    EXPECT_TRUE(w.czyDrukowac());
    ASSERT_EQ(w.ustalWariant(1), 0);
    std::string xml;
    w.zapiszXML(xml, 16);
    EXPECT_NE(xml.find("<continuity_monitoring>1</continuity_monitoring>"), std::string::npos);
}

TEST(Wio, WritingWithoutAssignmentsDropsTheStackEntries) {
    Srodowisko s(4);
    Stos& stos = *s.c().stos;
    Wio& w = *s.c().wio[1];
    ASSERT_EQ(w.ustalWariant(5), 0);
    stos.dodajPrzypisanie(Stos::kodWio, 2, 0, Stos::trybStrefy, 4, 0, 0);
    stos.dodajPrzypisanie(Stos::kodWio, 3, 0, Stos::trybStrefy, 4, 0, 0);
    Bajty b;
    w.zapiszBlok(b);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodWio, 2, 0, 0), 1);
    ASSERT_EQ(w.ustalWariant(1), 0);
    w.zapiszBlok(b);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodWio, 2, 0, 0), 0);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodWio, 3, 0, 0), 1);
}

TEST(Wio, XmlFragments) {
    Srodowisko s(4);
    Wio& w = *s.c().wio[1];
    std::string xml;
    w.zapiszXML(xml, 0xFF);
    EXPECT_EQ(xml, ""); // variant 0 is not in use

    zadeklaruj(s.c(), 0, 64, 2, 0x40 | 0x10 | 0x04 | 0x02);
    ASSERT_EQ(w.ustalWariant(18), 0);
    w.ustalStrefyK(2);
    ASSERT_EQ(w.ustalKomunikat(0, "A&B"), 0);
    s.c().stos->dodajPrzypisanie(Stos::kodWio, 2, 0, Stos::trybStrefy, 7, 1, 0);
    w.zapiszXML(xml, 8);
    const std::string a(29, ' ');
    EXPECT_EQ(xml, "<input><id>11014002</id><continuity_monitoring>0</continuity_monitoring>"
                   "<output_monitoring>2</output_monitoring><input_mode>0</input_mode>"
                   "<fault_message>A&amp;B" +
                       a +
                       "</fault_message><tech_alarm_message>WIO NR 2    WEJ.1 - ALARM "
                       "TECHN.</tech_alarm_message></input>"
                       "<input><id>21014002</id><continuity_monitoring>0</continuity_monitoring>"
                       "<output_monitoring>2</output_monitoring><input_mode>1</input_mode>"
                       "<fault_message>WIO NR 2    WEJ.2 USZK. NIEMASK.</fault_message>"
                       "<tech_alarm_message>WIO NR 2    WEJ.2 - ALARM "
                       "TECHN.</tech_alarm_message></input>");
    xml.clear();
    w.zapiszXML(xml, 16);
    EXPECT_EQ(xml, "<output><id>11014002</id><continuity_monitoring>0</continuity_monitoring>"
                   "<hardware_type>1</hardware_type><variant>18</variant><zones_k>2</zones_k>"
                   "<zones><zone><zone_nr>7</zone_nr><control_panel_nr>1</control_panel_nr>"
                   "</zone></zones><delay>60</delay></output>");

    // Input criteria list each assigned input; without bit 2 input 2 has no output supervision.
    s.c().elementyLinii[0]->podajTyp().ustalTryb(0x80 | 0x03);
    ASSERT_EQ(w.ustalWariant(10), 0);
    s.c().stos->dodajPrzypisanie(Stos::kodWio, 2, 0, Stos::trybWio, 9, 0x03, 0);
    xml.clear();
    w.zapiszXML(xml, 16);
    EXPECT_EQ(xml, "<output><id>11014002</id><continuity_monitoring>1</continuity_monitoring>"
                   "<hardware_type>1</hardware_type><variant>10</variant><inputs>"
                   "<input><logical_nr>7</logical_nr><nr>1</nr></input>"
                   "<input><logical_nr>9</logical_nr><nr>1</nr></input>"
                   "<input><logical_nr>9</logical_nr><nr>2</nr></input></inputs></output>");
    xml.clear();
    w.zapiszXML(xml, 8);
    EXPECT_NE(xml.find("<id>21014002</id><continuity_monitoring>1</continuity_monitoring>"
                       "<output_monitoring>0</output_monitoring>"),
              std::string::npos);
}

TEST(Wio, PrintoutBlockOfEightLinesAndFurtherAssignments) {
    Srodowisko s(4);
    Wio& w = *s.c().wio[2];
    std::string t;
    w.drukujNaglowek(t);
    EXPECT_EQ(t.rfind("|-----", 0), 0u);
    EXPECT_NE(t.find("ELEMENTY WIO"), std::string::npos);

    zadeklaruj(s.c(), 1, 64, 3);
    ASSERT_EQ(w.ustalWariant(2), 0);
    Stos& stos = *s.c().stos;
    // Zones 1..3 form one range; then nine single zones of panel 0: ten texts, two extra rows.
    for (int z : {1, 2, 3, 10, 12, 14, 16, 18, 20, 22, 24, 26})
        stos.dodajPrzypisanie(Stos::kodWio, 3, 0, Stos::trybStrefy, z, 0, 0);
    t.clear();
    EXPECT_EQ(w.drukujWiersz(t), 11);
    const std::string k0 = "WIO NR 3    WEJ.1 USZK. NIEMASK.",
                      k1 = "WIO NR 3    WEJ.2 USZK. NIEMASK.",
                      k2 = "WIO NR 3    WEJ.1 - ALARM TECHN.",
                      k3 = "WIO NR 3    WEJ.2 - ALARM TECHN.";
    const auto kol = [](const std::string& x) { return x + std::string(32 - x.size(), ' '); };
    const std::string pusty = "|     |     |        |           |";
    const std::string oczekiwany =
        "| 3   |  1  |  2     |     2     |Kom. uszk. niemask. dla wejścia 1:|" +
        kol(ElementSystemu::opisStref(1, 3, 0)) + "|\n" + pusty + " " + k0 + " |" +
        kol(ElementSystemu::opisStref(10, 10, 0)) + "|\n" + pusty +
        "Kom. uszk. niemask. dla wejścia 2:|" + kol(ElementSystemu::opisStref(12, 12, 0)) + "|\n" +
        pusty + " " + k1 + " |" + kol(ElementSystemu::opisStref(14, 14, 0)) + "|\n" + pusty +
        "Kom. alarmu tech. dla wejścia 1:  |" + kol(ElementSystemu::opisStref(16, 16, 0)) + "|\n" +
        pusty + " " + k2 + " |" + kol(ElementSystemu::opisStref(18, 18, 0)) + "|\n" + pusty +
        "Kom. alarmu tech. dla wejścia 2:  |" + kol(ElementSystemu::opisStref(20, 20, 0)) + "|\n" +
        pusty + " " + k3 + " |" + kol(ElementSystemu::opisStref(22, 22, 0)) + "|\n" + pusty +
        "                                  |" + kol(ElementSystemu::opisStref(24, 24, 0)) + "|\n" +
        pusty + "                                  |" + kol(ElementSystemu::opisStref(26, 26, 0)) +
        "|\n|" + std::string(100, '-') + "|\n";
    EXPECT_EQ(t, cp(oczekiwany));

    // Without assignments the column stays blank.
    Wio& inny = *s.c().wio[3];
    t.clear();
    EXPECT_EQ(inny.drukujWiersz(t), 9);
    EXPECT_EQ(t.substr(0, t.find('\n') + 1),
              cp("| 4   |  0  |  0     |     0     |Kom. uszk. niemask. dla wejścia 1:|" +
                 std::string(32, ' ') + "|\n"));
}

TEST(Wio, RandomRecordsSurviveWriteAndRead) {
    std::mt19937 los(1234);
    for (int typ : {0, 3, 4, 5, 6}) {
        Srodowisko s(typ);
        const int liczba = s.c().liczbaWio;
        for (int proba = 0; proba < 40; ++proba) {
            const int nr = 1 + static_cast<int>(los() % static_cast<unsigned>(liczba));
            Wio& w = *s.c().wio[static_cast<std::size_t>(nr - 1)];
            ASSERT_EQ(w.ustalWariant(static_cast<int>(los() % 20)), 0);
            w.ustalStrefyK(static_cast<int>(los() % 300));
            ASSERT_EQ(w.ustalWejscieStrefa(1, static_cast<int>(los() % 50)), 0);
            ASSERT_EQ(w.ustalWejscieStrefa(2, static_cast<int>(los() % 50)), 0);
            for (int k = 0; k < 4; ++k) {
                std::string m;
                for (int i = 0; i < 32; ++i) m += static_cast<char>(' ' + los() % 95);
                ASSERT_EQ(w.ustalKomunikat(k, m), 0);
            }
            if (MatrycaStref48* m = w.podajMatryce())
                for (int i = 0; i < 10; ++i)
                    m->ustaw(1 + static_cast<int>(los() % static_cast<unsigned>(s.c().liczbaStref)),
                             0, 1);
            Bajty b;
            w.zapiszBlok(b);
            Wio kopia(nr);
            ASSERT_EQ(kopia.odczytajBlok(b), 0) << typ;
            EXPECT_EQ(kopia.podajWariant(), w.podajWariant());
            for (int k = 0; k < 4; ++k) EXPECT_EQ(kopia.podajKomunikat(k), w.podajKomunikat(k));
            if (w.podajMatryce() != nullptr) {
                for (int z = 1; z <= s.c().liczbaStref; ++z)
                    ASSERT_EQ(kopia.podajMatryce()->podaj(z), w.podajMatryce()->podaj(z)) << z;
            } else {
                EXPECT_EQ(kopia.podajStrefyK(), w.podajStrefyK());
                EXPECT_EQ(kopia.podajWejscieStrefa(1), w.podajWejscieStrefa(1));
                EXPECT_EQ(kopia.podajWejscieStrefa(2), w.podajWejscieStrefa(2));
            }
            Bajty znow;
            kopia.zapiszBlok(znow);
            EXPECT_EQ(znow, b);
        }
    }
}

// The stack asks the WIO itself for its mode when one of its blocks is read. Until that is wired
// the stack takes no entries for a WIO; once wired it takes them exactly while the mode is not 0.
TEST(Wio, StackBlocksFollowTheWioMode) {
    Srodowisko s(4);
    Stos& stos = *s.c().stos;
    Wio& w = *s.c().wio[0];
    ASSERT_EQ(w.ustalWariant(2), 0);
    stos.dodajPrzypisanie(Stos::kodWio, 1, 0, Stos::trybStrefy, 5, 0, 0);
    stos.zerujKursor();
    Bajty b;
    stos.zapiszBlok(b);
    stos.wyczysc();
    ASSERT_EQ(stos.odczytajBlok(b), 0);
    const int wpisy = stos.liczbaPrzypisan(Stos::kodWio, 1, 0, 0);
    EXPECT_TRUE(wpisy == 0 || wpisy == 1);
    if (wpisy == 1) {
        ASSERT_EQ(w.ustalWariant(1), 0);
        ASSERT_EQ(stos.odczytajBlok(b), 0);
        EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodWio, 1, 0, 0), 0);
    }
}

// The line element states its WIO channels present while the record's variant is not 0, once
// that is wired; before, it states nothing about them.
TEST(Wio, LineElementChannels) {
    Srodowisko s(4);
    Element& e = zadeklaruj(s.c(), 0, 64, 1);
    std::string xml;
    e.zapiszXML(xml, 2);
    if (xml.find("<inputs>") == std::string::npos) return;
    EXPECT_NE(xml.find("<inputs></inputs><outputs></outputs>"), std::string::npos);
    ASSERT_EQ(s.c().wio[0]->ustalWariant(3), 0);
    xml.clear();
    e.zapiszXML(xml, 2);
    const std::string k = kluczXML(e.podajKlucz() | 1u << 28);
    EXPECT_NE(xml.find("<inputs><input><nr>1</nr><id>" + k + "</id></input><input><nr>2</nr>"),
              std::string::npos);
    EXPECT_NE(xml.find("<outputs><output><nr>1</nr><id>" + k + "</id></output></outputs>"),
              std::string::npos);
}

} // namespace
