// Relays, signal lines and control lines: records, setters, XML fragments and printout rows.
#include <gtest/gtest.h>

#include "elements/outputs/lk.h"
#include "elements/outputs/ls.h"
#include "elements/outputs/pk.h"
#include "elements/outputs/stos.h"
#include "lang/kodowanie.h"
#include "wspolne/srodowisko.h"

namespace {

Bajty blokWyjscia(int rodzaj, int numer, int typ, int wariant, int min = 0, int sek = 0) {
    Bajty b(74, 0);
    b[0] = static_cast<std::uint8_t>(rodzaj);
    b[1] = static_cast<std::uint8_t>(numer);
    b[2] = static_cast<std::uint8_t>(typ);
    b[3] = static_cast<std::uint8_t>(wariant);
    b[4] = static_cast<std::uint8_t>(min);
    b[5] = static_cast<std::uint8_t>(sek);
    return b;
}

TEST(Wyjscia, ReadingStopsAtTheFirstRefusedField) {
    Srodowisko s(4);
    Pk& pk = *s.c().pk[2];
    struct Przypadek {
        Bajty blok;
        int wynik;
    };
    Bajty obcaCentrala = blokWyjscia(1, 3, 1, 1);
    obcaCentrala[9] = 32;
    const Przypadek przypadki[] = {
        {blokWyjscia(2, 3, 1, 1), 1},
        {blokWyjscia(1, 0, 1, 1), 2},
        {blokWyjscia(1, 17, 1, 1), 2},
        {blokWyjscia(1, 4, 1, 1), 2},
        {blokWyjscia(1, 3, 7, 1), 3},
        {blokWyjscia(1, 3, 1, 3), 4},
        {blokWyjscia(1, 3, 1, 1, 20), 5},
        {blokWyjscia(1, 3, 1, 1, 10, 5), 6},
        {blokWyjscia(1, 3, 1, 1, 0, 60), 6},
        {obcaCentrala, 8},
        {Bajty(73, 1), 1},
    };
    for (const auto& p : przypadki) EXPECT_EQ(pk.odczytajBlok(p.blok), p.wynik);
    // The type is stored before the variant is tested against it.
    EXPECT_EQ(pk.odczytajBlok(blokWyjscia(1, 3, 4, 30)), 4);
    EXPECT_EQ(pk.podajTyp(), 4);

    ASSERT_EQ(pk.odczytajBlok(blokWyjscia(1, 3, 3, 5, 15)), 0);
    EXPECT_EQ(pk.podajOpoznienieMin(), 10);
    EXPECT_EQ(pk.podajOpoznienieSek(), 0);
    EXPECT_EQ(s.c().ls[0]->odczytajBlok(blokWyjscia(2, 1, 6, 1)), 3);
}

TEST(Wyjscia, VariantByteOfRelaysCarriesContinuitySupervision) {
    Srodowisko s(4);
    Pk& pk = *s.c().pk[1];
    ASSERT_EQ(pk.odczytajBlok(blokWyjscia(1, 2, 1, 0x82)), 0);
    EXPECT_EQ(pk.podajWariant(), 0x82);
    EXPECT_EQ(pk.czyKontrolaCiaglosci(), 1);
    EXPECT_EQ(pk.trybPrzypisania(), Stos::trybStrefy);
    for (int typ : {0, 6}) {
        ASSERT_EQ(pk.odczytajBlok(blokWyjscia(1, 2, typ, 0x7F)), 0);
        EXPECT_EQ(pk.podajWariant(), 1);
    }
    Ls& ls = *s.c().ls[0];
    EXPECT_EQ(ls.odczytajBlok(blokWyjscia(2, 1, 1, 0x82)), 4); // no continuity flag on signal lines
}

TEST(Wyjscia, DelaySetters) {
    Srodowisko s(4);
    Pk pk(2);
    EXPECT_EQ(pk.ustalOpoznienieSek(30), 0);
    EXPECT_EQ(pk.ustalOpoznienieMin(9), 0);
    EXPECT_EQ(pk.podajOpoznienieSek(), 30);
    EXPECT_EQ(pk.ustalOpoznienieMin(19), 0);
    EXPECT_EQ(pk.podajOpoznienieMin(), 10);
    EXPECT_EQ(pk.podajOpoznienieSek(), 0);
    EXPECT_EQ(pk.ustalOpoznienieSek(1), 2);
    EXPECT_EQ(pk.ustalOpoznienieMin(20), 1);
    EXPECT_EQ(pk.ustalOpoznienieMin(-1), 1);
    EXPECT_EQ(pk.ustalNrCentrali(31), 0);
    EXPECT_EQ(pk.ustalNrCentrali(32), 1);
}

TEST(Wyjscia, AssignmentModeFollowsTypeAndVariant) {
    Srodowisko s(4);
    Pk pk(2);
    struct Przypadek {
        int typ, wariant, tryb;
    };
    const Przypadek przypadki[] = {{1, 1, 0},   {1, 2, 128}, {2, 2, 128},  {3, 4, 0},   {3, 5, 128},
                                   {3, 8, 128}, {4, 7, 128}, {4, 11, 128}, {4, 8, 64},  {4, 14, 64},
                                   {4, 15, 0},  {4, 21, 66}, {4, 22, 66},  {5, 2, 128}, {5, 5, 0}};
    for (const auto& p : przypadki) {
        ASSERT_EQ(pk.ustalTyp(p.typ), 0);
        ASSERT_EQ(pk.ustalWariant(p.wariant | 0x80), 0);
        EXPECT_EQ(pk.trybPrzypisania(), p.tryb) << p.typ << "/" << p.wariant;
    }
    std::string t;
    EXPECT_EQ(pk.opisWariantu(t, 0), 5 | 0x80); // taken from the object: with bit 7
    EXPECT_EQ(naUtf8(t, 1250), "Kryterium zadziałania: personel nieobecny.");
    EXPECT_EQ(pk.opisWariantu(t, 4), 4);
    EXPECT_EQ(naUtf8(t, 1250), "Kryterium zadziałania: stan testowania w przypisanych strefach.");
}

TEST(Wyjscia, KeysAndReadRequests) {
    Srodowisko s(4);
    EXPECT_EQ(s.c().pk[15]->podajKlucz(), 0x0000FF01u);
    EXPECT_EQ(s.c().pk[2]->podajKlucz(), 0x3000FF01u);
    EXPECT_EQ(s.c().ls[3]->podajKlucz(), 0x4000FF02u);
    EXPECT_EQ(s.c().lk[4]->podajKlucz(), 0x5000FF03u);
    Bajty z;
    EXPECT_EQ(s.c().ls[3]->ustalZapytanie(z, 0xA6), 3);
    EXPECT_EQ(z, (Bajty{0xA6, 2, 4}));
    EXPECT_EQ(s.c().lk[4]->ustalZapytanie(z, 0xA6), 3);
    EXPECT_EQ(z, (Bajty{0xA6, 3, 5}));
}

TEST(Wyjscia, GenericRootShipsZonesInsideTheBlock) {
    Srodowisko s(0);
    Pk& pk = *s.c().pk[4];
    ASSERT_NE(pk.podajMatryce(), nullptr);
    Bajty b = blokWyjscia(1, 5, 1, 2);
    b[10] = 0x01; // zone 1
    b[73] = 0x80; // zone 512
    ASSERT_EQ(pk.odczytajBlok(b), 0);
    EXPECT_EQ(pk.podajMatryce()->podaj(1), 1);
    EXPECT_EQ(pk.podajMatryce()->podaj(512), 1);
    EXPECT_EQ(pk.podajMatryce()->liczbaPrzypisanych(), 2);
    Bajty zapisany;
    pk.zapiszBlok(zapisany);
    EXPECT_EQ(zapisany, b);
}

TEST(Wyjscia, PanelModelsKeepNoMatrix) {
    Srodowisko s(4);
    EXPECT_EQ(s.c().pk[4]->podajMatryce(), nullptr);
}

TEST(Wyjscia, OutputWithoutAssignmentsLosesItsEntriesWhenSaved) {
    Srodowisko s(4);
    Pk& pk = *s.c().pk[3];
    Stos& stos = *s.c().stos;
    pk.ustalTyp(1);
    pk.ustalWariant(2);
    stos.dodajPrzypisanie(Stos::kodPk, 4, 0, 128, 10, 0, 0);
    Bajty b;
    pk.zapiszBlok(b);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodPk, 4, 0, 0), 1);
    pk.ustalTyp(0);
    pk.ustalWariant(1);
    pk.zapiszBlok(b);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodPk, 4, 0, 0), 0);

    // Its stack block then carries n = 0, and reading it back removes entries too.
    stos.dodajPrzypisanie(Stos::kodPk, 4, 0, 128, 11, 0, 0);
    ASSERT_EQ(stos.odczytajBlok(Bajty{129, 0, 0, 4, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 11}), 0);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodPk, 4, 0, 0), 0);
}

TEST(Wyjscia, XmlOfRelaysAndSignalLines) {
    Srodowisko s(4);
    Centrala& c = s.c();
    std::string xml;
    c.pk[0]->zapiszXML(xml, 16); // the fault relay is always exported
    c.pk[1]->zapiszXML(xml, 16); // type 0: nothing
    c.pk[0]->zapiszXML(xml, 8);
    EXPECT_EQ(xml, "<output><id>1000FF01</id><hardware_type>1</hardware_type><type>0</type>"
                   "<variant>1</variant></output>");

    Pk& pk = *c.pk[1];
    ASSERT_EQ(pk.odczytajBlok(blokWyjscia(1, 2, 1, 0x82)), 0);
    c.stos->dodajPrzypisanie(Stos::kodPk, 2, 0, 128, 700, 3, 0);
    xml.clear();
    pk.zapiszXML(xml, 16);
    EXPECT_EQ(xml, "<output><id>2000FF01</id><hardware_type>1</hardware_type><type>1</type>"
                   "<variant>130</variant><zones><zone><zone_nr>700</zone_nr>"
                   "<control_panel_nr>3</control_panel_nr></zone></zones></output>");

    Ls& ls = *c.ls[1];
    ASSERT_EQ(ls.odczytajBlok(blokWyjscia(2, 2, 4, 9, 1, 30)), 0);
    c.stos->dodajPrzypisanie(Stos::kodLs, 2, 0, 64, 17, 0x03, 0);
    xml.clear();
    ls.zapiszXML(xml, 16);
    EXPECT_EQ(xml, "<output><id>2000FF02</id><hardware_type>2</hardware_type><type>4</type>"
                   "<variant>9</variant><delay>90</delay><inputs>"
                   "<input><logical_nr>17</logical_nr><nr>1</nr></input>"
                   "<input><logical_nr>17</logical_nr><nr>2</nr></input></inputs></output>");
}

TEST(Wyjscia, PrintoutRowsMergeRunsOfZones) {
    Srodowisko s(4);
    Centrala& c = s.c();
    std::string wydruk;
    c.pk[0]->ustalOpoznienieMin(2);
    c.pk[0]->drukujWiersz(wydruk);
    EXPECT_EQ(naUtf8(wydruk, 1250),
              "|  1    |PRZEKAŹNIK USZKODZENIA |    02:00   |              ---               |\n");

    Pk& pk = *c.pk[2];
    pk.ustalTyp(1);
    pk.ustalWariant(2);
    for (auto [strefa, centrala] : {std::pair{3, 0}, {4, 0}, {5, 0}, {6, 2}})
        c.stos->dodajPrzypisanie(Stos::kodPk, 3, 0, 128, strefa, centrala, 0);
    wydruk.clear();
    EXPECT_EQ(pk.drukujWiersz(wydruk), 3);
    EXPECT_EQ(naUtf8(wydruk, 1250),
              "|  3    |    1    |     2       |    00:00   |Strefy:   3  -   5              |\n"
              "|       |         |             |            |Strefa:   6         Centrala:2  |\n"
              "|-----------------------------------------------------------------------------|\n");

    wydruk.clear();
    c.ls[0]->drukujWiersz(wydruk);
    EXPECT_EQ(wydruk,
              "|  1    |    0    |     1       |    00:00   |             ---                |\n"
              "|-----------------------------------------------------------------------------|\n");
}

TEST(LinieKontrolne, SettersDependOnTheVariant) {
    Srodowisko s(4);
    Lk lk(3);
    EXPECT_EQ(lk.ustalGrupe(7), 0); // inactive line: accepted, not stored
    EXPECT_EQ(lk.podajGrupe(), 1);
    EXPECT_EQ(lk.ustalNumerWyjscia(1), 0);
    EXPECT_EQ(lk.podajNumerWyjscia(), 2);
    EXPECT_EQ(lk.ustalWariant(1), 0);
    EXPECT_EQ(lk.ustalGrupe(7), 1);
    EXPECT_EQ(lk.ustalNumerWyjscia(1), 1); // relay 1 is the fault relay
    EXPECT_EQ(lk.ustalGrupe(2), 0);
    EXPECT_EQ(lk.ustalNumerWyjscia(8), 0);
    EXPECT_EQ(lk.ustalNumerWyjscia(9), 1);
    EXPECT_EQ(lk.ustalWariant(4), 1);
    EXPECT_EQ(naUtf8(lk.podajKomunikatUszkodzenia(), 1250),
              "STAND. KOMUNIKAT USZK. NIEMASK. LINII KONTROLNEJ NR  3          ");
    EXPECT_EQ(lk.podajKomunikatAlarmu().size(), 64u);
}

TEST(LinieKontrolne, RecordRoundTripAndRefusals) {
    Srodowisko s(4);
    Lk& lk = *s.c().lk[1];
    lk.ustalWariant(1);
    lk.ustalGrupe(2);
    lk.ustalNumerWyjscia(5);
    lk.ustalKomunikatAlarmu(utf8NaStronaKodowa("Zażółć", 1250));
    Bajty b;
    lk.zapiszBlok(b);
    ASSERT_EQ(b.size(), 138u);
    EXPECT_EQ(Bajty(b.begin(), b.begin() + 10), (Bajty{3, 2, 0, 1, 0, 0, 2, 5, 0, 0}));
    EXPECT_EQ(b[74 + 2], 0xBE); // ż in code page 852
    Lk kopia(2);
    ASSERT_EQ(kopia.odczytajBlok(b), 0);
    EXPECT_EQ(kopia.podajKomunikatAlarmu(), lk.podajKomunikatAlarmu());
    EXPECT_EQ(kopia.podajNumerWyjscia(), 5);

    Bajty zly = b;
    zly[6] = 3;
    EXPECT_EQ(kopia.odczytajBlok(zly), 5);
    zly = b;
    zly[3] = 0; // an inactive line takes any group and output bytes without storing them
    zly[6] = 9;
    zly[7] = 99;
    EXPECT_EQ(kopia.odczytajBlok(zly), 0);
    EXPECT_EQ(kopia.podajGrupe(), 2);
    EXPECT_EQ(kopia.podajNumerWyjscia(), 5);
    zly[1] = 9;
    EXPECT_EQ(kopia.odczytajBlok(zly), 2);
    EXPECT_EQ(kopia.odczytajBlok(Bajty(b.begin(), b.begin() + 137)), 1);
}

TEST(LinieKontrolne, XmlAndPrintout) {
    Srodowisko s(4);
    Lk& lk = *s.c().lk[0];
    std::string xml;
    lk.zapiszXML(xml, 8);
    EXPECT_EQ(xml, "");
    lk.ustalWariant(3);
    lk.ustalKomunikatAlarmu("A&B");
    lk.zapiszXML(xml, 8);
    EXPECT_EQ(xml, "<input><id>1000FF03</id><variant>3</variant><tech_alarm_message>A&amp;B" +
                       std::string(61, ' ') + "</tech_alarm_message></input>");
    std::string wydruk;
    EXPECT_EQ(lk.drukujWiersz(wydruk), 7);
    EXPECT_EQ(wydruk.substr(0, wydruk.find('\n')),
              "|   1   |    3      |   ---   |   ---   |Kom.uszkodzenia niemaskowalnego:  |");
}

} // namespace
