// Element type catalogue: the class of every code, its name, number range, modes,
// mode list and descriptions, creation by code, the bit-field families and the printout rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <typeinfo>
#include <vector>

#include "elements/lines/typ_elementu.h"
#include "elements/lines/typ_ostrzegacz.h"
#include "elements/lines/typ_sygnalizator.h"
#include "elements/lines/typ_urzadzenia.h"
#include "elements/lines/typ_wieloczujnikowy.h"
#include "lang/kodowanie.h"
#include "wspolne/srodowisko.h"

namespace {

std::string utf8(const std::string& s) {
    return naUtf8(s, 1250);
}

// Which count bounds the number field.
enum class Zakres { strefyOd0, strefyOd1, wio, wou, wmi, hrn, hva, xgn, xrm };

struct Pozycja {
    int kod;
    const char* klasa; // for messages
    const std::type_info& typ;
    const char* nazwa;
    Zakres zakres;
    int trybDomyslny;
    const char* lista; // nullptr: no list
};

const std::vector<Pozycja>& katalog() {
    static const std::vector<Pozycja> k = {
        {0, "TypBRAK", typeid(TypBRAK), "Niezadeklarowany", Zakres::strefyOd0, 0, nullptr},
        {1, "TypKFA", typeid(TypKFA), "KFA-210", Zakres::strefyOd1, 1, "123"},
        {33, "TypKFA_213", typeid(TypKFA_213), "KFA-213", Zakres::strefyOd1, 1, "123"},
        {2, "TypKFB", typeid(TypKFB), "KFB-210", Zakres::strefyOd1, 1, "123"},
        {34, "TypKFB_213", typeid(TypKFB_213), "KFB-213", Zakres::strefyOd1, 1, "123"},
        {3, "TypKFC", typeid(TypKFC), "KFC-210", Zakres::strefyOd1, 1, "12356789"},
        {35, "TypKFC_213", typeid(TypKFC_213), "KFC-213", Zakres::strefyOd1, 1, "12356789"},
        {19, "TypKFC_310", typeid(TypKFC_310), "KFC-310", Zakres::strefyOd1, 1, "12356789"},
        {37, "TypKFC_313", typeid(TypKFC_313), "KFC-313", Zakres::strefyOd1, 1, "12356789"},
        {4, "TypKFE", typeid(TypKFE), "KFE-210", Zakres::strefyOd1, 1, "123456789"},
        {5, "TypKFN", typeid(TypKFN), "KFN-201", Zakres::strefyOd1, 1, "123456"},
        {6, "TypKFM", typeid(TypKFM), "KFM-210", Zakres::strefyOd1, 1, "123"},
        {38, "TypKFM_213", typeid(TypKFM_213), "KFM-213", Zakres::strefyOd1, 1, "123"},
        {22, "TypKFM_217", typeid(TypKFM_217), "KFM-217", Zakres::strefyOd1, 1, "123"},
        {7, "TypKFH", typeid(TypKFH), "KFH-210", Zakres::strefyOd1, 1, "123"},
        {8, "TypKFJ", typeid(TypKFJ), "KFJ-310", Zakres::strefyOd1, 1, "123456"},
        {24, "TypKFJ_310N", typeid(TypKFJ_310N), "KFJ-310N", Zakres::strefyOd1, 1, nullptr},
        {9, "TypKFL", typeid(TypKFL), "KFL-301", Zakres::strefyOd1, 1, "123"},
        {11, "TypKFP", typeid(TypKFP), "KFP-301", Zakres::strefyOd1, 1, nullptr},
        {12, "TypKFE_3", typeid(TypKFE_3), "KFE-310", Zakres::strefyOd1, 1, nullptr},
        {44, "TypKFE_313", typeid(TypKFE_313), "KFE-313", Zakres::strefyOd1, 1, nullptr},
        {16, "TypKFS", typeid(TypKFS), "KFS-201", Zakres::strefyOd1, 1, "123456789A"},
        {17, "TypKFG", typeid(TypKFG), "KFG-310", Zakres::strefyOd1, 1, nullptr},
        {18, "TypKFG_310N", typeid(TypKFG_310N), "KFG-310N", Zakres::strefyOd1, 1, nullptr},
        {23, "TypKFG_330", typeid(TypKFG_330), "KFG-330", Zakres::strefyOd1, 1, nullptr},
        {39, "TypKFG_313", typeid(TypKFG_313), "KFG-313", Zakres::strefyOd1, 1, nullptr},
        {20, "TypKFD", typeid(TypKFD), "KFD-310", Zakres::strefyOd1, 1, nullptr},
        {48, "TypKFR", typeid(TypKFR), "KFR-201", Zakres::strefyOd1, 0, nullptr},
        {54, "TypKFR_207", typeid(TypKFR_207), "KFR-207", Zakres::strefyOd1, 0, nullptr},
        {64, "TypWIO", typeid(TypWIO), "WIO-201", Zakres::wio, 128, nullptr},
        {65, "TypWOU", typeid(TypWOU), "WOU-201", Zakres::wou, 0, nullptr},
        {66, "TypWMI", typeid(TypWMI), "WMI-201", Zakres::wmi, 0, nullptr},
        {80, "TypHRN", typeid(TypHRN), "HRN-201", Zakres::hrn, 129, nullptr},
        {81, "TypHVA", typeid(TypHVA), "HVA-301", Zakres::hva, 176, nullptr},
        {82, "TypHVA_306", typeid(TypHVA_306), "HVA-306", Zakres::hva, 176, nullptr},
        {83, "TypHLT_301", typeid(TypHLT_301), "HLT-301", Zakres::hva, 176, nullptr},
        {84, "TypHLT_306", typeid(TypHLT_306), "HLT-306", Zakres::hva, 176, nullptr},
        {85, "TypHVA_101", typeid(TypHVA_101), "HVA-101", Zakres::hva, 176, nullptr},
        {86, "TypHVA_106", typeid(TypHVA_106), "HVA-106", Zakres::hva, 176, nullptr},
        {87, "TypHLT_101", typeid(TypHLT_101), "HLT-101", Zakres::hva, 176, nullptr},
        {88, "TypHLT_106", typeid(TypHLT_106), "HLT-106", Zakres::hva, 176, nullptr},
        {96, "TypXGN_200", typeid(TypXGN_200), "XGN-200", Zakres::xgn, 0, nullptr},
        {97, "TypXGN_300", typeid(TypXGN_300), "XGN-300", Zakres::xgn, 0, nullptr},
        {103, "TypXRM_300", typeid(TypXRM_300), "XRM-300", Zakres::xrm, 0, nullptr},
    };
    return k;
}

bool czyDetektor(Zakres z) {
    return z == Zakres::strefyOd1;
}

std::pair<int, int> granice(Zakres z, const Centrala& c) {
    switch (z) {
    case Zakres::strefyOd0:
        return {0, c.liczbaStref};
    case Zakres::strefyOd1:
        return {1, c.liczbaStref};
    case Zakres::wio:
        return {0, c.liczbaWio};
    case Zakres::wou:
        return {0, c.liczbaGrupWou};
    case Zakres::wmi:
        return {0, c.liczbaGrupWmi};
    case Zakres::hrn:
        return {0, c.liczbaHrn};
    case Zakres::hva:
        return {0, c.liczbaHva};
    case Zakres::xgn:
        return {0, c.liczbaXgn};
    case Zakres::xrm:
        return {0, c.liczbaXrm};
    }
    return {0, 0};
}

// Accepted modes per code; bit-field and no-meaning types accept every value.
std::set<int> trybyDozwolone(int kod) {
    switch (kod) {
    case 0:
        return {}; // any value, always stored as 0
    case 1:
    case 33:
    case 2:
    case 34:
    case 6:
    case 38:
    case 22:
    case 7:
    case 9:
        return {1, 2, 3};
    case 3:
    case 35:
    case 19:
    case 37:
        return {1, 2, 3, 5, 6, 7, 8, 9};
    case 4:
        return {1, 2, 3, 4, 5, 6, 7, 8, 9};
    case 5:
        return {1, 2, 3, 4, 5, 6};
    case 8:
        return {1, 2, 3, 4, 5, 6, 7};
    case 16:
        return {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    case 11:
    case 48:
    case 54:
        return {0, 1};
    default:
        return {-1}; // marker: every value
    }
}

std::unique_ptr<TypElementu> utworz(int kod, int linia = 3) {
    auto t = TypElementu::utworz(kod, linia);
    EXPECT_NE(t, nullptr) << kod;
    return t;
}

// --- The catalogue ---------------------------------------------------------------------------

TEST(KatalogTypow, EveryCodeHasItsClassNameAndDefaults) {
    Srodowisko s;
    for (const auto& p : katalog()) {
        SCOPED_TRACE(p.klasa);
        auto t = utworz(p.kod, 3);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(typeid(*t), p.typ);
        EXPECT_EQ(t->podajKod(), p.kod);
        std::string nazwa;
        EXPECT_EQ(t->podajNazweTypu(nazwa), p.kod);
        EXPECT_EQ(utf8(nazwa), p.nazwa);
        EXPECT_EQ(t->podajTrybDomyslny(), p.trybDomyslny);
        EXPECT_EQ(t->czyWStrefie(), czyDetektor(p.zakres));
        // Detectors and TypBRAK: the zone of their line; the others 0.
        const int numerDomyslny = p.zakres == Zakres::strefyOd0 || czyDetektor(p.zakres) ? 3 : 0;
        EXPECT_EQ(t->podajNumerDomyslny(), numerDomyslny);
        EXPECT_EQ(t->podajNumer(), numerDomyslny);
        EXPECT_EQ(t->podajTryb(), 1); // base constructor value
        EXPECT_EQ(t->podajGrupe(), 0);
        t->ustalTryb(77);
        t->ustawDomyslne();
        EXPECT_EQ(t->podajTryb(), p.trybDomyslny);
        EXPECT_EQ(t->podajNumer(), numerDomyslny);
    }
}

TEST(KatalogTypow, CodesOutsideTheCatalogueAreRefused) {
    Srodowisko s;
    std::set<int> znane;
    for (const auto& p : katalog()) znane.insert(p.kod);
    for (int kod = -5; kod < 300; ++kod) {
        EXPECT_EQ(TypElementu::czyWKatalogu(kod), znane.count(kod) == 1) << kod;
        EXPECT_EQ(TypElementu::utworz(kod, 1) != nullptr, znane.count(kod) == 1) << kod;
    }
    for (int kod :
         {10, 13, 14, 15, 21, 25, 32, 36, 40, 45, 49, 55, 63, 67, 79, 89, 95, 98, 102, 104})
        EXPECT_FALSE(TypElementu::czyWKatalogu(kod)) << kod;
}

TEST(KatalogTypow, CloneKeepsClassAndSettings) {
    Srodowisko s;
    for (const auto& p : katalog()) {
        SCOPED_TRACE(p.klasa);
        auto t = utworz(p.kod, 2);
        t->ustalTryb(2);
        t->ustalGrupe(1);
        t->ustalNumer(1);
        auto k = t->klonuj();
        EXPECT_EQ(typeid(*k), p.typ);
        EXPECT_EQ(k->podajKod(), p.kod);
        EXPECT_EQ(k->podajTryb(), t->podajTryb());
        EXPECT_EQ(k->podajGrupe(), 1);
        EXPECT_EQ(k->podajNumer(), t->podajNumer());
        EXPECT_EQ(k->podajTrybDomyslny(), p.trybDomyslny);
    }
}

TEST(KatalogTypow, NumberRangesFollowThePanel) {
    for (int typCentrali : {0, 3, 6}) {
        Srodowisko s(typCentrali);
        for (const auto& p : katalog()) {
            SCOPED_TRACE(std::string(p.klasa) + " panel " + std::to_string(typCentrali));
            const auto [dolna, gorna] = granice(p.zakres, s.c());
            auto t = utworz(p.kod, 1);
            ASSERT_EQ(t->ustalNumer(dolna), 0);
            EXPECT_EQ(t->podajNumer(), dolna);
            ASSERT_EQ(t->ustalNumer(gorna), 0);
            EXPECT_EQ(t->podajNumer(), gorna);
            EXPECT_EQ(t->ustalNumer(gorna + 1), 1);
            EXPECT_EQ(t->ustalNumer(dolna - 1), 1);
            EXPECT_EQ(t->podajNumer(), gorna); // refused: unchanged
        }
    }
}

TEST(KatalogTypow, ZoneZeroIsRefusedOnlyByDetectors) {
    Srodowisko s;
    EXPECT_EQ(utworz(1)->ustalNumer(0), 1);
    EXPECT_EQ(utworz(20)->ustalNumer(0), 1);
    EXPECT_EQ(utworz(0)->ustalNumer(0), 0);
    EXPECT_EQ(utworz(64)->ustalNumer(0), 0);
    EXPECT_EQ(utworz(103)->ustalNumer(0), 0);
}

TEST(KatalogTypow, XgnThreeHundredUsesTheXgnCount) {
    Srodowisko s(6); // Merak7200: 40 XGN, 40 Xgn30
    const int xgn30 = s.c().liczbaXgn30;
    s.c().liczbaXgn30 = 10; // only for the check; the table teardown needs the real count
    auto t = utworz(97);
    EXPECT_EQ(t->ustalNumer(40), 0);
    EXPECT_EQ(t->ustalNumer(41), 1);
    s.c().liczbaXgn30 = xgn30;
}

TEST(KatalogTypow, NumberFromRecordBytes) {
    Srodowisko s; // 512 zones, 250 WIO
    auto kfa = utworz(1);
    EXPECT_EQ(kfa->ustalNumerZBajtow(1 << 8, 4), 0);
    EXPECT_EQ(kfa->podajNumer(), 260);
    EXPECT_EQ(kfa->ustalNumerZBajtow(2 << 8, 1), 1); // 513
    auto brak = utworz(0);
    EXPECT_EQ(brak->ustalNumerZBajtow(1 << 8, 0), 0);
    EXPECT_EQ(brak->podajNumer(), 256);
    auto wio = utworz(64);
    EXPECT_EQ(wio->ustalNumerZBajtow(0x7F << 8, 5), 0); // the high part is ignored
    EXPECT_EQ(wio->podajNumer(), 5);
    EXPECT_EQ(wio->ustalNumerZBajtow(0, 251), 1);
    EXPECT_EQ(wio->podajNumer(), 5);
}

TEST(KatalogTypow, ModesAcceptedPerType) {
    Srodowisko s;
    for (const auto& p : katalog()) {
        SCOPED_TRACE(p.klasa);
        const auto dozwolone = trybyDozwolone(p.kod);
        for (int m = -2; m <= 300; ++m) {
            auto t = utworz(p.kod);
            const int przed = t->podajTryb();
            const int wynik = t->ustalTryb(m);
            if (p.kod == 0) {
                EXPECT_EQ(wynik, 0);
                EXPECT_EQ(t->podajTryb(), 0);
            } else if (dozwolone.count(-1) == 1 || dozwolone.count(m) == 1) {
                EXPECT_EQ(wynik, 0) << m;
                EXPECT_EQ(t->podajTryb(), m);
            } else {
                EXPECT_EQ(wynik, 1) << m;
                EXPECT_EQ(t->podajTryb(), przed);
            }
        }
    }
}

TEST(KatalogTypow, ModeLists) {
    Srodowisko s;
    for (const auto& p : katalog()) {
        SCOPED_TRACE(p.klasa);
        std::string lista = "niezmieniona";
        const int n = utworz(p.kod)->listaTrybow(lista);
        if (p.lista == nullptr) {
            EXPECT_EQ(n, 0);
            EXPECT_EQ(lista, "niezmieniona");
        } else {
            EXPECT_EQ(lista, p.lista);
            EXPECT_EQ(n, static_cast<int>(lista.size()));
        }
    }
}

struct Opis {
    int kod, tryb, m; // m = 0: the current mode
    const char* tekst;
    int wynik;
};

TEST(KatalogTypow, ModeDescriptions) {
    Srodowisko s;
    const Opis opisy[] = {
        {1, 1, 2, "Podwyższona czułość Y=0,6", 2},
        {1, 3, 0, "Obniżona czułość Y=0,8", 3},
        {33, 1, 5, "Normalna czułość Y=0,7", 5}, // outside the cases: mode-1 text
        {2, 1, 3, "Obniżona czułość m=0,2 dB/m +12%", 3},
        {6, 1, 2, "Podwyższona czułość m=0,2 dB/m -12%", 2},
        {3, 1, 4, " ", 4},
        {19, 1, 5, "A2S", 5},
        {37, 9, 0, "BR", 9},
        {7, 1, 3, "Tylko sensor płomienia - do celów uruchomieniowych", 3},
        {4, 1, 1, "", 1}, // text 267 is not in the program's own table
        {4, 1, 8, "Koincydencja KFB - TUP w klasie A1", 8},
        {5, 1, 5,
         "Tryb przeznaczony do podłączenia czujki liniowej dymu KFL-20. Całkowity pobór prądu "
         "przez adapter <2,1mA.",
         5},
        {8, 7, 0, "Tryb interaktywny. Aktywne sensory dymu. Aktywne sensory ciepła.", 7},
        {8, 1, 6, "Równoważny czujce dymu O_IR.", 6},
        {9, 1, 2, "Próg zadziałania (30%)", 2},
        {16, 10, 0, "Tryb 10", 10},
        {16, 1, 3, "Tryb 3", 3},
        {11, 1, 1, "Nie dotyczy aktualnego typu.", 0},
        {48, 0, 0, "Nie dotyczy aktualnego typu.", 0},
        {54, 1, 1, "Nie dotyczy aktualnego typu.", 0},
        {96, 5, 0, "Nie dotyczy aktualnego typu.", 0},
        {97, 5, 3, "Nie dotyczy aktualnego typu.", 0},
        {103, 5, 0, "Nie dotyczy aktualnego typu.", 0},
        {64, 0x85, 0, "Nie dotyczy aktualnego typu.", 0x85},
        {66, 3, 9, "Nie dotyczy aktualnego typu.", 9},
        {80, 129, 0, "Nie dotyczy aktualnego typu.", 129},
        {84, 176, 0, "Nie dotyczy aktualnego typu.", 176},
        {20, 0x43, 0, "Nie dotyczy aktualnego typu.", 0x43},
        {24, 0x43, 0, "Nie dotyczy aktualnego typu.", 0x43},
        {44, 0x43, 0, "Nie dotyczy aktualnego typu.", 0x43},
    };
    for (const auto& o : opisy) {
        SCOPED_TRACE(std::to_string(o.kod) + " mode " + std::to_string(o.m));
        auto t = utworz(o.kod);
        ASSERT_EQ(t->ustalTryb(o.tryb), 0);
        std::string tekst = "x";
        EXPECT_EQ(t->opisTrybu(tekst, o.m), o.wynik);
        EXPECT_EQ(utf8(tekst), o.tekst);
    }
}

// --- Creation by code ------------------------------------------------------------------------

TEST(TworzenieTypu, DetectorToDetectorKeepsZoneGroupAndMode) {
    Srodowisko s;
    auto kfb = utworz(2, 4);
    kfb->ustalNumer(5);
    kfb->ustalGrupe(1);
    kfb->ustalTryb(2);
    auto kfm = TypElementu::utworzZKodu(6, *kfb, 4);
    ASSERT_NE(kfm, nullptr);
    EXPECT_EQ(typeid(*kfm), typeid(TypKFM));
    EXPECT_EQ(kfm->podajNumer(), 5);
    EXPECT_EQ(kfm->podajGrupe(), 1);
    EXPECT_EQ(kfm->podajTryb(), 2);
}

TEST(TworzenieTypu, DetectorToWioTakesTheNumberWhenItFits) {
    Srodowisko s; // 250 WIO
    auto kfb = utworz(2, 4);
    kfb->ustalNumer(5);
    kfb->ustalGrupe(1);
    kfb->ustalTryb(2);
    auto wio = TypElementu::utworzZKodu(64, *kfb, 4);
    ASSERT_NE(wio, nullptr);
    EXPECT_EQ(wio->podajNumer(), 5);
    EXPECT_EQ(wio->podajTryb(), 2);
    EXPECT_EQ(wio->podajGrupe(), 0);
    EXPECT_EQ(wio->podajNumerDomyslny(), 0);

    kfb->ustalNumer(300); // above liczbaWio
    auto wio2 = TypElementu::utworzZKodu(64, *kfb, 4);
    EXPECT_EQ(wio2->podajNumer(), 0);
}

TEST(TworzenieTypu, RefusedOldValuesLeaveTheConstructorValues) {
    Srodowisko s;
    auto wio = utworz(64, 6);
    wio->ustalNumer(0);
    wio->ustalTryb(200);
    auto kfa = TypElementu::utworzZKodu(1, *wio, 6);
    EXPECT_EQ(kfa->podajNumer(), 6); // zone 0 refused: the line number
    EXPECT_EQ(kfa->podajTryb(), 1);  // mode 200 refused: 1
    auto kfr = TypElementu::utworzZKodu(48, *wio, 6);
    EXPECT_EQ(kfr->podajTryb(), 1); // the constructor's 1, not the default 0
    // Bit-field detectors take any old mode byte.
    auto kfd = TypElementu::utworzZKodu(20, *wio, 6);
    EXPECT_EQ(kfd->podajTryb(), 200);
}

TEST(TworzenieTypu, CodeZeroTakesNothingOver) {
    Srodowisko s;
    auto kfa = utworz(1, 2);
    kfa->ustalNumer(40);
    kfa->ustalGrupe(1);
    kfa->ustalTryb(3);
    auto brak = TypElementu::utworzZKodu(0, *kfa, 2);
    EXPECT_EQ(typeid(*brak), typeid(TypBRAK));
    EXPECT_EQ(brak->podajNumer(), 2);
    EXPECT_EQ(brak->podajGrupe(), 0);
    EXPECT_EQ(brak->podajTryb(), 1);
}

TEST(TworzenieTypu, UnknownCodeIsRefused) {
    Srodowisko s;
    auto kfa = utworz(1);
    EXPECT_EQ(TypElementu::utworzZKodu(10, *kfa, 1), nullptr);
    EXPECT_EQ(TypElementu::utworzZKodu(255, *kfa, 1), nullptr);
    EXPECT_EQ(TypElementu::utworzZKodu(-1, *kfa, 1), nullptr);
}

TEST(TworzenieTypu, PanelTypesRefuseTheOlderModels) {
    for (int typCentrali : {0, 3, 4, 5, 6}) {
        Srodowisko s(typCentrali);
        const bool odrzuca = typCentrali == 3 || typCentrali == 4;
        auto brak = utworz(0);
        for (int kod : {33, 34, 35, 38}) {
            EXPECT_EQ(TypElementu::czyOdrzuconyPrzezCentrale(kod), odrzuca) << typCentrali;
            EXPECT_EQ(TypElementu::utworzZKodu(kod, *brak, 1) == nullptr, odrzuca)
                << typCentrali << " " << kod;
        }
        for (int kod : {1, 2, 3, 6, 19, 22, 37, 44, 85})
            EXPECT_NE(TypElementu::utworzZKodu(kod, *brak, 1), nullptr)
                << typCentrali << " " << kod;
    }
}

// --- Bit fields ------------------------------------------------------------------------------

struct Czujniki {
    int kod, tryb;
    int ir, uv, co, cieplo, interakcja, czulosc;
    const char *tCo, *tCieplo, *tCzulosc;
};

TEST(PolaBitowe, MultiSensorDetectors) {
    Srodowisko s;
    const Czujniki przypadki[] = {
        {20, 0xFF, 1, 1, 1, 1, 3, 3, "TAK", "TAK", "-40%"},
        {20, 0x55, 0, 1, 0, 1, 1, 1, "NIE", "TAK", "+20%"},
        {17, 0xFF, 1, 1, 0, 0, 3, 3, "NIE", "NIE", "-40%"},
        {23, 0x26, 1, 0, 0, 0, 0, 2, "NIE", "NIE", "-20%"},
        {24, 0x8E, 1, 0, 0, 1, 2, 0, "NIE", "TAK", "Normal"},
        {12, 0x3F, 1, 1, 0, 0, 0, 1, nullptr, nullptr, "-20%"},
        {44, 0xC3, 1, 1, 0, 0, 3, 0, nullptr, nullptr, "Normal"},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(std::to_string(p.kod) + " " + std::to_string(p.tryb));
        auto t = utworz(p.kod);
        ASSERT_EQ(t->ustalTryb(p.tryb), 0);
        std::string tekst;
        EXPECT_EQ(t->podajSensorIR(), p.ir);
        EXPECT_EQ(t->opisSensoraIR(tekst), p.ir);
        EXPECT_EQ(tekst, p.ir ? "TAK" : "NIE");
        EXPECT_EQ(t->podajSensorUV(), p.uv);
        EXPECT_EQ(t->opisSensoraUV(tekst), p.uv);
        EXPECT_EQ(tekst, p.uv ? "TAK" : "NIE");
        EXPECT_EQ(t->podajSensorCO(), p.co);
        EXPECT_EQ(t->podajSensorCiepla(), p.cieplo);
        tekst = "-";
        t->opisSensoraCO(tekst);
        EXPECT_EQ(tekst, p.tCo ? p.tCo : "-");
        tekst = "-";
        t->opisSensoraCiepla(tekst);
        EXPECT_EQ(tekst, p.tCieplo ? p.tCieplo : "-");
        EXPECT_EQ(t->podajInterakcje(), p.interakcja);
        EXPECT_EQ(t->podajCzulosc(), p.czulosc);
        EXPECT_EQ(t->opisCzulosci(tekst), p.czulosc);
        EXPECT_EQ(tekst, p.tCzulosc);
    }
}

TEST(PolaBitowe, HeatClassOfTheKfe3Family) {
    Srodowisko s;
    const char* klasy[] = {"Off", "A1R", "A2R", "BR", "A2S", "BS", "Off", "Off"};
    for (int kod : {12, 44}) {
        auto t = utworz(kod);
        auto& kfe = dynamic_cast<TypKFE_3&>(*t);
        for (int k = 0; k < 8; ++k) {
            t->ustalTryb(0x03 | k << 2);
            std::string tekst;
            EXPECT_EQ(kfe.podajKlaseCiepla(), k);
            EXPECT_EQ(kfe.opisKlasyCiepla(tekst), k);
            EXPECT_EQ(tekst, klasy[k]);
        }
    }
}

TEST(PolaBitowe, OtherKindsAnswerZero) {
    Srodowisko s;
    for (int kod : {0, 1, 65, 96, 103}) {
        auto t = utworz(kod);
        t->ustalTryb(0xFF);
        EXPECT_EQ(t->podajSensorIR(), 0);
        EXPECT_EQ(t->podajKontroleCiaglosci(), 0);
        EXPECT_EQ(t->podajSposobWej1(), 0);
        EXPECT_EQ(t->podajKontroleZasZew(), 0);
        EXPECT_EQ(t->podajSekwencje(), 0);
        EXPECT_EQ(t->ustalSposobWej3(1), 0);
        std::string tekst = "bez zmian";
        EXPECT_EQ(t->opisKontroliZasZew(tekst), 0);
        EXPECT_EQ(tekst, "bez zmian");
    }
}

TEST(PolaBitowe, Wio) {
    Srodowisko s;
    auto t = utworz(64);
    t->ustawDomyslne();
    EXPECT_EQ(t->podajTryb(), 128);
    EXPECT_EQ(t->podajKontroleCiaglosci(), 1);
    t->ustalKontroleCiaglosci(0);
    t->ustalOpoznieniePk(2);
    EXPECT_EQ(t->podajTryb(), 0x40);
    t->ustalOpoznieniePk(1);
    EXPECT_EQ(t->podajTryb(), 0x20);
    t->ustalOpoznieniePk(3);
    EXPECT_EQ(t->podajOpoznieniePk(), 3);
    t->ustalKontroleWej1(2);
    t->ustalKontroleWej2(1);
    t->ustalSposobWej1(1);
    t->ustalSposobWej2(0);
    EXPECT_EQ(t->podajTryb(), 0x60 | 0x02 | 0x04 | 0x08);
    EXPECT_EQ(t->podajKontroleWej1(), 2);
    EXPECT_EQ(t->podajKontroleWej2(), 1);
    EXPECT_EQ(t->podajSposobWej1(), 1);
    EXPECT_EQ(t->podajSposobWej2(), 0);
    t->ustalSposobWej2(1);
    EXPECT_EQ(t->podajSposobWej2(), 1);
    EXPECT_EQ(t->podajTryb() & 0x10, 0x10);
    EXPECT_EQ(t->podajSposobWej3(), 0); // WIO has two inputs
}

TEST(PolaBitowe, Wmi) {
    Srodowisko s;
    auto t = utworz(66);
    t->ustalTryb(0);
    t->ustalSposobWej1(1);
    t->ustalSposobWej8(1);
    t->ustalSposobWej4(1);
    EXPECT_EQ(t->podajTryb(), 0x89);
    EXPECT_EQ(t->podajSposobWej8(), 1);
    EXPECT_EQ(t->podajSposobWej7(), 0);
    t->ustalSposobWej1(0);
    EXPECT_EQ(t->podajTryb(), 0x88);
}

TEST(PolaBitowe, Hrn) {
    Srodowisko s;
    auto t = utworz(80);
    t->ustawDomyslne();
    EXPECT_EQ(t->podajTryb(), 129);
    EXPECT_EQ(t->podajWzorDzwieku(), 0);
    EXPECT_EQ(t->podajKontroleZasZew(), 1);
    EXPECT_EQ(t->podajKontroleZasBat(), 0);
    t->ustalWzorDzwieku(2);
    t->ustalKontroleZasBat(1);
    t->ustalKontroleZasZew(0);
    EXPECT_EQ(t->podajTryb(), 0x43);
    std::string tekst;
    EXPECT_EQ(t->opisWzoruDzwieku(tekst), 2);
    EXPECT_EQ(tekst, "S/P/S/P/S/P (0,5s/0,5s/0,5s/0,5s/0,5s/2s)");
    EXPECT_EQ(t->opisKontroliZasBat(tekst), 1);
    EXPECT_EQ(tekst, "TAK");
    EXPECT_EQ(t->opisKontroliZasZew(tekst), 0);
    EXPECT_EQ(tekst, "NIE");
    t->ustalWzorDzwieku(7); // another argument clears bits 0..1
    EXPECT_EQ(t->podajTryb(), 0x40);
    EXPECT_EQ(t->podajWzorDzwieku(), 0);
    tekst = "bez zmian";
    EXPECT_EQ(t->opisWzoruDzwieku(tekst), 0);
    EXPECT_EQ(tekst, "bez zmian");
    t->ustalWzorDzwieku(1);
    t->opisWzoruDzwieku(tekst);
    EXPECT_EQ(tekst, "S/P  (0,25s/0,25s)");
}

TEST(PolaBitowe, HvaAndHlt) {
    Srodowisko s;
    for (int kod = 81; kod <= 88; ++kod) {
        auto t = utworz(kod);
        t->ustawDomyslne();
        EXPECT_EQ(t->podajTryb(), 176);
        EXPECT_EQ(t->podajSekwencje(), 0);
        EXPECT_EQ(t->podajGlosnosc(), 2);
        EXPECT_EQ(t->podajKontroleZasZew(), 1);
        EXPECT_EQ(t->podajKontroleZasBat(), 0);
        t->ustalSekwencje(15);
        t->ustalGlosnosc(0);
        t->ustalKontroleZasBat(1);
        t->ustalKontroleZasZew(0);
        EXPECT_EQ(t->podajTryb(), 0x5F);
        std::string tekst;
        EXPECT_EQ(t->opisSekwencji(tekst), 15);
        EXPECT_EQ(tekst, "16");
        EXPECT_EQ(t->opisGlosnosci(tekst), 0);
        EXPECT_EQ(tekst, "1");
        EXPECT_EQ(t->podajGlosnosc(), 0);
    }
}

// --- Printout rows ---------------------------------------------------------------------------

const std::string zamkniecie =
    "|-----------------------------------------------------------------|\n";

// One mode line of a template: the label, the value padded to the width, the closing bar.
std::string pole(const std::string& etykieta, const std::string& wartosc, std::size_t szerokosc) {
    std::string w = wartosc;
    w.resize(std::max(szerokosc, w.size()), ' ');
    return etykieta + w + "|\n";
}

const std::string trybPracy =
    "| Tryb pracy:                                                     |\n";

std::string drukuj(const TypElementu& t, int linia, int element, const std::string& nr) {
    std::string out = "poprzedni\n";
    t.drukujTyp(out, linia, element, nr);
    return utf8(out.substr(10));
}

TEST(WierszeWydruku, DetectorWithModeList) {
    Srodowisko s;
    auto t = utworz(1, 1);
    t->ustalNumer(12);
    t->ustalGrupe(1);
    t->ustalTryb(2);
    EXPECT_EQ(drukuj(*t, 1, 5, "01000Y000000"),
              "|  1  |   5    | KFA-210    | 01000Y000000 |    12    |  B  |  2  |\n" + zamkniecie);
    auto kfr = utworz(48, 3);
    kfr->ustalTryb(0);
    EXPECT_EQ(drukuj(*kfr, 3, 127, "30000Y000000"),
              "|  3  |   127  | KFR-201    | 30000Y000000 |    3     |  A  |  0  |\n" + zamkniecie);
}

TEST(WierszeWydruku, EmptyAddressPrintsNothing) {
    Srodowisko s;
    std::string out;
    utworz(0)->drukujTyp(out, 1, 1, "000000000000");
    EXPECT_TRUE(out.empty());
}

TEST(WierszeWydruku, Kfd) {
    Srodowisko s;
    auto t = utworz(20, 2);
    t->ustalTryb(0x40 | 0x20 | 0x04 | 0x02); // interaction 1, sensitivity 2, heat, IR
    EXPECT_EQ(drukuj(*t, 2, 9, "14000Y000000"),
              "|  2  |   9    | KFD-310    | 14000Y000000 |    2     |  A  |  -  |\n" + trybPracy +
                  pole("|  Sensor dymu IR       :", "TAK", 41) +
                  pole("|  Sensor dymu UV       :", "NIE", 41) +
                  pole("|  Sensor ciepła        :", "TAK", 41) +
                  pole("|  Sensor CO            :", "NIE", 41) +
                  pole("|  Interakcja sensorów  :", "1", 41) +
                  pole("|  Czułość sensorów     :", "-20%", 41) + zamkniecie);
}

TEST(WierszeWydruku, KfgFamily) {
    Srodowisko s;
    auto t = utworz(39, 1);
    t->ustalGrupe(1);
    t->ustalTryb(0x01 | 0x30 | 0x80);
    EXPECT_EQ(drukuj(*t, 1, 1, "27000Y000000"),
              "|  1  |   1    | KFG-313    | 27000Y000000 |    1     |  B  |  -  |\n" + trybPracy +
                  pole("|  Sensor dymu IR       :", "NIE", 41) +
                  pole("|  Sensor dymu UV       :", "TAK", 41) +
                  pole("|  Interakcja sensorów  :", "2", 41) +
                  pole("|  Czułość sensorów     :", "-40%", 41) + zamkniecie);
}

TEST(WierszeWydruku, Kfe3PrintsHeatClassAndSmokeSensitivity) {
    Srodowisko s;
    auto t = utworz(12, 1);
    t->ustalTryb(0x20 | (6 << 2) | 0x03); // -20 %, class 6, both smoke sensors
    EXPECT_EQ(drukuj(*t, 1, 2, "0C000Y000000"),
              "|  1  |   2    | KFE-310    | 0C000Y000000 |    1     |  A  |  -  |\n" + trybPracy +
                  pole("|  Sensor dymu IR       :", "TAK", 41) +
                  pole("|  Sensor dymu UV       :", "TAK", 41) +
                  pole("|  Sensor ciepła        :", "Off", 41) +
                  pole("|  Interakcja sensorów  :", "0", 41) +
                  pole("|  Czułość sensorów     :", "-20%", 41) + zamkniecie);
}

TEST(WierszeWydruku, Kfj310N) {
    Srodowisko s;
    auto t = utworz(24, 1);
    t->ustalTryb(0x04 | 0x10);
    EXPECT_EQ(drukuj(*t, 1, 3, "18000Y000000"),
              "|  1  |   3    | KFJ-310N   | 18000Y000000 |    1     |  A  |  -  |\n" + trybPracy +
                  pole("|  Sensor dymu IR       :", "NIE", 41) +
                  pole("|  Sensor dymu UV       :", "NIE", 41) +
                  pole("|  Sensor ciepła        :", "TAK", 41) +
                  pole("|  Interakcja sensorów  :", "0", 41) +
                  pole("|  Czułość sensorów     :", "+20%", 41) + zamkniecie);
}

TEST(WierszeWydruku, Wio) {
    Srodowisko s;
    auto t = utworz(64, 1);
    t->ustalNumer(17);
    t->ustalTryb(0x80 | 0x40 | 0x04 | 0x03 | 0x10); // continuity, Tp=60s, 130 s, input 2 NC
    EXPECT_EQ(drukuj(*t, 4, 10, "40000Y000000"),
              "|  4  |   10   | WIO-201    | 40000Y000000 |    17    |  -  |  -  |\n" + trybPracy +
                  pole("|  Kontrola ciągłości linii sterującej:", "TAK", 27) +
                  pole("|  Opóźnienie załączenia  przekaźnika :", "Tp=60s", 27) +
                  pole("|  WEJ 1-kontrola wysterowania        :", "TAK-130s", 27) +
                  pole("|  WEJ 2-kontrola wysterowania        :", "TAK-130s", 27) +
                  pole("|  WEJ 1-sposób działania             :", "NO", 27) +
                  pole("|  WEJ 2-sposób działania             :", "NC", 27) + zamkniecie);
    // Input-2 monitoring on while input 1 has none: "NIE".
    t->ustalTryb(0x04);
    const std::string w = drukuj(*t, 4, 10, "40000Y000000");
    EXPECT_NE(w.find(pole("|  WEJ 2-kontrola wysterowania        :", "NIE", 27)),
              std::string::npos);
}

TEST(WierszeWydruku, Hrn) {
    Srodowisko s;
    auto t = utworz(80, 1);
    t->ustalNumer(3);
    t->ustalTryb(0x81);
    EXPECT_EQ(drukuj(*t, 1, 20, "50000Y000000"),
              "|  1  |   20   | HRN-201    | 50000Y000000 |    3     |  -  |  -  |\n" + trybPracy +
                  pole("|  Wzór dźwięku :", "S/P (0,5s/0,5s)", 49) +
                  pole("|  Kontrola zasilania bateryjnego :", "NIE", 31) +
                  pole("|  Kontrola zasilania zewnętrznego:", "TAK", 31) + zamkniecie);
    // Pattern bits 0: the pattern cell stays blank.
    t->ustalTryb(0x40);
    EXPECT_NE(drukuj(*t, 1, 20, "50000Y000000").find(pole("|  Wzór dźwięku :", "", 49)),
              std::string::npos);
}

TEST(WierszeWydruku, HvaAndHlt) {
    Srodowisko s;
    auto t = utworz(87, 1);
    t->ustalNumer(250);
    t->ustalTryb(0x40 | 0x20 | 0x04); // battery, volume stored 2, sequence 5
    EXPECT_EQ(drukuj(*t, 8, 127, "57000Y000000"),
              "|  8  |   127  | HLT-101    | 57000Y000000 |    250   |  -  |  -  |\n" + trybPracy +
                  pole("|  Sewkencja    :", "5", 49) + pole("|  Głośność     :", "2", 49) +
                  pole("|  Kontrola zasilania bateryjnego :", "TAK", 31) +
                  pole("|  Kontrola zasilania zewnętrznego:", "NIE", 31) + zamkniecie);
}

TEST(WierszeWydruku, Wmi) {
    Srodowisko s;
    auto t = utworz(66, 1);
    t->ustalNumer(2);
    t->ustalTryb(0x81);
    std::string oczekiwany =
        "|  1  |   1    | WMI-201    | 42000Y000000 |    2     |  -  |  -  |\n" + trybPracy;
    for (int n = 1; n <= 8; ++n)
        oczekiwany += pole("|  WEJ " + std::to_string(n) + "-sposób działania : ",
                           n == 1 || n == 8 ? "NC" : "NO", 38);
    EXPECT_EQ(drukuj(*t, 1, 1, "42000Y000000"), oczekiwany + zamkniecie);
}

TEST(WierszeWydruku, WouXgnAndXrm) {
    Srodowisko s;
    auto wou = utworz(65, 1);
    wou->ustalNumer(7);
    EXPECT_EQ(drukuj(*wou, 2, 4, "41000Y000000"),
              "|  2  |   4    | WOU-201    | 41000Y000000 |    7     |  -  |  -  |\n" + zamkniecie);
    auto xgn = utworz(96, 1);
    xgn->ustalNumer(7);
    EXPECT_EQ(drukuj(*xgn, 2, 4, "60000Y000000"),
              "|  2  |   4    | XGN-200    | 60000Y000000 |    7     |  -  |  -  |\n" + zamkniecie);
    auto xgn30 = utworz(97, 1);
    xgn30->ustalNumer(12);
    EXPECT_EQ(drukuj(*xgn30, 2, 4, "61000Y000000"),
              "|  2  |   4    | XGN-300    | 61000Y000000 |    12    |  -  |  -  |\n" + zamkniecie);
    auto xrm = utworz(103, 1);
    EXPECT_EQ(drukuj(*xrm, 2, 4, "67000Y000000"),
              "|  2  |   4    | XRM-300    | 67000Y000000 |    0     |  -  |  -  |\n" + zamkniecie);
}

} // namespace
