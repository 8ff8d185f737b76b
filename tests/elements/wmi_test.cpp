// WMI inputs: record of 74 or 42 bytes, firmware limits, XML fragments and printout rows.
#include <gtest/gtest.h>

#include <random>

#include "core/xml.h"
#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/wmi.h"
#include "lang/kodowanie.h"
#include "wspolne/srodowisko.h"

namespace {

Element& zadeklaruj(Centrala& c, int indeks, int numer, int tryb = 0) {
    Element& e = *c.elementyLinii[static_cast<std::size_t>(indeks)];
    EXPECT_EQ(e.ustalTypZKodu(66), 0);
    EXPECT_EQ(e.podajTyp().ustalNumer(numer), 0);
    e.podajTyp().ustalTryb(tryb);
    return e;
}

Wmi& wmi(Centrala& c, int numer, int wejscie) {
    return *c.wmi[static_cast<std::size_t>((numer - 1) * 8 + wejscie - 1)];
}

Bajty blokWmi(int numer, int wejscie, int wariant, int strefa, std::size_t dl = 74) {
    Bajty b(74, ' ');
    b[0] = static_cast<std::uint8_t>(numer);
    b[1] = static_cast<std::uint8_t>(wejscie);
    b[4] = static_cast<std::uint8_t>(wariant);
    b[7] = static_cast<std::uint8_t>(strefa >> 8);
    b[8] = static_cast<std::uint8_t>(strefa);
    b.resize(dl);
    return b;
}

TEST(Wmi, RecordLayoutAndDefaults) {
    Srodowisko s(4);
    Wmi& w = wmi(s.c(), 12, 3);
    EXPECT_EQ(w.podajNazwe(), "WMI nr 12");
    EXPECT_EQ(w.podajStrefe(), 12);
    EXPECT_EQ(w.podajParametr(), 12);
    EXPECT_EQ(w.podajKomunikatAlarmu(), "STAND. KOMUNIKAT ALARMU TECHN.  ");
    EXPECT_EQ(w.podajKomunikatUszkodzenia(), "WMI NR 12   WEJ.3 USZK. NIEMASK.");
    ASSERT_EQ(w.ustalWariant(2), 0);
    ASSERT_EQ(w.ustalStrefe(0x0123), 0);
    ASSERT_EQ(w.ustalGrupeB(1), 0);
    Bajty b;
    w.zapiszBlok(b);
    ASSERT_EQ(b.size(), 74u);
    EXPECT_EQ(Bajty(b.begin(), b.begin() + 10), (Bajty{12, 3, 0, 0, 2, 0, 0, 0x81, 0x23, 0}));
    EXPECT_EQ(std::string(b.begin() + 10, b.begin() + 42), w.podajKomunikatAlarmu());
    EXPECT_EQ(std::string(b.begin() + 42, b.end()), w.podajKomunikatUszkodzenia());
    Bajty z;
    EXPECT_EQ(w.ustalZapytanie(z, 7), 3);
    EXPECT_EQ(z, (Bajty{7, 12, 3}));

    EXPECT_EQ(w.ustalStrefe(0), 1);
    EXPECT_EQ(w.ustalStrefe(s.c().liczbaStref + 1), 1);
    EXPECT_EQ(w.ustalGrupeB(2), 1);
    EXPECT_EQ(w.podajStrefe(), 0x0123);
    // A three-digit number still gives exactly one display line.
    EXPECT_EQ(Wmi(100, 8).podajKomunikatUszkodzenia().size(), 32u);
    EXPECT_EQ(Wmi(1000, 8).podajKomunikatUszkodzenia(), "WMI NR 1000  WEJ.8 USZK. NIEMASK");
}

TEST(Wmi, OlderFirmwareHasShortRecordsAndNoSupervisionVariant) {
    {
        Srodowisko s(4);
        s.c().odczytajIdentyfikacje("PSC7800V2.6");
        Wmi& w = wmi(s.c(), 1, 1);
        EXPECT_EQ(w.ustalWariant(3), 1);
        EXPECT_EQ(w.ustalWariant(2), 0);
        EXPECT_EQ(w.podajDlugoscBloku(), 42);
        Bajty b;
        w.zapiszBlok(b);
        EXPECT_EQ(b.size(), 42u);
    }
    struct Przypadek {
        int typ;
        const char* id;
        int dlugosc;
    };
    const Przypadek przypadki[] = {
        {4, "PSC7800V2.7", 74}, {5, "PSC7500V1.6", 42}, {5, "PSC7500V1.7", 74},
        {3, "PSC7600V1.3", 42}, {3, "PSC7600V1.4", 74}, {6, "PSC7200V0.1", 74},
        {0, "PSC7000V0.1", 74},
    };
    for (const auto& p : przypadki) {
        Srodowisko t(p.typ);
        t.c().odczytajIdentyfikacje(p.id);
        Wmi& x = wmi(t.c(), 1, 1);
        EXPECT_EQ(x.podajDlugoscBloku(), p.dlugosc) << p.id;
        EXPECT_EQ(x.ustalWariant(3), p.dlugosc == 74 ? 0 : 1) << p.id;
    }
}

TEST(Wmi, TheRecordLengthDecidesTheFormatNotTheFirmware) {
    Srodowisko s(4);
    Wmi& w = wmi(s.c(), 2, 5);
    const std::string stary = w.podajKomunikatUszkodzenia();
    // A short record read while the panel has new firmware keeps the fault message.
    Bajty krotki = blokWmi(2, 5, 1, 4, 42);
    ASSERT_EQ(w.odczytajBlok(krotki), 0);
    EXPECT_EQ(w.podajKomunikatAlarmu(), std::string(32, ' '));
    EXPECT_EQ(w.podajKomunikatUszkodzenia(), stary);
    // A full record read while the panel has old firmware takes both messages.
    s.c().odczytajIdentyfikacje("PSC7800V2.6");
    Bajty pelny = blokWmi(2, 5, 1, 4);
    pelny[42] = 'X';
    ASSERT_EQ(w.odczytajBlok(pelny), 0);
    EXPECT_EQ(w.podajKomunikatUszkodzenia(), "X" + std::string(31, ' '));
}

TEST(Wmi, ReadingRefusesAtTheFirstBadField) {
    struct Przypadek {
        Bajty blok;
        int wynik;
    };
    Srodowisko s(5);
    const int strefy = s.c().liczbaStref;
    const Przypadek przypadki[] = {
        {blokWmi(2, 5, 2, 7), 0},
        {blokWmi(3, 5, 2, 7), 1},
        {blokWmi(2, 6, 2, 7), 1},
        {blokWmi(2, 5, 4, 7), 2},
        {blokWmi(2, 5, 0, 0), 1}, // zone 0 even when the input is not in use
        {blokWmi(2, 5, 2, strefy + 1), 1},
        {blokWmi(2, 5, 2, 0x8000 | 7), 0}, // bit 15 is group B, not the zone
        {Bajty{}, 1},
        {blokWmi(2, 5, 2, 7, 4), 2},
        {blokWmi(2, 5, 2, 7, 8), 1},
        {blokWmi(2, 5, 2, 7, 41), 3},
        {blokWmi(2, 5, 2, 7, 60), 0},
    };
    for (const auto& p : przypadki) {
        Wmi& w = wmi(s.c(), 2, 5);
        EXPECT_EQ(w.odczytajBlok(p.blok), p.wynik) << p.blok.size();
    }
    ASSERT_EQ(wmi(s.c(), 2, 5).odczytajBlok(blokWmi(2, 5, 2, 0x8000 | 7)), 0);
    EXPECT_EQ(wmi(s.c(), 2, 5).podajGrupeB(), 1);
    EXPECT_EQ(wmi(s.c(), 2, 5).podajStrefe(), 7);
}

TEST(Wmi, XmlFragment) {
    Srodowisko s(4);
    Wmi& w = wmi(s.c(), 4, 3);
    std::string xml;
    w.zapiszXML(xml, 0xFF);
    EXPECT_EQ(xml, "");
    const Element& e = zadeklaruj(s.c(), 20, 4, 0x04);
    const std::string id = kluczXML(w.podajKlucz());
    EXPECT_EQ(w.podajKlucz(), 0x30000000u | static_cast<std::uint32_t>(e.podajLinie()) << 24 |
                                  static_cast<std::uint32_t>(e.podajAdres()) << 16 | 0x4204u);
    struct Przypadek {
        int wariant;
        std::string srodek;
    };
    w.ustalKomunikat(true, "Drzwi <A>");
    w.ustalKomunikat(false, "Zasilanie");
    ASSERT_EQ(w.ustalStrefe(9), 0);
    const Przypadek przypadki[] = {
        {1, "<tech_alarm_message>Drzwi &lt;A&gt;" + std::string(23, ' ') + "</tech_alarm_message>"},
        {2, "<zone>9</zone>"},
        {3, "<fault_message>Zasilanie" + std::string(23, ' ') + "</fault_message>"},
    };
    for (const auto& p : przypadki) {
        ASSERT_EQ(w.ustalWariant(p.wariant), 0);
        xml.clear();
        w.zapiszXML(xml, 16);
        EXPECT_EQ(xml, "");
        w.zapiszXML(xml, 8);
        EXPECT_EQ(xml, "<input><id>" + id + "</id><input_mode>1</input_mode><variant>" +
                           std::to_string(p.wariant) + "</variant>" + p.srodek + "</input>");
    }
}

TEST(Wmi, PrintoutRows) {
    Srodowisko s(4);
    Wmi& w = wmi(s.c(), 4, 3);
    std::string t;
    w.drukujNaglowek(t);
    EXPECT_NE(t.find("ELEMENTY WMI"), std::string::npos);
    const std::string kreski = "|" + std::string(82, '-') + "|\n";
    const std::string brak = "              ---               ";
    t.clear();
    EXPECT_EQ(w.drukujWiersz(t), 2);
    EXPECT_EQ(t, "| 4   |   3   |  0  |  0     |     0     |   -  | " + brak + " |\n" + kreski);
    ASSERT_EQ(w.ustalWariant(2), 0);
    ASSERT_EQ(w.ustalStrefe(27), 0);
    t.clear();
    w.drukujWiersz(t);
    EXPECT_EQ(t, "| 4   |   3   |  0  |  0     |     2     |   27 | " + brak + " |\n" + kreski);
    ASSERT_EQ(w.ustalWariant(3), 0);
    t.clear();
    w.drukujWiersz(t);
    EXPECT_EQ(t, "| 4   |   3   |  0  |  0     |     3     |   -  | " +
                     w.podajKomunikatUszkodzenia() + " |\n" + kreski);
}

TEST(Wmi, PrintFilterSkipsUndeclaredInputs) {
    Srodowisko s(4);
    const int przed = Wmi::flagi.drukowanie;
    Wmi& w = wmi(s.c(), 6, 1);
    Wmi::flagi.drukowanie = 1;
    EXPECT_FALSE(w.czyDrukowac());
    zadeklaruj(s.c(), 2, 6);
    EXPECT_TRUE(w.czyDrukowac());
    Wmi::flagi.drukowanie = 0;
    EXPECT_FALSE(w.czyDrukowac());
    Wmi::flagi.drukowanie = przed;
}

TEST(Wmi, RandomRecordsSurviveWriteAndRead) {
    std::mt19937 los(5);
    for (int typ : {0, 3, 4, 5, 6}) {
        for (const char* id : {"PSC0000V4.0", "PSC0000V1.0"}) {
            Srodowisko s(typ);
            s.c().odczytajIdentyfikacje(id);
            for (int proba = 0; proba < 30; ++proba) {
                const int nr =
                    1 + static_cast<int>(los() % static_cast<unsigned>(s.c().liczbaGrupWmi));
                const int we = 1 + static_cast<int>(los() % 8);
                Wmi& w = wmi(s.c(), nr, we);
                ASSERT_EQ(w.ustalWariant(static_cast<int>(los() % (Wmi::maksWariantu() + 1))), 0);
                ASSERT_EQ(w.ustalStrefe(1 + static_cast<int>(
                                                los() % static_cast<unsigned>(s.c().liczbaStref))),
                          0);
                ASSERT_EQ(w.ustalGrupeB(static_cast<int>(los() % 2)), 0);
                std::string a, u;
                for (int i = 0; i < 32; ++i) {
                    a += static_cast<char>(' ' + los() % 95);
                    u += static_cast<char>(' ' + los() % 95);
                }
                w.ustalKomunikat(true, a);
                w.ustalKomunikat(false, u);
                Bajty b;
                w.zapiszBlok(b);
                Wmi kopia(nr, we);
                ASSERT_EQ(kopia.odczytajBlok(b), 0) << typ << id;
                EXPECT_EQ(kopia.podajWariant(), w.podajWariant());
                EXPECT_EQ(kopia.podajStrefe(), w.podajStrefe());
                EXPECT_EQ(kopia.podajGrupeB(), w.podajGrupeB());
                EXPECT_EQ(kopia.podajKomunikatAlarmu(), w.podajKomunikatAlarmu());
                if (b.size() == 74u) {
                    EXPECT_EQ(kopia.podajKomunikatUszkodzenia(), w.podajKomunikatUszkodzenia());
                }
                Bajty znow;
                kopia.zapiszBlok(znow);
                EXPECT_EQ(znow, b);
            }
        }
    }
}

// A zone lists the WMI inputs of variant 2 that name it, once that is wired; before, none.
TEST(Wmi, FireAlarmInputsBelongToTheirZone) {
    Srodowisko s(4);
    const Element& e = zadeklaruj(s.c(), 0, 3);
    ASSERT_EQ(wmi(s.c(), 3, 2).ustalStrefe(5), 0);
    ASSERT_EQ(wmi(s.c(), 3, 2).ustalWariant(1), 0);
    ASSERT_EQ(wmi(s.c(), 3, 4).ustalStrefe(5), 0);
    ASSERT_EQ(wmi(s.c(), 3, 4).ustalWariant(2), 0);
    std::string xml;
    s.c().strefy[4]->zapiszXML(xml, 1);
    const std::string wejscie2 = kluczXML(e.podajKlucz() | 2u << 28);
    const std::string wejscie4 = kluczXML(e.podajKlucz() | 4u << 28);
    EXPECT_EQ(xml.find(wejscie2), std::string::npos);
    if (xml.find(wejscie4) == std::string::npos) return; // not wired yet
    ASSERT_EQ(wmi(s.c(), 3, 4).ustalWariant(3), 0);
    xml.clear();
    s.c().strefy[4]->zapiszXML(xml, 1);
    EXPECT_EQ(xml.find(wejscie4), std::string::npos);
}

// The line element states WMI input n present while input n's variant is not 0, once that is
// wired; before, it states nothing about the channels.
TEST(Wmi, LineElementChannels) {
    Srodowisko s(4);
    const Element& e = zadeklaruj(s.c(), 0, 2);
    ASSERT_EQ(wmi(s.c(), 2, 3).ustalWariant(1), 0);
    ASSERT_EQ(wmi(s.c(), 2, 8).ustalWariant(3), 0);
    std::string xml;
    const_cast<Element&>(e).zapiszXML(xml, 2);
    if (xml.find("<inputs>") == std::string::npos) return;
    const auto we = [&e](int n) {
        return "<input><nr>" + std::to_string(n) + "</nr><id>" +
               kluczXML(e.podajKlucz() | static_cast<std::uint32_t>(n) << 28) + "</id></input>";
    };
    EXPECT_NE(xml.find("<inputs>" + we(3) + we(8) + "</inputs>"), std::string::npos);
}

} // namespace
