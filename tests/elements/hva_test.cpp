// HVA/HLT sounders: what sets them apart from HRN sounders (line type codes, discriminator, key,
// stack source, XML sound fields, printout header) and their record on every model.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "elements/lines/element.h"
#include "elements/outputs/hrn.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/stos.h"
#include "lang/kodowanie.h"
#include "wspolne/srodowisko.h"

namespace {

Element& polozUrzadzenie(Centrala& c, int linia, int adres, int kod, int numer, int tryb) {
    Element& e =
        *c.elementyLinii[static_cast<std::size_t>((linia - 1) * c.liczbaAdresow + adres - 1)];
    EXPECT_EQ(e.ustalTypZKodu(kod), 0);
    EXPECT_EQ(e.podajTyp().ustalNumer(numer), 0);
    EXPECT_EQ(e.podajTyp().ustalTryb(tryb), 0);
    return e;
}

Hva& ustawiony(Centrala& c, int numer, int typ, int wariant) {
    Hva& h = *c.hva[static_cast<std::size_t>(numer - 1)];
    EXPECT_EQ(h.ustalTyp(typ), 0);
    EXPECT_EQ(h.ustalWariant(wariant), 0);
    return h;
}

} // namespace

TEST(Hva, RecordKeyAndReadRequest) {
    Srodowisko s(3);
    Centrala& c = s.c();
    Hva& h = ustawiony(c, 40, 1, 2);
    ASSERT_EQ(h.ustalBajt7(3), 0);
    Bajty blok;
    h.zapiszBlok(blok);
    EXPECT_EQ(blok, (Bajty{40, 'Q', 0, 0, 1, 2, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    Bajty zapytanie;
    EXPECT_EQ(h.ustalZapytanie(zapytanie, 0xB1), 3);
    EXPECT_EQ(zapytanie, (Bajty{0xB1, 40, 'Q'}));
    EXPECT_EQ(h.podajKodZrodla(), Stos::kodHva);

    Hva kopia(40);
    Bajty inny = blok;
    inny[0] = 41;
    EXPECT_EQ(kopia.odczytajBlok(inny), 1);
    ASSERT_EQ(kopia.odczytajBlok(blok), 0);
    EXPECT_EQ(kopia.podajWariant(), 2);
    EXPECT_EQ(kopia.trybPrzypisania(), Stos::trybStrefy);

    EXPECT_EQ(h.podajKlucz(), 0x00005128u);
    EXPECT_FALSE(h.czyZadeklarowany());
    polozUrzadzenie(c, 4, 127, 80, 40, 0); // an HRN with the same number
    EXPECT_FALSE(h.czyZadeklarowany());
    polozUrzadzenie(c, 4, 126, 88, 40, 0);
    EXPECT_EQ(h.podajKlucz(), 0x047E5128u);
}

TEST(Hva, EveryHvaAndHltCodeDeclaresTheRecord) {
    Srodowisko s(4);
    Centrala& c = s.c();
    for (int kod = 81; kod <= 88; ++kod) {
        Element& e = polozUrzadzenie(c, 2, 3, kod, 6, 0x20 + kod - 81);
        EXPECT_TRUE(c.hva[5]->czyZadeklarowany()) << kod;
        EXPECT_EQ(c.hva[5]->podajKlucz(), 0x02035106u) << kod;
        EXPECT_EQ(c.hva[5]->trybElementu(), 0x20 + kod - 81) << kod;
        ASSERT_EQ(e.ustalTypZKodu(0), 0);
    }
    EXPECT_FALSE(c.hva[5]->czyZadeklarowany());
}

TEST(Hva, XmlTakesSequenceVolumeAndMonitoringFromTheDevice) {
    Srodowisko s(4);
    Centrala& c = s.c();
    polozUrzadzenie(c, 1, 9, 85, 2, 0x35);
    Hva& h = ustawiony(c, 2, 3, 6);
    c.stos->dodajPrzypisanie(Stos::kodHva, 2, 0, 128, 17, 0, 0);
    c.stos->dodajPrzypisanie(Stos::kodHrn, 2, 0, 128, 18, 0, 0); // not this sounder's
    std::string xml;
    h.zapiszXML(xml, 16);
    EXPECT_EQ(xml, "<output><id>11095102</id><hardware_type>4</hardware_type><type>3</type>"
                   "<variant>6</variant><zones>"
                   "<zone><zone_nr>17</zone_nr><control_panel_nr>0</control_panel_nr></zone>"
                   "</zones><sequence>6</sequence><volume>3</volume><battery_monitoring>0"
                   "</battery_monitoring><power_suply_monitoring>0</power_suply_monitoring>"
                   "</output>");

    // Mode byte 0xCF: sequence 16, volume 0, both monitorings on.
    polozUrzadzenie(c, 1, 9, 85, 2, 0xCF);
    ASSERT_EQ(h.ustalWariant(4), 0);
    xml.clear();
    h.zapiszXML(xml, 16);
    EXPECT_EQ(xml, "<output><id>11095102</id><hardware_type>4</hardware_type><type>3</type>"
                   "<variant>4</variant><sequence>16</sequence><volume>0</volume>"
                   "<battery_monitoring>1</battery_monitoring><power_suply_monitoring>1"
                   "</power_suply_monitoring></output>");
}

TEST(Hva, SavingWithoutZoneVariantDropsOnlyItsOwnEntries) {
    Srodowisko s(6);
    Centrala& c = s.c();
    Hva& h = ustawiony(c, 3, 3, 6);
    c.stos->dodajPrzypisanie(Stos::kodHva, 3, 0, 128, 1, 0, 0);
    c.stos->dodajPrzypisanie(Stos::kodHrn, 3, 0, 128, 1, 0, 0);
    ASSERT_EQ(h.ustalWariant(4), 0);
    Bajty blok;
    h.zapiszBlok(blok);
    EXPECT_EQ(c.stos->liczbaPrzypisan(Stos::kodHva, 3, 0, 0), 0);
    EXPECT_EQ(c.stos->liczbaPrzypisan(Stos::kodHrn, 3, 0, 0), 1);
}

TEST(Hva, PrintoutHeaderAndRow) {
    Srodowisko s(5);
    Centrala& c = s.c();
    std::string wydruk;
    c.hva[0]->drukujNaglowek(wydruk);
    EXPECT_EQ(naUtf8(wydruk, 1250),
              "|-----------------------------ELEMENTY HVA/HLT--------------------------|\n"
              "|Numer|Numer| Numer  | Typ |  Wariant  |          Przypisane            |\n"
              "|     |linii|elementu|     |zadziałania|        strefy/elementy         |\n"
              "|-----------------------------------------------------------------------|\n");
    polozUrzadzenie(c, 4, 64, 83, 50, 0);
    Hva& h = ustawiony(c, 50, 1, 2);
    c.stos->dodajPrzypisanie(Stos::kodHva, 50, 0, 128, 256, 1, 0);
    wydruk.clear();
    EXPECT_EQ(h.drukujWiersz(wydruk), 2);
    EXPECT_EQ(wydruk,
              "| 50  |  4  |  64    |  1  |     2     |Strefa: 256         Centrala:1  |\n"
              "|-----------------------------------------------------------------------|\n");

    const int stara = Hva::flagi.drukowanie;
    Hva::flagi.ustalDrukowanie(1);
    EXPECT_TRUE(h.czyDrukowac());
    EXPECT_FALSE(c.hva[48]->czyDrukowac());
    Hva::flagi.ustalDrukowanie(stara);
}

TEST(Hva, RandomRecordsSurviveTheirBlockOnEveryModel) {
    std::mt19937 los(11122026);
    const auto losuj = [&los](int od, int do_) {
        return std::uniform_int_distribution<int>(od, do_)(los);
    };
    for (int model : {0, 3, 4, 5, 6}) {
        Srodowisko s(model);
        Centrala& c = s.c();
        for (int proba = 0; proba < 200; ++proba) {
            const int numer = losuj(1, c.liczbaHva);
            Hva a(numer);
            const int typ = std::array{0, 1, 3}[static_cast<std::size_t>(losuj(0, 2))];
            ASSERT_EQ(a.ustalTyp(typ), 0);
            if (typ != 0) {
                ASSERT_EQ(a.ustalWariant(losuj(1, typ == 1 ? 2 : 8)), 0);
            }
            ASSERT_EQ(a.ustalBajt7(losuj(0, 16)), 0);
            if (MatrycaStref48_64* m = a.podajMatryce()) {
                const int pierwsza = losuj(1, c.liczbaStref);
                for (int k = losuj(0, 6); k > 0; --k)
                    m->ustaw(std::min(pierwsza + losuj(0, 63), c.liczbaStref), 0, 1);
            }
            Bajty blok;
            a.zapiszBlok(blok);
            ASSERT_EQ(blok.size(), 18u);
            Hva b(numer);
            ASSERT_EQ(b.odczytajBlok(blok), 0) << model;
            EXPECT_EQ(b.podajTyp(), a.podajTyp());
            EXPECT_EQ(b.podajWariant(), a.podajWariant());
            EXPECT_EQ(b.podajBajt7(), a.podajBajt7());
            ASSERT_EQ(b.podajMatryce() != nullptr, model == 0);
            if (model == 0) {
                for (int z = 1; z <= c.liczbaStref; ++z)
                    ASSERT_EQ(b.podajMatryce()->podaj(z), a.podajMatryce()->podaj(z)) << z;
            }
            Bajty znowu;
            b.zapiszBlok(znowu);
            EXPECT_EQ(znowu, blok);
        }
    }
}

// The line element's channel list and the stack's read of HVA blocks ask the HVA records; until
// those calls are wired, the element states no channels and the stack takes no entries.
TEST(Hva, LineElementAndStackAskTheRecord) {
    Srodowisko s(4);
    Centrala& c = s.c();
    Element& e = polozUrzadzenie(c, 2, 1, 85, 7, 0x35);
    Hva& h = *c.hva[6];
    std::string xml;
    e.zapiszXML(xml, 2);
    if (xml.find("<outputs>") != std::string::npos) {
        EXPECT_NE(xml.find("<outputs></outputs>"), std::string::npos);
    }
    ASSERT_EQ(h.ustalTyp(3), 0);
    xml.clear();
    e.zapiszXML(xml, 2);
    if (xml.find("<outputs>") != std::string::npos) {
        EXPECT_NE(xml.find("<outputs><output><nr>1</nr><id>120155FF</id></output></outputs>"),
                  std::string::npos);
    }

    // A stack block for HVA 7 with zone 12 of panel 0; variant 5 takes zones.
    const Bajty blok{81, 0, 0, 7, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0x00, 0x0C};
    Stos& stos = *c.stos;
    ASSERT_EQ(h.ustalWariant(5), 0);
    ASSERT_EQ(stos.odczytajBlok(blok), 0);
    const int wpisow = stos.liczbaPrzypisan(Stos::kodHva, 7, 0, 0);
    EXPECT_LE(wpisow, 1);
    if (wpisow == 1) {
        EXPECT_EQ(h.podajPrzypisania(), (std::vector<std::pair<int, int>>{{12, 0}}));
        ASSERT_EQ(h.ustalWariant(4), 0);
        ASSERT_EQ(stos.odczytajBlok(blok), 0);
        EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodHva, 7, 0, 0), 0);
    }
}
