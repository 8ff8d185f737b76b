// XGN 300 units and their modules: the 14-block sequence and its cursor, the block layout, the
// module byte checks, XML fragments per block, printout rows and the modules' stack sources.
#include <gtest/gtest.h>

#include <random>

#include "core/przejscie_tablicy.h"
#include "elements/lines/element.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/xgn30.h"
#include "lang/formatowanie.h"
#include "wspolne/srodowisko.h"

namespace {

Bajty zapisany(Xgn30& x) {
    Bajty b;
    x.zapiszBlok(b);
    return b;
}

Bajty blok(int numer, char rodzaj, int indeks) {
    Bajty b(146, 0);
    b[0] = static_cast<std::uint8_t>(numer);
    b[6] = static_cast<std::uint8_t>(rodzaj);
    b[7] = static_cast<std::uint8_t>(indeks);
    return b;
}

Bajty przyciety(Bajty b, std::size_t n) {
    b.resize(n);
    return b;
}

std::string pole(const Bajty& b, int od) {
    return std::string(b.begin() + od, b.begin() + od + 32);
}

// Moves the cursor to the given block.
void ustawKursor(Xgn30& x, char rodzaj, int indeks) {
    x.zerujKursor();
    while (!(x.podajKursorRodzaj() == rodzaj && x.podajKursorIndeks() == indeks))
        ASSERT_TRUE(x.czyKolejnyBlok());
}

Element& naLinii(Centrala& c, int indeks, int numer) {
    Element& e = *c.elementyLinii[static_cast<std::size_t>(indeks)];
    EXPECT_EQ(e.ustalTypZKodu(Xgn30::kodLinii), 0);
    EXPECT_EQ(e.podajTyp().ustalNumer(numer), 0);
    return e;
}

TEST(Xgn30, NewUnitWithItsModules) {
    Srodowisko s(4);
    Xgn30 x(6);
    EXPECT_EQ(x.podajNrFunkcjiZapisu(), 140);
    EXPECT_EQ(x.podajNrFunkcjiOdczytu(), 184);
    EXPECT_EQ(x.podajNazwe(), tekst(424) + "6");
    EXPECT_EQ(x.podajParametr(), 6);
    EXPECT_EQ(x.podajModulBqa(3)->podajStrefe(), 6);
    EXPECT_EQ(x.podajModulBqa(3)->wyjscie().komunikatUszkodzenia,
              naSzerokosc(formatujTekst(425, 3), 32));
    EXPECT_EQ(x.podajModulBqa(8)->wyjscie().komunikatAlarmu,
              naSzerokosc(formatujTekst(426, 8), 32));
    EXPECT_EQ(x.podajModulBtz(4)->wyjscie(2)->komunikatUszkodzenia,
              naSzerokosc(formatujTekst(429, 4, 2), 32));
    EXPECT_EQ(x.podajModulBtz(1)->wyjscie(1)->komunikatAlarmu,
              naSzerokosc(formatujTekst(430, 1, 1), 32));
    EXPECT_EQ(x.podajModulBkv(1)->wyjscie(2)->komunikatAlarmu,
              naSzerokosc(formatujTekst(428, 2), 32));
    EXPECT_EQ(x.podajModulBkv(1)->wyjscie(1)->strefyK, 1);
    EXPECT_EQ(x.podajModulBqa(0), nullptr);
    EXPECT_EQ(x.podajModulBqa(9), nullptr);
    EXPECT_EQ(x.podajModulBtz(5), nullptr);
    EXPECT_EQ(x.podajModulBkv(2), nullptr);
    EXPECT_EQ(x.podajModulBtz(1)->wyjscie(3), nullptr);
    // Copies are independent.
    Xgn30 kopia = x;
    kopia.podajModulBqa(1)->wyjscie().ustalWariant(2);
    EXPECT_EQ(x.podajModulBqa(1)->wyjscie().wariant, 0);
    EXPECT_FALSE(kopia == x);
}

TEST(Xgn30, CursorWalksFourteenBlocksEachWithItsKeyAndRequest) {
    Srodowisko s(4);
    Xgn30 x(2);
    x.zerujKursor();
    std::vector<std::uint32_t> klucze;
    std::vector<Bajty> zapytania;
    do {
        klucze.push_back(x.podajKlucz());
        zapytania.emplace_back();
        EXPECT_EQ(x.ustalZapytanie(zapytania.back(), 0x99), 4);
    } while (x.czyKolejnyBlok());
    std::vector<std::uint32_t> oczekiwane{0x27001};
    for (int i = 1; i <= 8; ++i) oczekiwane.push_back(0x27100u + static_cast<std::uint32_t>(i));
    for (int i = 1; i <= 5; ++i) oczekiwane.push_back(0x27200u + static_cast<std::uint32_t>(i));
    EXPECT_EQ(klucze, oczekiwane);
    EXPECT_EQ(zapytania[0], (Bajty{0x99, 2, 'p', 1}));
    EXPECT_EQ(zapytania[13], (Bajty{0x99, 2, 'r', 5}));
    // After the last block the cursor is back at the first.
    EXPECT_EQ(x.podajKursorRodzaj(), 'p');
    EXPECT_EQ(x.podajKursorIndeks(), 1);
}

TEST(Xgn30, BlockLayouts) {
    Srodowisko s(4);
    Xgn30 x(9);
    ASSERT_EQ(x.ustalStrefe(0x0203), 0);
    ASSERT_EQ(x.ustalMaskeBqa(0x05), 0);
    ASSERT_EQ(x.ustalMaskeBtz(0x0A), 0);
    ASSERT_EQ(x.ustalBkv(1), 0);
    ModulBqa& q3 = *x.podajModulBqa(3);
    ASSERT_EQ(q3.ustalStrefe(300), 0);
    ASSERT_EQ(q3.wyjscie().ustalWariant(8), 0);
    q3.wyjscie().ustalStrefyK(0x0104);
    q3.wyjscie().ustalKomunikat(0, "Q FAULT");
    q3.wyjscie().ustalKomunikat(1, "Q ALARM");
    WyjscieModulu& bkv2 = *x.podajModulBkv(1)->wyjscie(2);
    ASSERT_EQ(bkv2.ustalWariant(7), 0);
    bkv2.ustalStrefyK(3);
    bkv2.ustalKomunikat(0, "BKV2 FAULT");
    bkv2.ustalKomunikat(1, "BKV2 ALARM");
    x.podajModulBkv(1)->wyjscie(1)->ustalWariant(4);

    x.zerujKursor();
    Bajty p = zapisany(x);
    ASSERT_EQ(p.size(), 146u);
    EXPECT_EQ(p[0], 9);
    EXPECT_EQ(p[4], 0x05);
    EXPECT_EQ(p[5], 0x1A);
    EXPECT_EQ(p[6], 'p');
    EXPECT_EQ(p[7], 1);
    EXPECT_EQ(p[8], 0x02);
    EXPECT_EQ(p[9], 0x03);
    EXPECT_EQ(std::count(p.begin() + 10, p.end(), 0), 136);

    ustawKursor(x, 'q', 3);
    Bajty q = zapisany(x);
    EXPECT_EQ(q[4], 0x05);
    EXPECT_EQ(q[5], 0x1A);
    EXPECT_EQ(q[6], 'q');
    EXPECT_EQ(q[7], 3);
    EXPECT_EQ(q[8], 0x01);
    EXPECT_EQ(q[9], 0x2C);
    EXPECT_EQ(q[10], 8);
    EXPECT_EQ(pole(q, 14), naSzerokosc("Q ALARM", 32));
    EXPECT_EQ(pole(q, 78), naSzerokosc("Q FAULT", 32));
    EXPECT_EQ(q[142], 0x01);
    EXPECT_EQ(q[143], 0x04);
    EXPECT_EQ(q[144], 0);
    EXPECT_EQ(q[145], 0);

    ustawKursor(x, 'r', 5);
    Bajty r = zapisany(x);
    EXPECT_EQ(r[6], 'r');
    EXPECT_EQ(r[7], 5);
    EXPECT_EQ(r[8], 0);
    EXPECT_EQ(r[9], 0);
    EXPECT_EQ(r[10], 4);
    EXPECT_EQ(r[11], 7);
    EXPECT_EQ(pole(r, 46), naSzerokosc("BKV2 ALARM", 32));
    EXPECT_EQ(pole(r, 110), naSzerokosc("BKV2 FAULT", 32));
    EXPECT_EQ(r[142], 0);
    EXPECT_EQ(r[143], 1);
    EXPECT_EQ(r[144], 0);
    EXPECT_EQ(r[145], 3);
}

TEST(Xgn30, ReadingRefusals) {
    Srodowisko s(6); // 128 zones
    struct Przypadek {
        const char* opis;
        Bajty blok;
        int kursor; // cursor index of an 'r' block
        int wynik;
    };
    Bajty zaDuzaStrefa = blok(4, 'q', 2);
    zaDuzaStrefa[9] = 129;
    Bajty zlyWariant = blok(4, 'q', 2);
    zlyWariant[9] = 128;
    zlyWariant[10] = 9;
    const Przypadek przypadki[] = {
        {"other unit", blok(5, 'p', 1), 1, 1},
        {"empty", Bajty{}, 1, 1},
        {"header cut", przyciety(blok(4, 'p', 1), 7), 1, 2},
        {"unit zone cut", przyciety(blok(4, 'p', 1), 9), 1, 3},
        {"BQA 0", blok(4, 'q', 0), 1, 1},
        {"BQA 9", blok(4, 'q', 9), 1, 1},
        {"BTZ 0", blok(4, 'r', 0), 1, 1},
        {"BTZ 5 before the BKV position", blok(4, 'r', 5), 4, 1},
        {"zone above the count", zaDuzaStrefa, 1, 3},
        {"variant 9", zlyWariant, 1, 4},
        {"BQA messages cut", przyciety(blok(4, 'q', 1), 100), 1, 5},
        {"BQA k cut", przyciety(blok(4, 'q', 1), 143), 1, 6},
        {"BTZ k cut", przyciety(blok(4, 'r', 1), 145), 1, 6},
    };
    for (const auto& p : przypadki) {
        Xgn30 x(4);
        ustawKursor(x, 'r', p.kursor);
        EXPECT_EQ(x.odczytajBlok(p.blok), p.wynik) << p.opis;
    }
    // A refused module byte changes nothing, not even the declarations.
    Xgn30 x(4);
    Bajty b = blok(4, 'q', 9);
    b[4] = 0xFF;
    EXPECT_EQ(x.odczytajBlok(b), 1);
    EXPECT_EQ(x.podajMaskeBqa(), 0);
    // A refused variant leaves the zone read before it.
    EXPECT_EQ(x.odczytajBlok(zlyWariant), 4);
    EXPECT_EQ(x.podajModulBqa(2)->podajStrefe(), 128);
    EXPECT_EQ(x.podajModulBqa(2)->wyjscie().wariant, 0);
}

TEST(Xgn30, ModuleBlocksOfTwoOutputs) {
    Srodowisko s(4);
    Xgn30 x(1);
    // The BKV position takes the BKV module whatever byte 7 says.
    ustawKursor(x, 'r', 5);
    Bajty r = blok(1, 'r', 0);
    r[5] = 0x10;
    r[10] = 2;
    r[11] = 7;
    r[145] = 6;
    r[143] = 9;
    ASSERT_EQ(x.odczytajBlok(r), 0);
    EXPECT_EQ(x.podajBkv(), 1);
    EXPECT_EQ(x.podajModulBkv(1)->wyjscie(1)->wariant, 2);
    EXPECT_EQ(x.podajModulBkv(1)->wyjscie(1)->strefyK, 1); // not a k-of-n variant
    EXPECT_EQ(x.podajModulBkv(1)->wyjscie(2)->wariant, 7);
    EXPECT_EQ(x.podajModulBkv(1)->wyjscie(2)->strefyK, 6);
    // A variant the firmware does not take is skipped and the block still accepted.
    ustawKursor(x, 'r', 2);
    r = blok(1, 'r', 3);
    r[10] = 9;
    r[11] = 3;
    x.podajModulBtz(3)->wyjscie(1)->ustalWariant(5);
    ASSERT_EQ(x.odczytajBlok(r), 0);
    EXPECT_EQ(x.podajModulBtz(3)->wyjscie(1)->wariant, 5);
    EXPECT_EQ(x.podajModulBtz(3)->wyjscie(2)->wariant, 3);
    EXPECT_EQ(x.podajModulBkv(1)->wyjscie(2)->wariant, 7);
}

TEST(Xgn30, WritingLeavesTheModulesStackEntries) {
    Srodowisko s(4);
    Stos& stos = *s.c().stos;
    Xgn30& x = *s.c().xgn30[0];
    stos.dodajPrzypisanie(Stos::kodBqa, 1, 0, Stos::trybStrefy, 5, 0, 2);
    stos.dodajPrzypisanie(Stos::kodBtz, 1, 1, Stos::trybStrefy, 6, 0, 5);
    x.zerujKursor();
    do zapisany(x);
    while (x.czyKolejnyBlok());
    EXPECT_EQ(stos.podajLiczbeWpisow(), 2);
}

// The modes the stack takes for the module sources when its blocks are read.
TEST(Xgn30, ModuleSourceModes) {
    Srodowisko s(4);
    Xgn30& x = *s.c().xgn30[2];
    x.podajModulBqa(4)->wyjscie().ustalWariant(3);
    x.podajModulBtz(2)->wyjscie(2)->ustalWariant(8);
    x.podajModulBkv(1)->wyjscie(1)->ustalWariant(6);
    x.podajModulBkv(1)->wyjscie(2)->ustalWariant(4);
    struct Przypadek {
        int kod, indeks, podnumer, tryb;
    };
    for (const auto& p :
         {Przypadek{113, 4, 0, 128}, Przypadek{113, 3, 0, 0}, Przypadek{113, 9, 0, 0},
          Przypadek{113, 4, 1, 0}, Przypadek{114, 2, 2, 128}, Przypadek{114, 2, 1, 0},
          Przypadek{114, 5, 1, 128}, Przypadek{114, 5, 2, 0}, Przypadek{114, 6, 1, 0},
          Przypadek{114, 2, 3, 0}, Przypadek{96, 4, 0, 0}})
        EXPECT_EQ(x.trybZrodla(p.kod, p.indeks, p.podnumer), p.tryb)
            << p.kod << " " << p.indeks << " " << p.podnumer;

    // A stack block for a module output takes entries only while the output takes zones.
    Stos& stos = *s.c().stos;
    stos.ustalTrybZrodla([&s](const Stos::Klucz& k) {
        return s.c().xgn30[static_cast<std::size_t>(k.numer - 1)]->trybZrodla(k.kod, k.indeks,
                                                                              k.podnumer);
    });
    Bajty b{113, 4, 0, 3, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0x00, 0x2A};
    EXPECT_EQ(stos.odczytajBlok(b), 0);
    EXPECT_EQ(stos.liczbaPrzypisan(113, 3, 0, 4), 1);
    b[1] = 3;
    EXPECT_EQ(stos.odczytajBlok(b), 0);
    EXPECT_EQ(stos.liczbaPrzypisan(113, 3, 0, 3), 0);
}

TEST(Xgn30, XmlPerBlock) {
    Srodowisko s(4);
    Centrala& c = s.c();
    Xgn30& x = *c.xgn30[2];
    ASSERT_EQ(x.ustalMaskeBqa(0x05), 0);
    ASSERT_EQ(x.ustalMaskeBtz(0x02), 0);
    x.podajModulBqa(3)->ustalStrefe(17);
    x.podajModulBqa(3)->wyjscie().ustalWariant(7);
    x.podajModulBqa(3)->wyjscie().ustalStrefyK(2);
    x.podajModulBqa(3)->wyjscie().ustalKomunikat(1, "A&B");
    c.stos->dodajPrzypisanie(Stos::kodBqa, 3, 0, Stos::trybStrefy, 17, 0, 3);
    x.podajModulBtz(2)->wyjscie(2)->ustalWariant(1);

    auto fragmenty = [&x](std::uint8_t grupy) {
        std::vector<std::string> f;
        x.zerujKursor();
        do {
            f.emplace_back();
            x.zapiszXML(f.back(), grupy);
        } while (x.czyKolejnyBlok());
        return f;
    };
    // The unit's own module only when it is on a line.
    auto m = fragmenty(4);
    EXPECT_TRUE(m[0].empty());
    naLinii(c, 0, 3);
    m = fragmenty(4);
    EXPECT_EQ(m[0], "<module><id>00037001</id><zone>3</zone></module>");
    EXPECT_EQ(m[1], "<module><id>00037101</id><zone>3</zone><outputs></outputs></module>");
    EXPECT_TRUE(m[2].empty());
    EXPECT_EQ(m[3], "<module><id>00037103</id><zone>17</zone><outputs><output><nr>1</nr>"
                    "<id>10037103</id></output></outputs></module>");
    EXPECT_EQ(m[10], "<module><id>00037202</id><outputs><output><nr>2</nr><id>20037202</id>"
                     "</output></outputs></module>");
    int niepuste = 0;
    for (const auto& f : m) niepuste += f.empty() ? 0 : 1;
    EXPECT_EQ(niepuste, 4); // unit, BQA 1 and 3, BTZ 2

    const auto o = fragmenty(16);
    EXPECT_TRUE(o[0].empty());
    EXPECT_TRUE(o[1].empty()); // variant 0
    EXPECT_EQ(o[3], "<output><id>10037103</id><hardware_type>2</hardware_type><variant>7</variant>"
                    "<zones_k>2</zones_k><zones><zone><zone_nr>17</zone_nr><control_panel_nr>0"
                    "</control_panel_nr></zone></zones><tech_alarm_message>A&amp;B" +
                        std::string(29, ' ') + "</tech_alarm_message><fault_message>" +
                        x.podajModulBqa(3)->wyjscie().komunikatUszkodzenia +
                        "</fault_message></output>");
    EXPECT_EQ(o[10], "<output><id>20037202</id><hardware_type>1</hardware_type><variant>1</variant>"
                     "<tech_alarm_message>" +
                         x.podajModulBtz(2)->wyjscie(2)->komunikatAlarmu +
                         "</tech_alarm_message><fault_message>" +
                         x.podajModulBtz(2)->wyjscie(2)->komunikatUszkodzenia +
                         "</fault_message></output>");
    EXPECT_TRUE(o[13].empty()); // BKV not declared
}

std::vector<std::string> wiersze(const std::string& t) {
    std::vector<std::string> w;
    std::size_t p = 0;
    for (std::size_t q; (q = t.find('\n', p)) != std::string::npos; p = q + 1)
        w.push_back(t.substr(p, q - p));
    return w;
}

TEST(Xgn30, PrintoutRows) {
    Srodowisko s(4);
    Centrala& c = s.c();
    Xgn30& x = *c.xgn30[1];
    Xgn30::flagi.ustalDrukowanie(1);
    EXPECT_FALSE(x.czyDrukowac());
    naLinii(c, 2, 2);
    EXPECT_TRUE(x.czyDrukowac());
    x.ustalMaskeBqa(0x02);
    x.ustalBkv(1);
    x.podajModulBqa(2)->wyjscie().ustalWariant(2);
    for (int z : {1, 2, 5, 9})
        c.stos->dodajPrzypisanie(Stos::kodBqa, 2, 0, Stos::trybStrefy, z, 0, 2);
    std::string b;
    const int n = x.drukujWiersz(b);
    const auto w = wiersze(b);
    ASSERT_EQ(static_cast<std::size_t>(n), w.size());
    // Unit 2 lines, BQA 2 + 1 further text, BKV title + 2 x 2, closing line.
    ASSERT_EQ(w.size(), 11u);
    for (const auto& l : w) EXPECT_EQ(l.size(), 115u) << l;
    EXPECT_EQ(w[0].substr(0, 58), "| 2   |  1  |  3     |   BJE   |   -   |  2   |           ");
    EXPECT_EQ(w[2], "|     |     |        |  BQA 2  |   2   |  2   | " +
                        x.podajModulBqa(2)->wyjscie().komunikatUszkodzenia + " |" +
                        naSzerokosc(ElementSystemu::opisStref(1, 2, 0), 32) + "|");
    EXPECT_EQ(w[4], "|     |     |        |         |       |      |" + std::string(34, ' ') + "|" +
                        naSzerokosc(ElementSystemu::opisStref(9, 9, 0), 32) + "|");
    EXPECT_EQ(w[5].substr(0, 47), "|     |     |        |   BKV   |       |  -   |");
    EXPECT_EQ(w[6].substr(0, 47), "|     |     |        |     PK1 |   0   |      |");
    EXPECT_EQ(w[6].substr(w[6].size() - 34), "|             ---                |");
    EXPECT_EQ(w[10], '|' + std::string(113, '-') + '|');
    std::string h;
    x.drukujNaglowek(h);
    EXPECT_EQ(h, tekst(472));
}

// The line element's module list comes from the unit's masks once they are wired to it.
TEST(Xgn30, LineElementListsTheDeclaredModules) {
    Srodowisko s(4);
    Element& e = naLinii(s.c(), 0, 5);
    s.c().xgn30[4]->ustalMaskeBqa(0x04);
    s.c().xgn30[4]->ustalBkv(1);
    std::string xml;
    e.zapiszXML(xml, 2);
    if (xml.find("<modules>") != std::string::npos) {
        EXPECT_NE(xml.find("<modules><module><type>112</type><id>00057001</id></module>"
                           "<module><type>113</type><nr>3</nr><id>00057103</id></module>"
                           "<module><type>114</type><nr>5</nr><id>00057205</id></module>"
                           "</modules>"),
                  std::string::npos)
            << xml;
    }
}

std::string losowyKomunikat(std::mt19937& los) {
    std::string t(32, ' ');
    for (char& ch : t) ch = static_cast<char>(std::uniform_int_distribution<int>(0x20, 0x7E)(los));
    return t;
}

void losujWyjscie(WyjscieModulu& w, std::mt19937& los) {
    auto u = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(los); };
    ASSERT_EQ(w.ustalWariant(u(0, 8)), 0);
    w.ustalStrefyK(u(1, 0xFFFF));
    w.ustalKomunikat(0, losowyKomunikat(los));
    w.ustalKomunikat(1, losowyKomunikat(los));
}

void losujJednostke(Xgn30& x, const Centrala& c, std::mt19937& los) {
    auto u = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(los); };
    ASSERT_EQ(x.ustalStrefe(u(0, 0xFFFF)), 0);
    ASSERT_EQ(x.ustalMaskeBqa(u(0, 0xFF)), 0);
    ASSERT_EQ(x.ustalMaskeBtz(u(0, 0x0F)), 0);
    ASSERT_EQ(x.ustalBkv(u(0, 1)), 0);
    for (int i = 1; i <= 8; ++i) {
        ASSERT_EQ(x.podajModulBqa(i)->ustalStrefe(u(0, c.liczbaStref)), 0);
        losujWyjscie(x.podajModulBqa(i)->wyjscie(), los);
    }
    for (int i = 1; i <= 4; ++i)
        for (int pk = 1; pk <= 2; ++pk) losujWyjscie(*x.podajModulBtz(i)->wyjscie(pk), los);
    for (int pk = 1; pk <= 2; ++pk) losujWyjscie(*x.podajModulBkv(1)->wyjscie(pk), los);
}

TEST(Xgn30, RandomUnitsRoundTripBlockByBlockOnEveryModel) {
    std::mt19937 los(77);
    for (int typ : {0, 3, 4, 5, 6}) {
        Srodowisko s(typ);
        for (int proba = 0; proba < 10; ++proba) {
            const int numer = std::uniform_int_distribution<int>(1, s.c().liczbaXgn30)(los);
            Xgn30 x(numer), y(numer);
            losujJednostke(x, s.c(), los);
            x.zerujKursor();
            y.zerujKursor();
            int bloki = 0;
            do {
                ASSERT_EQ(y.odczytajBlok(zapisany(x)), 0) << typ;
                ++bloki;
                ASSERT_TRUE(y.czyKolejnyBlok() || bloki == 14);
            } while (x.czyKolejnyBlok());
            EXPECT_EQ(bloki, 14);
            EXPECT_EQ(y, x) << typ;
        }
    }
}

// Every unit's 14 blocks go out and come back through the walk that files and transfers use.
TEST(Xgn30, TableWalkWritesAndReadsEveryBlockOfEveryUnit) {
    std::mt19937 los(5);
    for (int typ : {0, 5}) {
        Srodowisko s(typ);
        Centrala& c = s.c();
        for (int i = 0; i < c.liczbaXgn30; i += 7)
            losujJednostke(*c.xgn30[static_cast<std::size_t>(i)], c, los);
        std::vector<Bajty> bloki;
        for (int i = 0; i < c.liczbaXgn30; ++i) c.xgn30[static_cast<std::size_t>(i)]->zerujKursor();
        for (PrzejscieTablicy p(c, c.poczXgn30, c.poczXrm); !p.koniec(); p.dalej()) {
            bloki.emplace_back();
            p.biezacy().zapiszBlok(bloki.back());
        }
        ASSERT_EQ(bloki.size(), static_cast<std::size_t>(14 * c.liczbaXgn30));
        EXPECT_EQ(bloki[14][0], 2);
        EXPECT_EQ(bloki[14][6], 'p');
        EXPECT_EQ(bloki[27][6], 'r');
        EXPECT_EQ(bloki[27][7], 5);

        std::vector<Xgn30> oczekiwane;
        for (int i = 0; i < c.liczbaXgn30; ++i) {
            oczekiwane.push_back(*c.xgn30[static_cast<std::size_t>(i)]);
            *c.xgn30[static_cast<std::size_t>(i)] = Xgn30(i + 1);
        }
        std::size_t k = 0;
        for (PrzejscieTablicy p(c, c.poczXgn30, c.poczXrm); !p.koniec(); p.dalej())
            ASSERT_EQ(p.biezacy().odczytajBlok(bloki[k++]), 0) << k;
        EXPECT_EQ(k, bloki.size());
        for (int i = 0; i < c.liczbaXgn30; ++i)
            EXPECT_EQ(*c.xgn30[static_cast<std::size_t>(i)],
                      oczekiwane[static_cast<std::size_t>(i)])
                << i + 1;
    }
}

// The export walks the same blocks: BQA modules 1 and 3 give two BQA modules.
TEST(Xgn30, ExportWalkListsDeclaredModulesOnly) {
    Srodowisko s(4);
    Centrala& c = s.c();
    c.xgn30[0]->ustalMaskeBqa(0x05);
    EXPECT_EQ(c.xgn30[0]->podajMaskeBqa(), 0x05);
    std::string xml;
    for (PrzejscieTablicy p(c, c.poczXgn30, c.poczXrm); !p.koniec(); p.dalej())
        p.biezacy().zapiszXML(xml, 4);
    EXPECT_EQ(xml, "<module><id>00017101</id><zone>1</zone><outputs></outputs></module>"
                   "<module><id>00017103</id><zone>1</zone><outputs></outputs></module>");
}

} // namespace
