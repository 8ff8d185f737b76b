// Line element record: the 11-byte record, the key, the factory number text, type
// changes, printout rows and the XML fragment.
#include <gtest/gtest.h>

#include <array>
#include <typeinfo>

#include "elements/lines/element.h"
#include "elements/lines/typ_ostrzegacz.h"
#include "elements/lines/typ_urzadzenia.h"
#include "lang/kodowanie.h"
#include "wspolne/srodowisko.h"

namespace {

using Rekord = std::array<std::uint8_t, 11>;

Rekord zapisany(Element& e) {
    Bajty b{9, 9, 9};
    e.zapiszBlok(b);
    EXPECT_EQ(b.size(), 11u);
    Rekord r{};
    std::copy_n(b.begin(), std::min<std::size_t>(b.size(), 11), r.begin());
    return r;
}

// --- Construction ----------------------------------------------------------------------------

TEST(ElementLiniowy, NewElementIsAnEmptyAddress) {
    Srodowisko s;
    Element e(3, 17);
    EXPECT_EQ(naUtf8(e.podajNazwe(), 1250), "Element liniowy: Nr linii:3; Nr el.:17");
    EXPECT_EQ(e.podajNrFunkcjiZapisu(), 115);
    EXPECT_EQ(e.podajNrFunkcjiOdczytu(), 163);
    EXPECT_EQ(e.podajLinia(), 3);
    EXPECT_EQ(e.podajLinie(), 3);
    EXPECT_EQ(e.podajAdres(), 17);
    EXPECT_EQ(typeid(e.podajTyp()), typeid(TypBRAK));
    EXPECT_EQ(e.podajTyp().podajNumer(), 3);
    EXPECT_EQ(e.podajNrSeryjny(), (Element::NrSeryjny{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(e.nrFabrycznyTekst(), "00000Y000000");
    EXPECT_EQ(e.podajDlugoscBloku(), 11);
    EXPECT_EQ(e.podajKlucz(), 0x031100FFu);
    EXPECT_EQ(e.podajParametr(), 0);
    // Base constructor mode 1, zone = line number.
    EXPECT_EQ(zapisany(e), (Rekord{3, 17, 0, 0, 0, 0, 0, 0, 1, 0, 3}));
    EXPECT_FALSE(e.czyKolejnyBlok());
    EXPECT_FALSE(e.podajOpis(0).has_value());
}

TEST(ElementLiniowy, ReadRequest) {
    Srodowisko s;
    Element e(3, 17);
    Bajty z{1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(e.ustalZapytanie(z, 0x55), 5);
    EXPECT_EQ(z, (Bajty{0x55, 3, 17, 0, 0}));
}

// --- The record: worked examples -------------------------------------------------------------

struct Przyklad {
    const char* opis;
    int centrala;
    int linia, adres;
    Rekord rekord;
    int kod, numer, tryb, grupa;
    std::uint32_t klucz;
    const char* nrTekst;
    Rekord zapis; // what the element writes back
};

TEST(RekordElementu, WorkedExamples) {
    const Przyklad przyklady[] = {
        {"KFB in zone 5, group B, mode 2",
         0,
         2,
         7,
         {2, 7, 0x02, 0x11, 0x22, 0x33, 0x44, 0x55, 2, 0x80, 5},
         2,
         5,
         2,
         1,
         0x020702FFu,
         "02116D334455",
         {2, 7, 0x02, 0x11, 0x22, 0x33, 0x44, 0x55, 2, 0x80, 5}},
        {"WIO, byte 9 = 0x7F, byte 10 = 5: logical number 5",
         0,
         1,
         1,
         {1, 1, 0x40, 0, 0, 0, 0, 0, 0x80, 0x7F, 5},
         64,
         5,
         0x80,
         0,
         0x01014005u,
         "40000Y000000",
         {1, 1, 0x40, 0, 0, 0, 0, 0, 0x80, 0x00, 5}},
        {"factory bytes 41 0A 22 BE 00 FF (a WOU)",
         0,
         1,
         2,
         {1, 2, 0x41, 0x0A, 0x22, 0xBE, 0x00, 0xFF, 0x12, 0, 3},
         65,
         3,
         0x12,
         0,
         0x01024103u,
         "410A6DBE00FF",
         {1, 2, 0x41, 0x0A, 0x22, 0xBE, 0x00, 0xFF, 0x12, 0, 3}},
        {"HLT-301 at line 2, address 7, logical number 4",
         0,
         2,
         7,
         {2, 7, 83, 0, 0, 0, 0, 0, 176, 0, 4},
         83,
         4,
         176,
         0,
         0x020753FFu,
         "53000Y000000",
         {2, 7, 83, 0, 0, 0, 0, 0, 176, 0, 4}},
        {"XGN-300 with logical number 3",
         0,
         3,
         1,
         {3, 1, 97, 1, 2, 3, 4, 5, 0, 0, 3},
         97,
         3,
         0,
         0,
         0x03016103u,
         "61010B030405",
         {3, 1, 97, 1, 2, 3, 4, 5, 0, 0, 3}},
        {"detector in zone 1024, group B (Merak7800)",
         4,
         8,
         127,
         {8, 127, 1, 0, 0, 0, 0, 0, 1, 0x84, 0x00},
         1,
         1024,
         1,
         1,
         0x087F01FFu,
         "01000Y000000",
         {8, 127, 1, 0, 0, 0, 0, 0, 1, 0x84, 0x00}},
        {"type byte 0: no element, zone bytes 0",
         0,
         1,
         3,
         {1, 3, 0, 0, 0, 0, 0, 0, 5, 0, 0},
         0,
         0,
         0,
         0,
         0x010300FFu,
         "00000Y000000",
         {1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"byte 2 = 180 gives ##",
         0,
         1,
         4,
         {1, 4, 1, 0, 180, 0, 0, 0, 1, 0, 1},
         1,
         1,
         1,
         0,
         0x010401FFu,
         "0100##000000",
         {1, 4, 1, 0, 180, 0, 0, 0, 1, 0, 1}},
        {"byte 2 = 35 gives 7Y",
         6,
         2,
         64,
         {2, 64, 16, 0xAB, 35, 0xCD, 0xEF, 0x10, 10, 0, 128},
         16,
         128,
         10,
         0,
         0x024010FFu,
         "10AB7YCDEF10",
         {2, 64, 16, 0xAB, 35, 0xCD, 0xEF, 0x10, 10, 0, 128}},
    };
    for (const auto& p : przyklady) {
        SCOPED_TRACE(p.opis);
        Srodowisko s(p.centrala);
        Element e(p.linia, p.adres);
        EXPECT_EQ(e.odczytajBlok(p.rekord), 0);
        EXPECT_EQ(e.podajTyp().podajKod(), p.kod);
        EXPECT_EQ(e.podajTyp().podajNumer(), p.numer);
        EXPECT_EQ(e.podajTyp().podajTryb(), p.tryb);
        EXPECT_EQ(e.podajTyp().podajGrupe(), p.grupa);
        EXPECT_EQ(e.podajKlucz(), p.klucz);
        EXPECT_EQ(e.nrFabrycznyTekst(), p.nrTekst);
        EXPECT_EQ(zapisany(e), p.zapis);
        // What was written reads back to the same record.
        Element kopia(p.linia, p.adres);
        EXPECT_EQ(kopia.odczytajBlok(zapisany(e)), 0);
        EXPECT_EQ(zapisany(kopia), p.zapis);
    }
}

// --- The record: refusals --------------------------------------------------------------------

struct Odmowa {
    const char* opis;
    int centrala;
    int linia, adres;
    Rekord rekord;
    int wynik;
    // The element afterwards.
    int kod, numer, tryb, grupa, bajt0;
};

// Before each case: a KFA in zone 9, group B, mode 3, factory number 01 AA 00 00 00 00.
void przygotuj(Element& e) {
    ASSERT_EQ(e.ustalNrSeryjny({1, 0xAA, 0, 0, 0, 0}), 0);
    ASSERT_EQ(e.podajTyp().ustalNumer(9), 0);
    e.podajTyp().ustalGrupe(1);
    ASSERT_EQ(e.podajTyp().ustalTryb(3), 0);
}

TEST(RekordElementu, RefusalCodesKeepWhatWasSetBefore) {
    const Odmowa odmowy[] = {
        {"line 0", 0, 2, 7, {0, 7, 2, 0, 0, 0, 0, 0, 1, 0, 1}, 1, 1, 9, 3, 1, 1},
        {"another line", 0, 2, 7, {3, 7, 2, 0, 0, 0, 0, 0, 1, 0, 1}, 1, 1, 9, 3, 1, 1},
        {"line above liczbaLinii", 6, 3, 7, {3, 7, 2, 0, 0, 0, 0, 0, 1, 0, 1}, 1, 1, 9, 3, 1, 1},
        {"address 0", 0, 2, 7, {2, 0, 2, 0, 0, 0, 0, 0, 1, 0, 1}, 2, 1, 9, 3, 1, 1},
        {"another address", 0, 2, 7, {2, 8, 2, 0, 0, 0, 0, 0, 1, 0, 1}, 2, 1, 9, 3, 1, 1},
        {"address above liczbaAdresow",
         6,
         2,
         65,
         {2, 65, 2, 0, 0, 0, 0, 0, 1, 0, 1},
         2,
         1,
         9,
         3,
         1,
         1},
        {"type outside the catalogue",
         0,
         2,
         7,
         {2, 7, 10, 0, 0, 0, 0, 0, 1, 0, 1},
         3,
         1,
         9,
         3,
         1,
         1},
        {"KFA-213 on Merak7600", 3, 2, 7, {2, 7, 33, 0, 0, 0, 0, 0, 1, 0, 1}, 3, 1, 9, 3, 1, 1},
        {"KFM-213 on Merak7800", 4, 2, 7, {2, 7, 38, 0, 0, 0, 0, 0, 1, 0, 1}, 3, 1, 9, 3, 1, 1},
        // Type taken (old zone, group and mode carried over), then the mode refused.
        {"KFC mode 4", 0, 2, 7, {2, 7, 3, 0, 0, 0, 0, 0, 4, 0, 1}, 4, 3, 9, 3, 1, 3},
        // Type, mode and group taken, then the zone refused: the carried zone stays.
        {"detector zone 0", 0, 2, 7, {2, 7, 2, 0, 0, 0, 0, 0, 2, 0x00, 0}, 6, 2, 9, 2, 0, 2},
        {"detector zone 513 of 512",
         0,
         2,
         7,
         {2, 7, 6, 0, 0, 0, 0, 0, 1, 0x82, 0x01},
         6,
         6,
         9,
         1,
         1,
         6},
        {"no element, zone 129 of 128",
         6,
         2,
         7,
         {2, 7, 0, 0, 0, 0, 0, 0, 0, 0, 129},
         6,
         0,
         2,
         0,
         0,
         0},
        {"WIO number 41 of 40",
         6,
         2,
         7,
         {2, 7, 64, 0, 0, 0, 0, 0, 0xFF, 0, 41},
         6,
         64,
         9,
         0xFF,
         0,
         64},
    };
    for (const auto& o : odmowy) {
        SCOPED_TRACE(o.opis);
        Srodowisko s(o.centrala);
        Element e(o.linia, o.adres);
        przygotuj(e);
        EXPECT_EQ(e.odczytajBlok(o.rekord), o.wynik);
        EXPECT_EQ(e.podajTyp().podajKod(), o.kod);
        EXPECT_EQ(e.podajTyp().podajNumer(), o.numer);
        EXPECT_EQ(e.podajTyp().podajTryb(), o.tryb);
        EXPECT_EQ(e.podajTyp().podajGrupe(), o.grupa);
        EXPECT_EQ(e.podajNrSeryjny()[0], o.bajt0);
        if (o.wynik <= 3) {
            EXPECT_EQ(e.podajNrSeryjny(), (Element::NrSeryjny{1, 0xAA, 0, 0, 0, 0}));
        }
    }
}

TEST(RekordElementu, ShortRecordIsRefusedBeforeAnythingChanges) {
    Srodowisko s;
    Element e(1, 1);
    const std::uint8_t krotki[10] = {1, 1, 2, 0, 0, 0, 0, 0, 1, 0};
    EXPECT_EQ(e.odczytajBlok(krotki), 1);
    EXPECT_EQ(e.podajTyp().podajKod(), 0);
}

TEST(RekordElementu, GroupIsStoredForEveryKind) {
    Srodowisko s;
    Element e(1, 1);
    EXPECT_EQ(e.odczytajBlok(Rekord{1, 1, 64, 0, 0, 0, 0, 0, 0x80, 0x80, 5}), 0);
    EXPECT_EQ(e.podajTyp().podajGrupe(), 1);
    EXPECT_EQ(zapisany(e), (Rekord{1, 1, 64, 0, 0, 0, 0, 0, 0x80, 0x80, 5}));
}

// --- Key -------------------------------------------------------------------------------------

struct Klucz {
    int linia, adres, kod, numer;
    std::uint32_t klucz;
};

TEST(KluczElementu, Packing) {
    Srodowisko s(4); // Merak7800: 1024 zones, 100 WOU and WMI devices, 250 HVA
    const Klucz klucze[] = {
        {2, 7, 83, 4, 0x020753FFu},     // sounder codes 83..88 are not in the list
        {2, 7, 81, 200, 0x020751C8u},   // HVA-301
        {2, 7, 82, 17, 0x02075211u},    // HVA-306
        {2, 7, 88, 17, 0x020758FFu},    // HLT-106
        {1, 127, 65, 100, 0x017F4164u}, // WOU
        {8, 1, 66, 99, 0x08014263u},    // WMI
        {5, 64, 80, 250, 0x054050FAu},  // HRN
        {3, 3, 96, 12, 0x0303600Cu},    // XGN-200
        {3, 3, 103, 1, 0x03036701u},    // XRM-300
        {4, 9, 20, 300, 0x040914FFu},   // detector: 255 whatever the zone
        {17, 300, 1, 1, 0x012C01FFu},   // line AND 15, address AND 255
        {16, 1, 0, 16, 0x000100FFu},
    };
    for (const auto& k : klucze) {
        Element e(k.linia, k.adres);
        ASSERT_EQ(e.ustalTypZKodu(k.kod), 0) << k.kod;
        ASSERT_EQ(e.podajTyp().ustalNumer(k.numer), 0) << k.kod;
        EXPECT_EQ(e.podajKlucz(), k.klucz) << k.kod;
    }
}

TEST(KluczElementu, ParameterIsTheZoneOfADetector) {
    Srodowisko s;
    Element e(2, 2);
    e.ustalTypZKodu(3);
    e.podajTyp().ustalNumer(44);
    EXPECT_EQ(e.podajParametr(), 44);
    e.ustalTypZKodu(64);
    EXPECT_EQ(e.podajTyp().podajNumer(), 44);
    EXPECT_EQ(e.podajParametr(), 0);
    e.ustalTypZKodu(0);
    EXPECT_EQ(e.podajParametr(), 0);
}

// --- Type and factory number -----------------------------------------------------------------

TEST(TypElementuLiniowego, SetTypeKeepsTheFactoryNumber) {
    Srodowisko s;
    Element e(1, 5);
    ASSERT_EQ(e.ustalNrSeryjny({2, 1, 2, 3, 4, 5}), 0);
    EXPECT_EQ(e.ustalTyp(6), 0);
    EXPECT_EQ(e.podajTyp().podajKod(), 6);
    EXPECT_EQ(e.podajNrSeryjny(), (Element::NrSeryjny{2, 1, 2, 3, 4, 5}));
    EXPECT_EQ(e.ustalTypZKodu(7), 0);
    EXPECT_EQ(e.podajNrSeryjny(), (Element::NrSeryjny{7, 0, 0, 0, 0, 0}));
}

TEST(TypElementuLiniowego, RefusedTypeChangesNothing) {
    Srodowisko s(3); // Merak7600
    Element e(1, 5);
    ASSERT_EQ(e.ustalNrSeryjny({2, 1, 2, 3, 4, 5}), 0);
    e.podajTyp().ustalNumer(77);
    const TypElementu* przed = &e.podajTyp();
    for (int kod : {33, 34, 35, 38, 10, 104, 256, -1}) {
        EXPECT_EQ(e.ustalTyp(kod), 1) << kod;
        EXPECT_EQ(e.ustalTypZKodu(kod), 1) << kod;
        EXPECT_EQ(e.ustalNrSeryjny({kod, 9, 9, 9, 9, 9}), 1) << kod;
        EXPECT_EQ(&e.podajTyp(), przed);
        EXPECT_EQ(e.podajTyp().podajKod(), 2);
        EXPECT_EQ(e.podajTyp().podajNumer(), 77);
        EXPECT_EQ(e.podajNrSeryjny(), (Element::NrSeryjny{2, 1, 2, 3, 4, 5}));
    }
    // A byte outside 0..255 is refused before the type is touched.
    EXPECT_EQ(e.ustalNrSeryjny({1, 256, 0, 0, 0, 0}), 1);
    EXPECT_EQ(e.ustalNrSeryjny({1, 0, 0, 0, 0, -1}), 1);
    EXPECT_EQ(e.podajTyp().podajKod(), 2);
}

TEST(NumerFabryczny, TextOfTheBytes) {
    Srodowisko s;
    Element e(1, 1);
    ASSERT_EQ(e.ustalNrSeryjny({0x41, 0x0A, 0x22, 0xBE, 0x00, 0xFF}), 0);
    EXPECT_EQ(e.nrFabrycznyTekst(), "410A6DBE00FF");
    ASSERT_EQ(e.ustalNrSeryjny({0x41, 0, 180, 0, 0, 0}), 0);
    EXPECT_EQ(e.nrFabrycznyTekst(), "4100##000000");
    ASSERT_EQ(e.ustalNrSeryjny({0x41, 0, 255, 0, 0, 0}), 0);
    EXPECT_EQ(e.nrFabrycznyTekst(), "4100##000000");
    ASSERT_EQ(e.ustalNrSeryjny({0x41, 0, 35, 0, 0, 0}), 0);
    EXPECT_EQ(e.nrFabrycznyTekst(), "41007Y000000");
    ASSERT_EQ(e.ustalNrSeryjny({0x41, 0, 179, 0, 0, 0}), 0);
    EXPECT_EQ(e.nrFabrycznyTekst(), "4100ZD000000");
    ASSERT_EQ(e.ustalNrSeryjny({0x41, 0, 1, 0, 0, 0}), 0);
    EXPECT_EQ(e.nrFabrycznyTekst(), "41000A000000");
}

TEST(NumerFabryczny, RoundTrip) {
    Srodowisko s;
    for (int kod : {1, 20, 64, 65, 88, 103}) {
        for (int v = 0; v < 256; ++v) {
            const Element::NrSeryjny bajty{kod, v, v % 180, 255 - v, v ^ 0x5A, (v * 7) & 255};
            Element e(1, 1);
            ASSERT_EQ(e.ustalNrSeryjny(bajty), 0);
            const std::string tekst = e.nrFabrycznyTekst();
            ASSERT_EQ(tekst.size(), 12u);
            Element::NrSeryjny przeczytane{};
            ASSERT_EQ(Element::czytajNrFabryczny(tekst, przeczytane), 0) << tekst;
            EXPECT_EQ(przeczytane, bajty) << tekst;
        }
    }
}

TEST(NumerFabryczny, ReadingRules) {
    Srodowisko s;
    Element::NrSeryjny b{};
    EXPECT_EQ(Element::czytajNrFabryczny("410A6DBE00FF", b), 0);
    EXPECT_EQ(b, (Element::NrSeryjny{0x41, 0x0A, 0x22, 0xBE, 0x00, 0xFF}));
    // "Y" and characters outside 10..13 in position 6 add nothing; lower case counts 0.
    EXPECT_EQ(Element::czytajNrFabryczny("0100ZY0000ff", b), 0);
    EXPECT_EQ(b, (Element::NrSeryjny{1, 0, 175, 0, 0, 0}));
    EXPECT_EQ(Element::czytajNrFabryczny("01007G000000", b), 0);
    EXPECT_EQ(b[2], 35);
    // Missing characters count as "0"; "##" as 0.
    EXPECT_EQ(Element::czytajNrFabryczny("0102##", b), 0);
    EXPECT_EQ(b, (Element::NrSeryjny{1, 2, 0, 0, 0, 0}));
    // Byte 0 of 32 is taken as 33.
    EXPECT_EQ(Element::czytajNrFabryczny("200000000000", b), 0);
    EXPECT_EQ(b[0], 33);
}

TEST(NumerFabryczny, LettersBeyondFInHexPositionsAreRefused) {
    Srodowisko s;
    const Element::NrSeryjny przed{7, 7, 7, 7, 7, 7};
    const struct {
        const char* tekst;
        int pozycja;
    } przypadki[] = {
        {"G00000000000", 1}, {"0G0000000000", 2},  {"00Z000000000", 3},  {"000H00000000", 4},
        {"000000Q00000", 7}, {"0000000000Z0", 11}, {"00000000000G", 12}, {"GGGGGGGGGGGG", 1},
    };
    for (const auto& p : przypadki) {
        Element::NrSeryjny b = przed;
        EXPECT_EQ(Element::czytajNrFabryczny(p.tekst, b), p.pozycja) << p.tekst;
        EXPECT_EQ(b, przed) << p.tekst;
    }
    // Positions 5 and 6 (byte 2) are not hexadecimal.
    Element::NrSeryjny b = przed;
    EXPECT_EQ(Element::czytajNrFabryczny("0100ZZ000000", b), 0);
    EXPECT_EQ(b[2], 175);
}

TEST(NumerFabryczny, ThirtyTwoBecomesKfa213WhereThePanelAllowsIt) {
    for (int typCentrali : {0, 3}) {
        Srodowisko s(typCentrali);
        Element e(1, 1);
        Element::NrSeryjny b{};
        ASSERT_EQ(Element::czytajNrFabryczny("200000000000", b), 0);
        if (typCentrali == 0) {
            EXPECT_EQ(e.ustalNrSeryjny(b), 0);
            EXPECT_EQ(typeid(e.podajTyp()), typeid(TypKFA_213));
            EXPECT_EQ(e.nrFabrycznyTekst(), "21000Y000000");
        } else {
            EXPECT_EQ(e.ustalNrSeryjny(b), 1);
            EXPECT_EQ(e.podajTyp().podajKod(), 0);
        }
    }
}

// --- Copies ----------------------------------------------------------------------------------

TEST(KopiaElementu, CopiesOwnTheirDescriptor) {
    Srodowisko s;
    Element a(2, 3);
    a.ustalTypZKodu(3);
    a.podajTyp().ustalNumer(8);
    a.podajTyp().ustalTryb(5);
    Element b = a;
    EXPECT_NE(&a.podajTyp(), &b.podajTyp());
    EXPECT_EQ(typeid(b.podajTyp()), typeid(TypKFC));
    EXPECT_EQ(b.podajTyp().podajNumer(), 8);
    EXPECT_EQ(b.podajTyp().podajTryb(), 5);
    EXPECT_EQ(b.podajNazwe(), a.podajNazwe());
    b.podajTyp().ustalNumer(9);
    EXPECT_EQ(a.podajTyp().podajNumer(), 8);

    Element c(4, 5);
    c.ustalTypZKodu(64);
    c.podajTyp().ustalNumer(12);
    b = c;
    EXPECT_EQ(typeid(b.podajTyp()), typeid(TypWIO));
    EXPECT_NE(&b.podajTyp(), &c.podajTyp());
    EXPECT_EQ(b.podajKlucz(), c.podajKlucz());
    EXPECT_EQ(zapisany(b), zapisany(c));
    auto& samo = b;
    b = samo;
    EXPECT_EQ(b.podajTyp().podajNumer(), 12);
}

// --- Printout --------------------------------------------------------------------------------

TEST(WydrukElementu, RowHeadingAndFlags) {
    Srodowisko s;
    Element e(1, 5);
    std::string w = "przed";
    EXPECT_FALSE(e.czyDrukowac());
    EXPECT_EQ(e.drukujWiersz(w), 0);
    EXPECT_EQ(w, "przed");

    ASSERT_EQ(e.ustalNrSeryjny({1, 0x23, 0x22, 0xBE, 0, 0xFF}), 0);
    e.podajTyp().ustalNumer(12);
    e.podajTyp().ustalGrupe(1);
    e.podajTyp().ustalTryb(2);
    EXPECT_TRUE(e.czyDrukowac());
    w.clear();
    const int n = e.drukujWiersz(w);
    EXPECT_EQ(naUtf8(w, 1250),
              "|  1  |   5    | KFA-210    | 01236DBE00FF |    12    |  B  |  2  |\n"
              "|-----------------------------------------------------------------|\n");
    EXPECT_EQ(n, static_cast<int>(w.size()));

    std::string h;
    e.drukujNaglowek(h);
    EXPECT_EQ(naUtf8(h, 1250),
              "|----------------------ELEMENTY LINIOWE---------------------------|\n"
              "|Numer| Numer  |    Typ     |    Numer     |Nr strefy/|Grupa|Tryb |\n"
              "|linii|elementu|  elementu  |  fabryczny   |Nr log.   |     |pracy|\n"
              "|-----------------------------------------------------------------|\n");

    const FlagiKlasy zachowane = Element::flagi;
    Element::flagi.ustalDrukowanie(0);
    EXPECT_FALSE(e.czyDrukowac());
    Element::flagi.ustalPrzesylanie(0);
    EXPECT_FALSE(e.czyPrzesylac());
    Element::flagi.ustalPrzesylanie(1);
    EXPECT_TRUE(e.czyPrzesylac());
    Element::flagi = zachowane;
}

// --- XML -------------------------------------------------------------------------------------

TEST(XmlElementu, Detector) {
    Srodowisko s;
    Element e(2, 7);
    ASSERT_EQ(e.ustalNrSeryjny({1, 0x23, 0x22, 0xBE, 0, 0xFF}), 0);
    e.podajTyp().ustalNumer(5);
    e.podajTyp().ustalGrupe(1);
    e.podajTyp().ustalTryb(2);
    std::string xml = "<line_elements>";
    e.zapiszXML(xml, 2);
    EXPECT_EQ(xml, "<line_elements><line_element><id>020701FF</id><type>1</type><line>2</line>"
                   "<element_nr>7</element_nr><serial_nr>01 23 22 BE 00 FF </serial_nr>"
                   "<mode>2</mode><zone>5</zone><group>1</group></line_element>");
    std::string inne;
    e.zapiszXML(inne, 0xFD); // bit 1 not requested
    EXPECT_TRUE(inne.empty());
}

TEST(XmlElementu, EmptyAddressWritesNothing) {
    Srodowisko s;
    Element e(1, 1);
    std::string xml;
    e.zapiszXML(xml, 0xFF);
    EXPECT_TRUE(xml.empty());
}

TEST(XmlElementu, SounderModelsOutsideTheKeyListWriteZoneAndGroup) {
    Srodowisko s;
    Element e(2, 7);
    ASSERT_EQ(e.ustalTypZKodu(83), 0);
    e.podajTyp().ustalNumer(0);
    std::string xml;
    e.zapiszXML(xml, 2);
    EXPECT_EQ(xml, "<line_element><id>020753FF</id><type>83</type><line>2</line>"
                   "<element_nr>7</element_nr><serial_nr>53 00 00 00 00 00 </serial_nr>"
                   "<mode>1</mode><zone>0</zone><group>0</group></line_element>");
}

// Until the WIO, WOU, WMI, HRN, HVA, XGN and Xgn30 records exist, nothing that depends on them
// is written.
TEST(XmlElementu, DevicesWhoseRecordsAreUnusedListNoChannels) {
    Srodowisko s;
    // WIO has inputs and an output, WOU outputs only, WMI inputs only.
    const std::pair<int, const char*> przypadki[] = {{64, "<inputs></inputs><outputs></outputs>"},
                                                     {65, "<outputs></outputs>"},
                                                     {66, "<inputs></inputs>"}};
    for (const auto& [kod, kanaly] : przypadki) {
        Element e(1, 2);
        ASSERT_EQ(e.ustalTypZKodu(kod), 0);
        ASSERT_EQ(e.podajTyp().ustalNumer(3), 0);
        std::string xml;
        e.zapiszXML(xml, 2);
        char oczekiwany[400];
        std::snprintf(oczekiwany, sizeof oczekiwany,
                      "<line_element><id>0102%02X03</id><type>%d</type><line>1</line>"
                      "<element_nr>2</element_nr><serial_nr>%02X 00 00 00 00 00 </serial_nr>"
                      "<mode>1</mode><logical_nr>3</logical_nr>%s</line_element>",
                      kod, kod, kod, kanaly);
        EXPECT_EQ(xml, oczekiwany) << kod;
    }
}

// Stands in for the records of the other kinds.
class ElementZRekordami : public Element {
public:
    using Element::Element;
    std::optional<int> strefa;
    std::optional<ObecneKanaly> kanaly;
    std::optional<std::array<std::uint8_t, 3>> maski;

private:
    std::optional<int> strefaXgn() const override { return strefa; }
    std::optional<ObecneKanaly> obecneKanaly() const override { return kanaly; }
    std::optional<std::array<std::uint8_t, 3>> maskiModulowXgn30() const override { return maski; }
};

std::string poczatek(const char* id, int kod, int linia, int adres, const char* nr, int tryb,
                     int numer) {
    char b[400];
    std::snprintf(b, sizeof b,
                  "<line_element><id>%s</id><type>%d</type><line>%d</line><element_nr>%d"
                  "</element_nr><serial_nr>%s</serial_nr><mode>%d</mode><logical_nr>%d"
                  "</logical_nr>",
                  id, kod, linia, adres, nr, tryb, numer);
    return b;
}

TEST(XmlElementu, WioChannels) {
    Srodowisko s;
    ElementZRekordami e(2, 7);
    ASSERT_EQ(e.ustalTypZKodu(64), 0);
    e.podajTyp().ustawDomyslne();
    e.podajTyp().ustalNumer(5);
    e.kanaly = Element::ObecneKanaly{0x03, 0x01};
    std::string xml;
    e.zapiszXML(xml, 2);
    EXPECT_EQ(xml, poczatek("02074005", 64, 2, 7, "40 00 00 00 00 00 ", 128, 5) +
                       "<inputs><input><nr>1</nr><id>12074005</id></input>"
                       "<input><nr>2</nr><id>22074005</id></input></inputs>"
                       "<outputs><output><nr>1</nr><id>12074005</id></output></outputs>"
                       "</line_element>");
    // A WIO whose record has variant 0: both lists, empty.
    e.kanaly = Element::ObecneKanaly{};
    xml.clear();
    e.zapiszXML(xml, 2);
    EXPECT_EQ(xml, poczatek("02074005", 64, 2, 7, "40 00 00 00 00 00 ", 128, 5) +
                       "<inputs></inputs><outputs></outputs></line_element>");
    // Logical number 0: no channels at all.
    e.podajTyp().ustalNumer(0);
    e.kanaly = Element::ObecneKanaly{0x03, 0x01};
    xml.clear();
    e.zapiszXML(xml, 2);
    EXPECT_EQ(xml,
              poczatek("02074000", 64, 2, 7, "40 00 00 00 00 00 ", 128, 0) + "</line_element>");
}

TEST(XmlElementu, WouAndWmiChannels) {
    Srodowisko s;
    ElementZRekordami wou(1, 1);
    wou.ustalTypZKodu(65);
    wou.podajTyp().ustalNumer(2);
    wou.kanaly = Element::ObecneKanaly{0xFF, 0x81}; // only outputs exist on a WOU
    std::string xml;
    wou.zapiszXML(xml, 2);
    EXPECT_EQ(xml, poczatek("01014102", 65, 1, 1, "41 00 00 00 00 00 ", 1, 2) +
                       "<outputs><output><nr>1</nr><id>11014102</id></output>"
                       "<output><nr>8</nr><id>81014102</id></output></outputs></line_element>");
    ElementZRekordami wmi(1, 2);
    wmi.ustalTypZKodu(66);
    wmi.podajTyp().ustalNumer(3);
    wmi.kanaly = Element::ObecneKanaly{0x04, 0};
    xml.clear();
    wmi.zapiszXML(xml, 2);
    EXPECT_EQ(xml, poczatek("01024203", 66, 1, 2, "42 00 00 00 00 00 ", 1, 3) +
                       "<inputs><input><nr>3</nr><id>31024203</id></input></inputs>"
                       "</line_element>");
}

TEST(XmlElementu, Xgn200ZoneAndOutputs) {
    Srodowisko s;
    ElementZRekordami e(1, 9);
    e.ustalTypZKodu(96);
    e.podajTyp().ustalNumer(4);
    e.strefa = 12;
    e.kanaly = Element::ObecneKanaly{0, 0}; // P1 variant 0: outputs 2 and 3 only
    std::string xml;
    e.zapiszXML(xml, 2);
    EXPECT_EQ(xml, poczatek("01096004", 96, 1, 9, "60 00 00 00 00 00 ", 1, 4) +
                       "<zone>12</zone><outputs><output><nr>2</nr><id>21096004</id></output>"
                       "<output><nr>3</nr><id>31096004</id></output></outputs></line_element>");
}

TEST(XmlElementu, Xgn300Modules) {
    Srodowisko s;
    ElementZRekordami e(1, 9);
    e.ustalTypZKodu(97);
    e.podajTyp().ustalNumer(3);
    e.maski = std::array<std::uint8_t, 3>{0x05, 0x08, 0x01};
    std::string xml;
    e.zapiszXML(xml, 2);
    EXPECT_EQ(xml, poczatek("01096103", 97, 1, 9, "61 00 00 00 00 00 ", 1, 3) +
                       "<modules>"
                       "<module><type>112</type><id>00037001</id></module>"
                       "<module><type>113</type><nr>1</nr><id>00037101</id></module>"
                       "<module><type>113</type><nr>3</nr><id>00037103</id></module>"
                       "<module><type>114</type><nr>4</nr><id>00037204</id></module>"
                       "<module><type>114</type><nr>5</nr><id>00037205</id></module>"
                       "</modules></line_element>");
}

} // namespace
