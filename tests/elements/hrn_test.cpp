// HRN sounders and what every sounder shares: setters, records, keys, the tie to the line
// element, stack entries, XML fragments and printout rows.
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

Bajty blokHrn(int numer, int typ, int wariant, int bajt7 = 0) {
    Bajty b(18, 0);
    b[0] = static_cast<std::uint8_t>(numer);
    b[1] = 'P';
    b[4] = static_cast<std::uint8_t>(typ);
    b[5] = static_cast<std::uint8_t>(wariant);
    b[7] = static_cast<std::uint8_t>(bajt7);
    return b;
}

// Puts a device of the given type code with the given logical number and mode byte at a line
// address of the current root.
Element& polozUrzadzenie(Centrala& c, int linia, int adres, int kod, int numer, int tryb) {
    Element& e =
        *c.elementyLinii[static_cast<std::size_t>((linia - 1) * c.liczbaAdresow + adres - 1)];
    EXPECT_EQ(e.ustalTypZKodu(kod), 0);
    EXPECT_EQ(e.podajTyp().ustalNumer(numer), 0);
    EXPECT_EQ(e.podajTyp().ustalTryb(tryb), 0);
    return e;
}

Hrn& ustawiony(Centrala& c, int numer, int typ, int wariant) {
    Hrn& h = *c.hrn[static_cast<std::size_t>(numer - 1)];
    EXPECT_EQ(h.ustalTyp(typ), 0);
    EXPECT_EQ(h.ustalWariant(wariant), 0);
    return h;
}

} // namespace

TEST(Hrn, SettersRefuseValuesOutsideTheType) {
    Srodowisko s(4);
    Hrn h(1);
    for (int t : {2, 4, -1, 255}) EXPECT_EQ(h.ustalTyp(t), 1) << t;
    EXPECT_EQ(h.podajTyp(), 0);

    // Under type 0 any variant is taken and nothing is stored.
    EXPECT_EQ(h.ustalWariant(77), 0);
    EXPECT_EQ(h.podajWariant(), 0);

    struct Przypadek {
        int typ, wariant, wynik;
    };
    const Przypadek przypadki[] = {{1, 0, 1}, {1, 1, 0}, {1, 2, 0}, {1, 3, 1}, {3, 0, 1},
                                   {3, 1, 0}, {3, 8, 0}, {3, 9, 1}, {3, -1, 1}};
    for (const auto& p : przypadki) {
        ASSERT_EQ(h.ustalTyp(p.typ), 0);
        ASSERT_EQ(h.ustalWariant(1), 0);
        EXPECT_EQ(h.ustalWariant(p.wariant), p.wynik) << p.typ << " " << p.wariant;
        EXPECT_EQ(h.podajWariant(), p.wynik == 0 ? p.wariant : 1);
    }

    EXPECT_EQ(h.ustalBajt7(16), 0);
    EXPECT_EQ(h.ustalBajt7(17), 1);
    EXPECT_EQ(h.ustalBajt7(-1), 1);
    EXPECT_EQ(h.podajBajt7(), 16);
}

TEST(Hrn, ZonesDriveOnlyTheZoneVariants) {
    Srodowisko s(4);
    Hrn h(1);
    struct Przypadek {
        int typ, wariant, tryb;
    };
    const Przypadek przypadki[] = {{1, 1, 0}, {1, 2, 128}, {3, 1, 0},
                                   {3, 4, 0}, {3, 5, 128}, {3, 8, 128}};
    EXPECT_EQ(h.trybPrzypisania(), 0);
    for (const auto& p : przypadki) {
        ASSERT_EQ(h.ustalTyp(p.typ), 0);
        ASSERT_EQ(h.ustalWariant(p.wariant), 0);
        EXPECT_EQ(h.trybPrzypisania(), p.tryb) << p.typ << " " << p.wariant;
    }
    // Type 0 keeps the last variant (3/8) but takes no zones.
    ASSERT_EQ(h.ustalTyp(0), 0);
    EXPECT_EQ(h.podajWariant(), 8);
    EXPECT_EQ(h.trybPrzypisania(), 0);
}

TEST(Hrn, TypeAndVariantTexts) {
    Srodowisko s(4);
    Hrn h(1);
    std::string t;
    EXPECT_EQ(h.opisTypu(t, 0), 0);
    EXPECT_EQ(naUtf8(t, 1250), "Wyjście nieaktywne.");
    EXPECT_EQ(h.opisTypu(t, 3), 3);
    EXPECT_EQ(naUtf8(t, 1250), "Programowane wyjście alarmowe (PWA).");
    EXPECT_EQ(h.opisTypu(t, 2), 2);
    EXPECT_TRUE(t.empty());

    ASSERT_EQ(h.ustalTyp(1), 0);
    ASSERT_EQ(h.ustalTyp(0), 0);
    EXPECT_EQ(h.opisWariantu(t, 5), 0);
    EXPECT_EQ(naUtf8(t, 1250), "Nie dotyczy wybranego typu.");

    ASSERT_EQ(h.ustalTyp(1), 0);
    ASSERT_EQ(h.ustalWariant(2), 0);
    EXPECT_EQ(h.opisWariantu(t, 0), 2);
    EXPECT_EQ(naUtf8(t, 1250),
              "Kryterium zadziałania: alarm pożarowy I stopnia w przypisanych strefach.");
    ASSERT_EQ(h.ustalTyp(3), 0);
    EXPECT_EQ(h.opisWariantu(t, 8), 8);
    EXPECT_EQ(naUtf8(t, 1250), "Kryterium zadziałania: alarm pożarowy II stopnia w przypisanych "
                               "strefach do potwierdzenia.");
    EXPECT_EQ(h.opisWariantu(t, 9), 9);
    EXPECT_TRUE(t.empty());
}

TEST(Hrn, RecordOnAPanelModel) {
    Srodowisko s(4);
    Hrn& h = ustawiony(s.c(), 7, 3, 6);
    ASSERT_EQ(h.ustalBajt7(9), 0);
    Bajty blok;
    h.zapiszBlok(blok);
    EXPECT_EQ(blok, (Bajty{7, 'P', 0, 0, 3, 6, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(h.podajDlugoscBloku(), 18);
    EXPECT_EQ(h.podajParametr(), 0);
    EXPECT_EQ(h.podajMatryce(), nullptr);

    Bajty zapytanie;
    EXPECT_EQ(h.ustalZapytanie(zapytanie, 0xB1), 3);
    EXPECT_EQ(zapytanie, (Bajty{0xB1, 7, 'P'}));

    // Byte 6 is taken in and never written back; byte 1 is not tested.
    Hrn inny(7);
    Bajty obcy = blokHrn(7, 1, 2, 16);
    obcy[1] = 'Q';
    obcy[6] = 0x5A;
    ASSERT_EQ(inny.odczytajBlok(obcy), 0);
    EXPECT_EQ(inny.podajBajt6(), 0x5A);
    EXPECT_EQ(inny.podajBajt7(), 16);
    inny.zapiszBlok(blok);
    EXPECT_EQ(blok[6], 0);
    EXPECT_EQ(blok[1], 'P');
}

TEST(Hrn, ReadingStopsAtTheFirstRefusedField) {
    Srodowisko s(4);
    Hrn h(3);
    ASSERT_EQ(h.ustalTyp(3), 0);
    ASSERT_EQ(h.ustalWariant(6), 0);
    struct Przypadek {
        Bajty blok;
        int wynik;
    };
    const Przypadek przypadki[] = {
        {blokHrn(4, 1, 1), 1},          {blokHrn(3, 2, 1), 1},
        {blokHrn(3, 1, 3), 2},          {blokHrn(3, 3, 9), 2},
        {blokHrn(3, 1, 1, 17), 4},      {Bajty{}, 1},
        {Bajty{3, 'P', 0, 0}, 1},       {Bajty{3, 'P', 0, 0, 1}, 2},
        {Bajty{3, 'P', 0, 0, 1, 1}, 3}, {Bajty{3, 'P', 0, 0, 1, 1, 0}, 4},
    };
    for (const auto& p : przypadki) {
        Hrn kopia = h;
        EXPECT_EQ(kopia.odczytajBlok(p.blok), p.wynik) << p.blok.size();
    }

    // A refused type leaves the type as it was.
    EXPECT_EQ(h.odczytajBlok(blokHrn(3, 2, 1)), 1);
    EXPECT_EQ(h.podajTyp(), 3);
    // The type is stored before the variant is tested against it.
    EXPECT_EQ(h.odczytajBlok(blokHrn(3, 1, 5)), 2);
    EXPECT_EQ(h.podajTyp(), 1);
    EXPECT_EQ(h.podajWariant(), 6);
    // Type 0 reading variant 5 keeps the previous variant and succeeds.
    EXPECT_EQ(h.odczytajBlok(blokHrn(3, 0, 5)), 0);
    EXPECT_EQ(h.podajTyp(), 0);
    EXPECT_EQ(h.podajWariant(), 6);
    // On a panel model the zone bytes carry nothing, so a record that ends after byte 7 is whole.
    EXPECT_EQ(h.odczytajBlok(Bajty{3, 'P', 0, 0, 1, 2, 0, 0}), 0);
}

TEST(Hrn, GenericRootShipsItsZoneWindowInsideTheBlock) {
    Srodowisko s(0);
    Hrn& h = ustawiony(s.c(), 2, 3, 5);
    MatrycaStref48_64* m = h.podajMatryce();
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(m->ustaw(300, 0, 1), 0);
    ASSERT_EQ(m->ustaw(363, 0, 1), 0);
    Bajty blok;
    h.zapiszBlok(blok);
    // First zone 300 = 0x012C; zone 300 is bit 0 of byte 10, zone 363 bit 7 of byte 17.
    EXPECT_EQ(blok, (Bajty{2, 0, 0, 0, 3, 5, 0, 0, 0x01, 0x2C, 0x01, 0, 0, 0, 0, 0, 0, 0x80}));

    Hrn kopia(2);
    ASSERT_EQ(kopia.odczytajBlok(blok), 0);
    EXPECT_EQ(kopia.podajMatryce()->podaj(300), 1);
    EXPECT_EQ(kopia.podajMatryce()->podaj(363), 1);
    EXPECT_EQ(kopia.podajMatryce()->liczbaPrzypisanych(), 2);

    // A first zone above the panel's zones, or a record cut inside the window, is refused with 6.
    Bajty zaDaleko = blok;
    zaDaleko[8] = 0x02;
    zaDaleko[9] = 0x01; // 513
    EXPECT_EQ(kopia.odczytajBlok(zaDaleko), 6);
    EXPECT_EQ(kopia.odczytajBlok(std::span(blok).first(17)), 6);
    // The assignment list of the generic root lives in the matrix, never in the stack.
    EXPECT_TRUE(h.podajPrzypisania().empty());
}

TEST(Hrn, TiedToTheLineElementByLogicalNumber) {
    Srodowisko s(4);
    Centrala& c = s.c();
    Hrn& h = *c.hrn[2];
    EXPECT_FALSE(h.czyZadeklarowany());
    EXPECT_EQ(h.podajKlucz(), 0x00005003u);
    EXPECT_EQ(h.linia(), 0);
    EXPECT_EQ(h.adres(), 0);
    EXPECT_EQ(h.trybElementu(), 0);

    // Another kind's device with the same number does not declare it.
    polozUrzadzenie(c, 1, 1, 81, 3, 0x11);
    EXPECT_FALSE(h.czyZadeklarowany());

    // With duplicates the first in table order gives line and address, the last the mode byte.
    polozUrzadzenie(c, 2, 7, 80, 3, 0x41);
    polozUrzadzenie(c, 5, 100, 80, 3, 0x82);
    EXPECT_TRUE(h.czyZadeklarowany());
    EXPECT_EQ(h.podajKlucz(), 0x02075003u);
    EXPECT_EQ(h.trybElementu(), 0x82);
}

TEST(Hrn, PrintFilterZeroAllOrDeclared) {
    Srodowisko s(4);
    Centrala& c = s.c();
    polozUrzadzenie(c, 1, 5, 80, 2, 0);
    const int stara = Hrn::flagi.drukowanie;
    for (int f : {0, 1, 2}) {
        Hrn::flagi.ustalDrukowanie(f);
        EXPECT_EQ(c.hrn[1]->czyDrukowac(), f != 0) << f;
        EXPECT_EQ(c.hrn[0]->czyDrukowac(), f == 2) << f;
    }
    Hrn::flagi.ustalDrukowanie(stara);
}

TEST(Hrn, SoundersThatTakeNoZonesLoseTheirEntriesWhenSaved) {
    Srodowisko s(4);
    Centrala& c = s.c();
    Stos& stos = *c.stos;
    Hrn& h = ustawiony(c, 4, 3, 6);
    stos.dodajPrzypisanie(Stos::kodHrn, 4, 0, 128, 12, 0, 0);
    stos.dodajPrzypisanie(Stos::kodHva, 4, 0, 128, 13, 0, 0);
    Bajty blok;
    h.zapiszBlok(blok);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodHrn, 4, 0, 0), 1);

    ASSERT_EQ(h.ustalWariant(4), 0);
    h.zapiszBlok(blok);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodHrn, 4, 0, 0), 0);
    // Only its own entries go.
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodHva, 4, 0, 0), 1);
}

TEST(Hrn, XmlFragment) {
    Srodowisko s(4);
    Centrala& c = s.c();
    polozUrzadzenie(c, 2, 7, 80, 3, 0xC2);
    Hrn& h = ustawiony(c, 3, 3, 6);
    c.stos->dodajPrzypisanie(Stos::kodHrn, 3, 0, 128, 700, 3, 0);
    c.stos->dodajPrzypisanie(Stos::kodHrn, 3, 0, 128, 5, 0, 0);

    std::string xml;
    h.zapiszXML(xml, 8);
    EXPECT_TRUE(xml.empty());
    h.zapiszXML(xml, 16);
    EXPECT_EQ(xml, "<output><id>12075003</id><hardware_type>3</hardware_type><type>3</type>"
                   "<variant>6</variant><zones>"
                   "<zone><zone_nr>700</zone_nr><control_panel_nr>3</control_panel_nr></zone>"
                   "<zone><zone_nr>5</zone_nr><control_panel_nr>0</control_panel_nr></zone>"
                   "</zones><sound_pattern>2</sound_pattern><battery_monitoring>1"
                   "</battery_monitoring><power_suply_monitoring>1</power_suply_monitoring>"
                   "</output>");

    // Variant 4 drives no zones: no list, whatever the stack still holds.
    ASSERT_EQ(h.ustalWariant(4), 0);
    xml.clear();
    h.zapiszXML(xml, 0xFF);
    EXPECT_EQ(xml, "<output><id>12075003</id><hardware_type>3</hardware_type><type>3</type>"
                   "<variant>4</variant><sound_pattern>2</sound_pattern><battery_monitoring>1"
                   "</battery_monitoring><power_suply_monitoring>1</power_suply_monitoring>"
                   "</output>");

    // An undeclared sounder has line 0, address 0 and mode byte 0.
    xml.clear();
    ustawiony(c, 9, 1, 1).zapiszXML(xml, 16);
    EXPECT_EQ(xml, "<output><id>10005009</id><hardware_type>3</hardware_type><type>1</type>"
                   "<variant>1</variant><sound_pattern>0</sound_pattern><battery_monitoring>0"
                   "</battery_monitoring><power_suply_monitoring>0</power_suply_monitoring>"
                   "</output>");

    // Nothing for variant 0, nor for an inactive sounder that still carries a variant.
    xml.clear();
    c.hrn[10]->zapiszXML(xml, 16);
    ASSERT_EQ(h.ustalTyp(0), 0);
    h.zapiszXML(xml, 16);
    EXPECT_TRUE(xml.empty());
}

TEST(Hrn, PrintoutRowsMergeRunsOfZones) {
    Srodowisko s(4);
    Centrala& c = s.c();
    std::string wydruk;
    c.hrn[0]->drukujNaglowek(wydruk);
    EXPECT_EQ(naUtf8(wydruk, 1250),
              "|-------------------------------ELEMENTY HRN----------------------------|\n"
              "|Numer|Numer| Numer  | Typ |  Wariant  |          Przypisane            |\n"
              "| Hrn |linii|elementu|     |zadziałania|        strefy/elementy         |\n"
              "|-----------------------------------------------------------------------|\n");

    const std::string kreska =
        "|-----------------------------------------------------------------------|\n";
    polozUrzadzenie(c, 3, 12, 80, 12, 0);
    Hrn& h = ustawiony(c, 12, 1, 2);
    for (int z : {3, 4, 5}) c.stos->dodajPrzypisanie(Stos::kodHrn, 12, 0, 128, z, 0, 0);
    c.stos->dodajPrzypisanie(Stos::kodHrn, 12, 0, 128, 6, 2, 0);
    wydruk.clear();
    EXPECT_EQ(h.drukujWiersz(wydruk), 3);
    EXPECT_EQ(wydruk,
              "| 12  |  3  |  12    |  1  |     2     |Strefy:   3  -   5              |\n"
              "|     |     |        |     |           |Strefa:   6         Centrala:2  |\n" +
                  kreska);

    // No zones, or a variant that takes none: the dash text; type 0 prints variant 0.
    wydruk.clear();
    ustawiony(c, 13, 1, 2).drukujWiersz(wydruk);
    ASSERT_EQ(h.ustalTyp(3), 0);
    ASSERT_EQ(h.ustalWariant(3), 0);
    h.drukujWiersz(wydruk);
    ASSERT_EQ(h.ustalTyp(0), 0);
    h.drukujWiersz(wydruk);
    EXPECT_EQ(wydruk,
              "| 13  |  0  |  0     |  1  |     2     |              ---               |\n" +
                  kreska +
                  "| 12  |  3  |  12    |  3  |     3     |              ---        "
                  "       |\n" +
                  kreska +
                  "| 12  |  3  |  12    |  0  |     0     |              ---        "
                  "       |\n" +
                  kreska);
}

TEST(Hrn, RandomRecordsSurviveTheirBlockOnEveryModel) {
    std::mt19937 los(20261211);
    const auto losuj = [&los](int od, int do_) {
        return std::uniform_int_distribution<int>(od, do_)(los);
    };
    for (int model : {0, 3, 4, 5, 6}) {
        Srodowisko s(model);
        Centrala& c = s.c();
        for (int proba = 0; proba < 200; ++proba) {
            const int numer = losuj(1, c.liczbaHrn);
            Hrn a(numer);
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
            Hrn b(numer);
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

// The line element's channel list and the stack's read of HRN blocks ask the HRN records; until
// those calls are wired, the element states no channels and the stack takes no entries.
TEST(Hrn, LineElementAndStackAskTheRecord) {
    Srodowisko s(4);
    Centrala& c = s.c();
    Element& e = polozUrzadzenie(c, 1, 4, 80, 5, 0);
    Hrn& h = *c.hrn[4];
    std::string xml;
    e.zapiszXML(xml, 2);
    if (xml.find("<outputs>") != std::string::npos) {
        EXPECT_NE(xml.find("<outputs></outputs>"), std::string::npos);
    }
    ASSERT_EQ(h.ustalTyp(1), 0);
    xml.clear();
    e.zapiszXML(xml, 2);
    if (xml.find("<outputs>") != std::string::npos) {
        EXPECT_NE(xml.find("<outputs><output><nr>1</nr><id>11045005</id></output></outputs>"),
                  std::string::npos);
    }

    // A stack block for HRN 5 with zone 700 of panel 3.
    const Bajty blok{80, 0, 0, 5, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0x1A, 0xBC};
    Stos& stos = *c.stos;
    ASSERT_EQ(h.ustalWariant(2), 0);
    ASSERT_EQ(stos.odczytajBlok(blok), 0);
    const int wpisow = stos.liczbaPrzypisan(Stos::kodHrn, 5, 0, 0);
    EXPECT_LE(wpisow, 1);
    if (wpisow == 1) {
        EXPECT_EQ(h.podajPrzypisania(), (std::vector<std::pair<int, int>>{{700, 3}}));
        // Variant 1 takes no zones: the block removes the sounder's entries.
        ASSERT_EQ(h.ustalWariant(1), 0);
        ASSERT_EQ(stos.odczytajBlok(blok), 0);
        EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodHrn, 5, 0, 0), 0);
    }

    // The same through a mode source that asks the record itself.
    stos.ustalTrybZrodla([&c](const Stos::Klucz& k) {
        return k.kod == Stos::kodHrn
                   ? c.hrn[static_cast<std::size_t>(k.numer - 1)]->trybPrzypisania()
                   : 0;
    });
    ASSERT_EQ(h.ustalWariant(2), 0);
    ASSERT_EQ(stos.odczytajBlok(blok), 0);
    EXPECT_EQ(h.podajPrzypisania(), (std::vector<std::pair<int, int>>{{700, 3}}));
}

TEST(Hrn, SounderRecordOfALineElement) {
    Srodowisko s(5);
    Centrala& c = s.c();
    EXPECT_EQ(sygnalizatorElementu(80, 50), c.hrn[49]);
    EXPECT_EQ(sygnalizatorElementu(88, 1), c.hva[0]);
    EXPECT_EQ(sygnalizatorElementu(80, 51), nullptr);
    EXPECT_EQ(sygnalizatorElementu(80, 0), nullptr);
    EXPECT_EQ(sygnalizatorElementu(64, 1), nullptr);
    EXPECT_EQ(sygnalizatorElementu(89, 1), nullptr);
}
