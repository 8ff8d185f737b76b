// XGN 200 extinguishing units: the 201-byte record, variants by firmware, stack entries of output
// P1, keys, XML fragments and printout rows.
#include <gtest/gtest.h>

#include <random>

#include "core/przejscie_tablicy.h"
#include "elements/lines/element.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/xgn.h"
#include "lang/formatowanie.h"
#include "wspolne/srodowisko.h"

namespace {

Bajty zapisany(Xgn& x) {
    Bajty b;
    x.zapiszBlok(b);
    return b;
}

std::string pole(const Bajty& b, int od) {
    return std::string(b.begin() + od, b.begin() + od + 32);
}

// Puts an XGN 200 with logical number `numer` at line element `indeks` of the table.
Element& naLinii(Centrala& c, int indeks, int numer, int kod = Xgn::kodLinii) {
    Element& e = *c.elementyLinii[static_cast<std::size_t>(indeks)];
    EXPECT_EQ(e.ustalTypZKodu(kod), 0);
    EXPECT_EQ(e.podajTyp().ustalNumer(numer), 0);
    return e;
}

void ustalFirmware(Centrala& c, int wersja) {
    const std::string id =
        "PSC....V" + std::to_string(wersja / 10) + "." + std::to_string(wersja % 10);
    ASSERT_EQ(c.odczytajIdentyfikacje(id), wersja);
}

TEST(Xgn, NewUnitAndItsRecordLayout) {
    Srodowisko s(4);
    Xgn x(7);
    EXPECT_EQ(x.podajNrFunkcjiZapisu(), 139);
    EXPECT_EQ(x.podajNrFunkcjiOdczytu(), 183);
    EXPECT_EQ(x.podajNazwe(), tekst(377) + "7");
    EXPECT_EQ(x.podajParametr(), 7);
    EXPECT_EQ(x.podajStrefyK(), 1);
    for (int i = 0; i < Xgn::liczbaKomunikatow; ++i) {
        EXPECT_EQ(x.podajKomunikat(i), naSzerokosc(tekst(378 + i), 32));
        EXPECT_EQ(x.podajKomunikat(i).size(), 32u);
    }

    ASSERT_EQ(x.ustalWariant(7), 0);
    ASSERT_EQ(x.ustalStrefe(0x1234), 0);
    ASSERT_EQ(x.ustalGrupeB(1), 0);
    ASSERT_EQ(x.ustalStrefyK(5), 0);
    ASSERT_EQ(x.ustalKomunikat(0, "FAULT P1"), 0);
    ASSERT_EQ(x.ustalKomunikat(5, std::string(40, 'Z')), 0);
    const Bajty b = zapisany(x);
    ASSERT_EQ(b.size(), 201u);
    EXPECT_EQ(b[0], 7);
    EXPECT_EQ(b[4], 7);
    EXPECT_EQ(b[5], 0x80 | 0x12);
    EXPECT_EQ(b[6], 0x34);
    EXPECT_EQ(b[7], 0);
    EXPECT_EQ(b[8], 5);
    EXPECT_EQ(pole(b, 9), ElementSystemu::kodujTekst(x.podajKomunikat(3)));
    EXPECT_EQ(pole(b, 73), std::string(32, 'Z'));
    EXPECT_EQ(pole(b, 105), naSzerokosc("FAULT P1", 32));
    for (int i : {1, 2, 3}) EXPECT_EQ(b[static_cast<std::size_t>(i)], 0);

    Xgn y(7);
    ASSERT_EQ(y.odczytajBlok(b), 0);
    EXPECT_EQ(y, x);
    Bajty z;
    EXPECT_EQ(x.ustalZapytanie(z, 0x42), 2);
    EXPECT_EQ(z, (Bajty{0x42, 7}));
}

TEST(Xgn, SettersRefuseOutOfRangeValues) {
    Srodowisko s(4);
    Xgn x(1);
    EXPECT_EQ(x.ustalWariant(9), 1);
    EXPECT_EQ(x.ustalWariant(-1), 1);
    EXPECT_EQ(x.ustalStrefe(0x8000), 1);
    EXPECT_EQ(x.ustalGrupeB(2), 1);
    EXPECT_EQ(x.ustalKomunikat(6, "x"), 1);
    EXPECT_EQ(x, Xgn(1));
    // k is kept only for the k-of-n variants.
    EXPECT_EQ(x.ustalStrefyK(4), 0);
    EXPECT_EQ(x.podajStrefyK(), 1);
    ASSERT_EQ(x.ustalWariant(8), 0);
    EXPECT_EQ(x.ustalStrefyK(4), 0);
    EXPECT_EQ(x.podajStrefyK(), 4);
    ASSERT_EQ(x.ustalWariant(3), 0);
    EXPECT_EQ(x.podajStrefyK(), 1);
}

TEST(Xgn, VariantTextsAndModes) {
    Srodowisko s(4);
    Xgn x(1);
    struct Przypadek {
        int wariant, tekstNr, tryb;
    };
    for (const auto& p :
         {Przypadek{0, 151, 0}, Przypadek{1, 152, 0}, Przypadek{2, 153, 128}, Przypadek{4, 155, 0},
          Przypadek{6, 157, 128}, Przypadek{7, 435, 128}, Przypadek{8, 436, 128}}) {
        ASSERT_EQ(x.ustalWariant(p.wariant), 0);
        std::string t;
        EXPECT_EQ(x.opisWariantu(t, 0), p.wariant);
        EXPECT_EQ(t, tekst(p.tekstNr)) << p.wariant;
        EXPECT_EQ(x.trybPrzypisania(), p.tryb) << p.wariant;
    }
    std::string t;
    EXPECT_EQ(x.opisWariantu(t, 3), 3);
    EXPECT_EQ(t, tekst(154));
}

TEST(Xgn, OlderFirmwareTakesVariantsUpToSix) {
    struct Przypadek {
        int typ, wersja, maks;
    };
    for (const auto& p :
         {Przypadek{4, 36, 6}, Przypadek{4, 37, 8}, Przypadek{5, 26, 6}, Przypadek{5, 27, 8},
          Przypadek{3, 23, 6}, Przypadek{3, 24, 8}, Przypadek{6, 19, 6}, Przypadek{6, 20, 8}}) {
        Srodowisko s(p.typ);
        ustalFirmware(s.c(), p.wersja);
        Xgn x(1);
        EXPECT_EQ(x.ustalWariant(p.maks), 0) << p.typ << " " << p.wersja;
        EXPECT_EQ(x.ustalWariant(p.maks + 1), 1) << p.typ << " " << p.wersja;
    }
    Srodowisko s(0);
    EXPECT_EQ(Xgn(1).ustalWariant(8), 0);
}

TEST(Xgn, ReadingStopsAtTheFirstRefusedField) {
    Srodowisko s(4);
    Xgn x(3);
    Bajty dobry = zapisany(x);
    struct Przypadek {
        Bajty blok;
        int wynik;
    };
    Bajty obcy = dobry;
    obcy[0] = 4;
    Bajty zlyWariant = dobry;
    zlyWariant[4] = 9;
    const Przypadek przypadki[] = {
        {obcy, 1},
        {zlyWariant, 2},
        {Bajty{}, 1},
        {Bajty(dobry.begin(), dobry.begin() + 4), 2},
        {Bajty(dobry.begin(), dobry.begin() + 6), 3},
        {Bajty(dobry.begin(), dobry.begin() + 8), 4},
        {Bajty(dobry.begin(), dobry.begin() + 200), 5},
    };
    for (const auto& p : przypadki) {
        Xgn y(3);
        EXPECT_EQ(y.odczytajBlok(p.blok), p.wynik) << p.blok.size();
    }
    // The k-of-n value follows the variant read with it.
    Bajty k = dobry;
    k[4] = 7;
    k[7] = 0x00;
    k[8] = 0x03;
    ASSERT_EQ(x.odczytajBlok(k), 0);
    EXPECT_EQ(x.podajStrefyK(), 3);
    k[4] = 2;
    ASSERT_EQ(x.odczytajBlok(k), 0);
    EXPECT_EQ(x.podajStrefyK(), 1);
    // The zone and group are taken without tests; fields before a refusal keep their values.
    Bajty czesc = dobry;
    czesc[4] = 5;
    czesc[5] = 0xFF;
    czesc[6] = 0xFF;
    czesc.resize(150);
    EXPECT_EQ(x.odczytajBlok(czesc), 5);
    EXPECT_EQ(x.podajWariant(), 5);
    EXPECT_EQ(x.podajStrefe(), 0x7FFF);
    EXPECT_EQ(x.podajGrupeB(), 1);
}

TEST(Xgn, WritingWithoutZoneCriterionDropsTheStackEntries) {
    Srodowisko s(4);
    Stos& stos = *s.c().stos;
    Xgn& x = *s.c().xgn[4];
    stos.dodajPrzypisanie(Stos::kodXgn, 5, 0, Stos::trybStrefy, 10, 0, 0);
    stos.dodajPrzypisanie(Stos::kodXgn, 6, 0, Stos::trybStrefy, 11, 0, 0);
    ASSERT_EQ(x.ustalWariant(5), 0);
    zapisany(x);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodXgn, 5, 0, 0), 1);
    ASSERT_EQ(x.ustalWariant(1), 0);
    zapisany(x);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodXgn, 5, 0, 0), 0);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodXgn, 6, 0, 0), 1);
}

TEST(Xgn, KeyAndPrintFilterFollowTheLineDevice) {
    Srodowisko s(4);
    Xgn& x = *s.c().xgn[11];
    EXPECT_EQ(x.podajKlucz(), 0x600Cu);
    EXPECT_FALSE(x.czyZadeklarowany());
    Xgn::flagi.ustalDrukowanie(1);
    EXPECT_FALSE(x.czyDrukowac());
    // Line 2 address 5 is element 127 + 4; an XGN 300 with the same number does not count.
    naLinii(s.c(), 3, 12, 97);
    EXPECT_FALSE(x.czyZadeklarowany());
    naLinii(s.c(), 131, 12);
    EXPECT_EQ(x.podajKlucz(), 0x0205600Cu);
    EXPECT_EQ(x.linia(), 2);
    EXPECT_EQ(x.adres(), 5);
    EXPECT_TRUE(x.czyDrukowac());
    Xgn::flagi.ustalDrukowanie(0);
    EXPECT_FALSE(x.czyDrukowac());
    Xgn::flagi.ustalDrukowanie(2);
    EXPECT_TRUE(s.c().xgn[0]->czyDrukowac());
    Xgn::flagi.ustalDrukowanie(1);
}

TEST(Xgn, XmlOutputs) {
    Srodowisko s(4);
    Xgn& x = *s.c().xgn[1];
    std::string xml;
    x.zapiszXML(xml, 0xFF);
    EXPECT_TRUE(xml.empty()); // not on a line
    naLinii(s.c(), 0, 2);
    x.ustalKomunikat(1, "A<B");
    x.zapiszXML(xml, 0xEF);
    EXPECT_TRUE(xml.empty());
    // P2 and P3 are there even when P1 does nothing.
    x.zapiszXML(xml, 16);
    const std::string p2p3 = "<output><id>21016002</id><hardware_type>1</hardware_type>"
                             "<tech_alarm_message>" +
                             x.podajKomunikat(4) + "</tech_alarm_message><fault_message>A&lt;B" +
                             std::string(29, ' ') +
                             "</fault_message></output><output><id>31016002</id>"
                             "<hardware_type>1</hardware_type><tech_alarm_message>" +
                             x.podajKomunikat(5) + "</tech_alarm_message><fault_message>" +
                             x.podajKomunikat(2) + "</fault_message></output>";
    EXPECT_EQ(xml, p2p3);

    ASSERT_EQ(x.ustalWariant(7), 0);
    x.ustalStrefyK(2);
    s.c().stos->dodajPrzypisanie(Stos::kodXgn, 2, 0, Stos::trybStrefy, 40, 3, 0);
    xml.clear();
    x.zapiszXML(xml, 16);
    EXPECT_EQ(xml, "<output><id>11016002</id><hardware_type>1</hardware_type><variant>7</variant>"
                   "<zones_k>2</zones_k><zones><zone><zone_nr>40</zone_nr><control_panel_nr>3"
                   "</control_panel_nr></zone></zones><tech_alarm_message>" +
                       x.podajKomunikat(3) + "</tech_alarm_message><fault_message>" +
                       x.podajKomunikat(0) + "</fault_message></output>" + p2p3);
    // A criterion without zones lists none.
    ASSERT_EQ(x.ustalWariant(1), 0);
    xml.clear();
    x.zapiszXML(xml, 16);
    EXPECT_EQ(xml.find("<zones>"), std::string::npos);
    EXPECT_EQ(xml.find("<zones_k>"), std::string::npos);
    EXPECT_NE(xml.find("<variant>1</variant>"), std::string::npos);
}

std::vector<std::string> wiersze(const std::string& t) {
    std::vector<std::string> w;
    std::size_t p = 0;
    for (std::size_t q; (q = t.find('\n', p)) != std::string::npos; p = q + 1)
        w.push_back(t.substr(p, q - p));
    return w;
}

TEST(Xgn, PrintoutRows) {
    Srodowisko s(4);
    Xgn& x = *s.c().xgn[2];
    naLinii(s.c(), 130, 3);
    std::string naglowek;
    x.drukujNaglowek(naglowek);
    EXPECT_EQ(naglowek, tekst(384));

    std::string b;
    EXPECT_EQ(x.drukujWiersz(b), 13);
    auto w = wiersze(b);
    ASSERT_EQ(w.size(), 13u);
    EXPECT_EQ(w[0].substr(0, 41), "| 3   |  2  |  4     |     0     | 3    |");
    EXPECT_EQ(w[0].substr(w[0].size() - 34), "|             ---                |");
    EXPECT_EQ(w[1], "|     |     |        |           |      | " + x.podajKomunikat(0) + " |" +
                        std::string(32, ' ') + "|");
    EXPECT_EQ(w[12], '|' + std::string(107, '-') + '|');

    // Fourteen zone runs: twelve fill the block, two more add rows.
    ASSERT_EQ(x.ustalWariant(2), 0);
    for (int z = 1; z <= 28; z += 2)
        s.c().stos->dodajPrzypisanie(Stos::kodXgn, 3, 0, Stos::trybStrefy, z, 0, 0);
    s.c().stos->dodajPrzypisanie(Stos::kodXgn, 3, 0, Stos::trybStrefy, 28, 0, 0);
    b.clear();
    EXPECT_EQ(x.drukujWiersz(b), 15);
    w = wiersze(b);
    ASSERT_EQ(w.size(), 15u);
    EXPECT_EQ(w[0].substr(w[0].size() - 34),
              '|' + naSzerokosc(ElementSystemu::opisStref(1, 1, 0), 32) + '|');
    EXPECT_EQ(w[13],
              "|     |     |        |           |      |                                  |" +
                  naSzerokosc(ElementSystemu::opisStref(27, 28, 0), 32) + "|");
}

// Output 1 of an XGN 200 in the line element's XML comes from the unit's record; while that is
// not wired, nothing is stated about it.
TEST(Xgn, LineElementExportsTheUnitsZoneAndOutputs) {
    Srodowisko s(4);
    Element& e = naLinii(s.c(), 0, 9);
    Xgn& x = *s.c().xgn[8];
    x.ustalStrefe(77);
    ASSERT_EQ(x.ustalWariant(1), 0);
    std::string xml;
    e.zapiszXML(xml, 2);
    const bool strefa = xml.find("<zone>77</zone>") != std::string::npos;
    EXPECT_TRUE(strefa || xml.find("<zone>") == std::string::npos) << xml;
    const bool kanaly = xml.find("<outputs>") != std::string::npos;
    if (kanaly) {
        EXPECT_NE(xml.find("<outputs><output><nr>1</nr><id>11016009</id>"), std::string::npos)
            << xml;
    }
    x.ustalWariant(0);
    xml.clear();
    e.zapiszXML(xml, 2);
    if (kanaly) {
        EXPECT_NE(xml.find("<outputs><output><nr>2</nr>"), std::string::npos) << xml;
    }
}

std::string losowyKomunikat(std::mt19937& los) {
    std::string t(32, ' ');
    for (char& c : t) c = static_cast<char>(std::uniform_int_distribution<int>(0x20, 0x7E)(los));
    return t;
}

TEST(Xgn, RandomRecordsRoundTripOnEveryModel) {
    std::mt19937 los(2024);
    for (int typ : {0, 3, 4, 5, 6}) {
        Srodowisko s(typ);
        auto u = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(los); };
        for (int proba = 0; proba < 40; ++proba) {
            const int numer = u(1, s.c().liczbaXgn);
            Xgn x(numer);
            ASSERT_EQ(x.ustalWariant(u(0, 8)), 0);
            x.ustalStrefyK(u(1, 255));
            ASSERT_EQ(x.ustalStrefe(u(0, 0x7FFF)), 0);
            ASSERT_EQ(x.ustalGrupeB(u(0, 1)), 0);
            for (int i = 0; i < Xgn::liczbaKomunikatow; ++i)
                x.ustalKomunikat(i, losowyKomunikat(los));
            Xgn y(numer);
            ASSERT_EQ(y.odczytajBlok(zapisany(x)), 0);
            EXPECT_EQ(y, x) << typ;
        }
    }
}

// The table walk over the XGN range writes one record per unit and reads them back.
TEST(Xgn, TableWalkWritesAndReadsEveryUnit) {
    Srodowisko s(5);
    Centrala& c = s.c();
    c.xgn[0]->ustalWariant(6);
    c.xgn[c.liczbaXgn - 1]->ustalStrefe(99);
    std::vector<Bajty> bloki;
    for (PrzejscieTablicy p(c, c.poczXgn, c.poczXgn30); !p.koniec(); p.dalej()) {
        bloki.emplace_back();
        p.biezacy().zapiszBlok(bloki.back());
    }
    ASSERT_EQ(bloki.size(), static_cast<std::size_t>(c.liczbaXgn));
    std::vector<Xgn> oczekiwane;
    for (int i = 0; i < c.liczbaXgn; ++i) {
        oczekiwane.push_back(*c.xgn[static_cast<std::size_t>(i)]);
        *c.xgn[static_cast<std::size_t>(i)] = Xgn(i + 1);
    }
    std::size_t k = 0;
    for (PrzejscieTablicy p(c, c.poczXgn, c.poczXgn30); !p.koniec(); p.dalej())
        ASSERT_EQ(p.biezacy().odczytajBlok(bloki[k++]), 0);
    for (int i = 0; i < c.liczbaXgn; ++i)
        EXPECT_EQ(*c.xgn[static_cast<std::size_t>(i)], oczekiwane[static_cast<std::size_t>(i)]);
}

} // namespace
