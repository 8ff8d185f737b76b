// The element table of every root: ranges, numbering, fillers and the block walk.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "core/przejscie_tablicy.h"
#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/brx.h"
#include "elements/outputs/brx_lk.h"
#include "elements/outputs/brx_par.h"
#include "elements/outputs/brx_pk.h"
#include "elements/outputs/hrn.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/lk.h"
#include "elements/outputs/ls.h"
#include "elements/outputs/pk.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/wio.h"
#include "elements/outputs/wmi.h"
#include "elements/outputs/wou.h"
#include "elements/outputs/xgn.h"
#include "elements/outputs/xgn30.h"
#include "elements/outputs/xrm.h"
#include "wspolne/srodowisko.h"

namespace {

struct Uklad {
    int typ;
    // First index of every kind in table order, ending with the stack.
    std::array<int, 19> pierwsze;
    int liczbaElementowSystemu;
    int maksNrCentrali;
};

const Uklad uklady[] = {
    {0,
     {0, 1016, 1528, 1778, 1794, 1802, 1810, 1811, 2323, 2573, 2823, 3335, 3336, 3400, 3444, 3448,
      3548, 3648, 3748},
     3749,
     31},
    {3,
     {0, 508, 1532, 1782, 1790, 1794, 1798, 1799, 2599, 2849, 3099, 3899, 3900, 3964, 4008, 4012,
      4112, 4212, 4312},
     4313,
     31},
    {4,
     {0, 1016, 2040, 2290, 2306, 2314, 2322, 2323, 3123, 3373, 3623, 4423, 4424, 4488, 4532, 4536,
      4636, 4736, 4836},
     4837,
     31},
    {5,
     {0, 256, 512, 562, 570, 572, 574, 575, 975, 1025, 1075, 1475, 1476, 1540, 1584, 1588, 1638,
      1688, 1738},
     1739,
     31},
    {6,
     {0, 128, 256, 296, 299, 300, 302, 303, 623, 663, 703, 1023, 1024, 1024, 1024, 1024, 1064, 1104,
      1144},
     1145,
     4},
};

void PrintTo(const Uklad& u, std::ostream* os) {
    *os << "panel type " << u.typ;
}

std::array<int, 19> pierwszeIndeksy(const Centrala& c) {
    return {c.poczElementyLinii,
            c.poczStrefy,
            c.poczWio,
            c.poczPk,
            c.poczLs,
            c.poczLk,
            c.indBlc,
            c.poczWou,
            c.poczHrn,
            c.poczHva,
            c.poczWmi,
            c.indBrx,
            c.poczBrxPk,
            c.poczBrxLk,
            c.poczBrxPar,
            c.poczXgn,
            c.poczXgn30,
            c.poczXrm,
            c.indStos};
}

template <class T>
void sprawdzZakres(const Centrala& c, int pierwszy, int liczba, const char* rodzaj) {
    for (int i = pierwszy; i < pierwszy + liczba; ++i)
        ASSERT_NE(dynamic_cast<T*>(c.tablicaElementow[i]), nullptr) << rodzaj << " at " << i;
}

class TablicaModelu : public ::testing::TestWithParam<Uklad> {};

TEST_P(TablicaModelu, RangesFollowTheFixedOrderOfKinds) {
    const Uklad& u = GetParam();
    Srodowisko s(u.typ);
    const Centrala& c = s.c();
    EXPECT_EQ(pierwszeIndeksy(c), u.pierwsze);
    EXPECT_EQ(c.liczbaElementowSystemu, u.liczbaElementowSystemu);
    EXPECT_EQ(c.maksNrCentrali, u.maksNrCentrali);
    EXPECT_EQ(c.maksWariant, 19);
    EXPECT_EQ(c.maksParametrWyjscia, (std::array<int, 7>{0, 2, 2, 8, 22, 5, 0}));

    sprawdzZakres<Element>(c, c.poczElementyLinii, c.liczbaElementowLinii, "line element");
    sprawdzZakres<Strefa>(c, c.poczStrefy, c.liczbaStref, "zone");
    sprawdzZakres<Wio>(c, c.poczWio, c.liczbaWio, "WIO");
    sprawdzZakres<Pk>(c, c.poczPk, c.liczbaPk, "PK");
    sprawdzZakres<Ls>(c, c.poczLs, c.liczbaLs, "LS");
    sprawdzZakres<Lk>(c, c.poczLk, c.liczbaLk, "LK");
    sprawdzZakres<Blc>(c, c.indBlc, 1, "BLC");
    sprawdzZakres<Wou>(c, c.poczWou, c.liczbaGrupWou * 8, "WOU");
    sprawdzZakres<Hrn>(c, c.poczHrn, c.liczbaHrn, "HRN");
    sprawdzZakres<Hva>(c, c.poczHva, c.liczbaHva, "HVA");
    sprawdzZakres<Wmi>(c, c.poczWmi, c.liczbaGrupWmi * 8, "WMI");
    sprawdzZakres<Brx>(c, c.indBrx, 1, "BRX");
    sprawdzZakres<BrxPk>(c, c.poczBrxPk, c.liczbaBrx * 16, "BRX relay");
    sprawdzZakres<BrxLk>(c, c.poczBrxLk, c.liczbaBrx * 11, "BRX control line");
    sprawdzZakres<BrxPar>(c, c.poczBrxPar, c.liczbaBrx, "BRX parameters");
    sprawdzZakres<Xgn>(c, c.poczXgn, c.liczbaXgn, "XGN");
    sprawdzZakres<Xgn30>(c, c.poczXgn30, c.liczbaXgn30, "Xgn30");
    sprawdzZakres<Xrm>(c, c.poczXrm, c.liczbaXrm, "XRM");
    sprawdzZakres<Stos>(c, c.indStos, 1, "stack");
}

TEST_P(TablicaModelu, FillersContinueTheLineNumberingAndNoEntryIsEmpty) {
    Srodowisko s(GetParam().typ);
    const Centrala& c = s.c();
    const int fillers = Centrala::rozmiarTablicy - c.liczbaElementowSystemu;
    for (int i = 0; i < Centrala::rozmiarTablicy; ++i)
        ASSERT_NE(c.tablicaElementow[i], nullptr) << i;
    for (int k = 0; k < fillers; ++k) {
        const auto* e = dynamic_cast<Element*>(c.tablicaElementow[c.indStos + 1 + k]);
        ASSERT_NE(e, nullptr);
        const int n = c.liczbaElementowLinii + k; // continues the count of the real elements
        EXPECT_EQ(e->podajLinia(), n / c.liczbaAdresow + 1);
        EXPECT_EQ(e->podajAdres(), n % c.liczbaAdresow + 1);
        EXPECT_GT(e->podajLinia(), c.liczbaLinii);
    }
}

TEST_P(TablicaModelu, PerKindArraysPointIntoTheTableInNumberingOrder) {
    Srodowisko s(GetParam().typ);
    const Centrala& c = s.c();
    for (int i = 0; i < c.liczbaElementowLinii; ++i) {
        ASSERT_EQ(c.tablicaElementow[c.poczElementyLinii + i], c.elementyLinii[i]);
        EXPECT_EQ(c.elementyLinii[i]->podajLinia(), i / c.liczbaAdresow + 1);
        EXPECT_EQ(c.elementyLinii[i]->podajAdres(), i % c.liczbaAdresow + 1);
    }
    for (int i = 0; i < c.liczbaGrupWou * 8; ++i) {
        ASSERT_EQ(c.tablicaElementow[c.poczWou + i], c.wou[i]);
        EXPECT_EQ(c.wou[i]->podajNumer(), i / 8 + 1);
        EXPECT_EQ(c.wou[i]->podajWyjscie(), i % 8 + 1);
    }
    for (int i = 0; i < c.liczbaBrx * 11; ++i) {
        ASSERT_EQ(c.tablicaElementow[c.poczBrxLk + i], c.brxLk[i]);
        EXPECT_EQ(c.brxLk[i]->podajPakiet(), i / 11 + 1);
        EXPECT_EQ(c.brxLk[i]->podajNumer(), i % 11 + 1);
    }
    for (int n = 1; n <= c.liczbaStref; ++n) EXPECT_EQ(c.strefy[n - 1]->podajNumer(), n);
    for (int n = 1; n <= c.liczbaXrm; ++n)
        EXPECT_EQ(c.tablicaElementow[c.poczXrm + n - 1], c.xrm[n - 1]);
    EXPECT_EQ(c.tablicaElementow[c.indStos], c.stos);
}

TEST_P(TablicaModelu, WalkVisitsEveryTransferredEntryOnceAndNeverAFiller) {
    Srodowisko s(GetParam().typ);
    Centrala& c = s.c();
    std::vector<int> odwiedzone;
    int blokiXgn30 = 0;
    c.stos->zerujKursor();
    for (PrzejscieTablicy p(c); !p.koniec(); p.dalej()) {
        // Only the stack, which travels one source at a time, and the XGN 300 units, each with
        // its 14 blocks, are visited again in a row.
        const int i = p.podajIndeks();
        if (!odwiedzone.empty() && odwiedzone.back() == i) {
            ASSERT_TRUE(i == c.indStos || (i >= c.poczXgn30 && i < c.poczXrm)) << i;
            if (i != c.indStos) ++blokiXgn30;
        } else {
            odwiedzone.push_back(i);
            if (i >= c.poczXgn30 && i < c.poczXrm) ++blokiXgn30;
        }
    }
    EXPECT_EQ(blokiXgn30, 14 * c.liczbaXgn30);
    std::vector<int> oczekiwane;
    for (int i = 0; i < c.liczbaElementowSystemu; ++i) {
        const bool brx = i >= c.indBrx && i < c.poczXgn;
        // Extension packages travel only with the 7600.
        if (!brx || c.podajTypCentrali() == 3) oczekiwane.push_back(i);
    }
    EXPECT_EQ(odwiedzone, oczekiwane);
}

INSTANTIATE_TEST_SUITE_P(Modele, TablicaModelu, ::testing::ValuesIn(uklady),
                         [](const auto& info) { return "typ" + std::to_string(info.param.typ); });

TEST(Tablica, SixtyFourAddressesPerLine) {
    Srodowisko s(6);
    const Centrala& c = s.c();
    EXPECT_EQ(c.elementyLinii[63]->podajLinia(), 1);
    EXPECT_EQ(c.elementyLinii[63]->podajAdres(), 64);
    EXPECT_EQ(c.elementyLinii[64]->podajLinia(), 2);
    EXPECT_EQ(c.elementyLinii[64]->podajAdres(), 1);
}

TEST(Tablica, ModelWithoutExtensionPackagesHasEmptyBrxRanges) {
    Srodowisko s(6);
    const Centrala& c = s.c();
    EXPECT_EQ(c.liczbaBrx, 0);
    EXPECT_EQ(c.poczBrxPk, c.indBrx + 1);
    EXPECT_EQ(c.poczBrxLk, c.indBrx + 1);
    EXPECT_EQ(c.poczBrxPar, c.indBrx + 1);
    EXPECT_EQ(c.poczXgn, c.indBrx + 1);
    EXPECT_NE(dynamic_cast<Xgn*>(c.tablicaElementow[c.poczXgn]), nullptr);
}

TEST(Tablica, WalkRestrictedToAWindowOfTheTable) {
    Srodowisko s(4);
    Centrala& c = s.c();
    int n = 0;
    for (PrzejscieTablicy p(c, c.poczPk, c.poczLk); !p.koniec(); p.dalej()) {
        EXPECT_TRUE(p.podajIndeks() >= c.poczPk && p.podajIndeks() < c.poczLk);
        ++n;
    }
    EXPECT_EQ(n, c.liczbaPk + c.liczbaLs);
}

TEST(Tablica, RebuildingReplacesEveryObject) {
    Srodowisko s(4);
    Centrala& c = s.c();
    c.usunTabliceElementow();
    for (auto* e : c.tablicaElementow) EXPECT_EQ(e, nullptr);
    EXPECT_EQ(c.stos, nullptr);
    c.budujTabliceElementow();
    EXPECT_EQ(c.tablicaElementow[c.indStos], c.stos);
    EXPECT_NE(c.tablicaElementow[Centrala::rozmiarTablicy - 1], nullptr);
}

} // namespace
