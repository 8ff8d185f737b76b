// The configuration printout: print flags, composing the text, saving it and laying it out on
// pages.
#include <gtest/gtest.h>

#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/hrn.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/lk.h"
#include "elements/outputs/ls.h"
#include "elements/outputs/pk.h"
#include "elements/outputs/wio.h"
#include "elements/outputs/wmi.h"
#include "elements/outputs/wou.h"
#include "elements/outputs/xgn.h"
#include "elements/outputs/xgn30.h"
#include "katalog_testowy.h"
#include "lang/kodowanie.h"
#include "report/flagi_wydruku.h"
#include "report/strony.h"
#include "report/wydruk.h"
#include "report/zapis_wydruku.h"
#include "wspolne/element_zastepczy.h"
#include "wspolne/srodowisko.h"

namespace {

// A table entry with a name, a heading and rows of its own.
class Wpis : public ElementZastepczy {
public:
    Wpis(std::string nazwa, bool drukowany, std::string wiersze)
        : ElementZastepczy(0, 0, std::move(nazwa)), drukowany(drukowany),
          wiersze(std::move(wiersze)) {}
    int drukujWiersz(std::string& b) override {
        b += wiersze;
        return static_cast<int>(wiersze.size());
    }
    void drukujNaglowek(std::string& b) override { b += "[" + nazwa.substr(0, 5) + "]\n"; }
    bool czyDrukowac() const override { return drukowany; }
    bool czyPrzesylac() const override { return true; }

private:
    bool drukowany;
    std::string wiersze;
};

std::string raport(std::vector<Wpis>& wpisy) {
    std::vector<ElementSystemu*> tablica;
    for (auto& w : wpisy) tablica.push_back(&w);
    return zlozRaport(tablica).value_or("(brak pamieci)");
}

std::string utf8(const std::string& s) {
    return naUtf8(s, 1250);
}

} // namespace

TEST(FlagiWydruku, EachKindGetsTheValueOfItsChoice) {
    Blc::flagi.ustalDrukowanie(1);
    WyborWydruku w;
    w.elementyLiniowe = true;
    w.strefy = {true, false};
    w.wio = {true, true};
    w.wou = {false, true}; // not ticked: the pair does not matter
    w.hva = {true, false};
    w.xgn30 = {true, true};
    w.ls = true;
    ustalFlagiDrukowania(w);
    EXPECT_EQ(Element::flagi.drukowanie, 1);
    EXPECT_EQ(Strefa::flagi.drukowanie, 1);
    EXPECT_EQ(Wio::flagi.drukowanie, 2);
    EXPECT_EQ(Wou::flagi.drukowanie, 0);
    EXPECT_EQ(Wmi::flagi.drukowanie, 0);
    EXPECT_EQ(Hrn::flagi.drukowanie, 0);
    EXPECT_EQ(Hva::flagi.drukowanie, 1);
    EXPECT_EQ(Xgn::flagi.drukowanie, 0);
    EXPECT_EQ(Xgn30::flagi.drukowanie, 2);
    EXPECT_EQ(Pk::flagi.drukowanie, 0);
    EXPECT_EQ(Ls::flagi.drukowanie, 1);
    EXPECT_EQ(Lk::flagi.drukowanie, 0);
    EXPECT_EQ(Blc::flagi.drukowanie, 0);

    // "Wszystkie" ticks all twelve; showing the window again resets the pairs only.
    w.zaznaczWszystkie(true);
    w.przywrocPierwszeWybory();
    ustalFlagiDrukowania(w);
    for (const FlagiKlasy* f :
         {&Element::flagi, &Strefa::flagi, &Wio::flagi, &Wou::flagi, &Wmi::flagi, &Hrn::flagi,
          &Hva::flagi, &Xgn::flagi, &Xgn30::flagi, &Pk::flagi, &Ls::flagi, &Lk::flagi})
        EXPECT_EQ(f->drukowanie, 1);
    w.zaznaczWszystkie(false);
    ustalFlagiDrukowania(w);
    for (const FlagiKlasy* f : {&Element::flagi, &Strefa::flagi, &Wio::flagi, &Pk::flagi})
        EXPECT_EQ(f->drukowanie, 0);
}

TEST(Wydruk, NamesAgreeingInTheirFirstFiveCharactersContinueATable) {
    struct Przypadek {
        const char *poprzednia, *nazwa;
        bool nowa;
    };
    const Przypadek przypadki[] = {
        {"Strefa nr 1", "Strefa nr 2", false},
        {"PK nr 16", "LS nr 1", true},
        {"Stref", "Strefa nr 9", false},
        {"Strefa", "Strefb", false},
        {"Stref", "StreX", true},
        {"St", "Strefa", false},
        {"", "PK nr 1", false},
        {"PK nr 1", "", true},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(czyNowaTabela(p.poprzednia, p.nazwa), p.nowa) << p.poprzednia << "|" << p.nazwa;
}

TEST(Wydruk, HeadingsComeWhereATableBegins) {
    std::vector<Wpis> wpisy;
    wpisy.emplace_back("Strefa nr 1", true, "s1\n");
    wpisy.emplace_back("PK nr 1", false, "-\n");
    wpisy.emplace_back("Strefa nr 2", true, "s2\n");
    wpisy.emplace_back("Strefy dodatkowe", true, "s3\n"); // same five characters: same table
    wpisy.emplace_back("PK nr 2", true, "p2\n");
    wpisy.emplace_back("", true, "e\n"); // no name: always a new table
    EXPECT_EQ(raport(wpisy), "\n[Stref]\ns1\ns2\ns3\n\n[PK nr]\np2\n\n[]\ne\n");

    for (auto& w : wpisy) w = Wpis(w.podajNazwe(), false, "x\n");
    EXPECT_EQ(raport(wpisy), "\n");
    EXPECT_EQ(linieRaportu("\n"), std::vector<std::string>{""});
}

TEST(Wydruk, ConfigurationPrintsTheTickedKindsInTableOrder) {
    Srodowisko s;
    WyborWydruku w;
    w.pk = w.ls = true;
    ustalFlagiDrukowania(w);
    std::string oczekiwany = "\n";
    s.c().pk[0]->drukujNaglowek(oczekiwany);
    for (int n = 0; n < s.c().liczbaPk; ++n) s.c().pk[n]->drukujWiersz(oczekiwany);
    oczekiwany += '\n';
    s.c().ls[0]->drukujNaglowek(oczekiwany);
    for (int n = 0; n < s.c().liczbaLs; ++n) s.c().ls[n]->drukujWiersz(oczekiwany);
    const auto tekst = zlozRaport(s.c());
    ASSERT_TRUE(tekst.has_value());
    EXPECT_EQ(utf8(*tekst), utf8(oczekiwany));

    ustalFlagiDrukowania(WyborWydruku{});
    EXPECT_EQ(zlozRaport(s.c()), "\n");
}

TEST(Wydruk, LinesAreCutAtLineFeedsAndTheRestIsDropped) {
    EXPECT_EQ(linieRaportu("\nA\n\nB\nreszta"), (std::vector<std::string>{"", "A", "", "B"}));
    EXPECT_TRUE(linieRaportu("").empty());
}

TEST(ZapisWydruku, LineFeedsBecomeCrLfAndTheTextEndsWithItsZero) {
    EXPECT_EQ(tekstPlikuRaportu("\nA\n"), std::string("\x0D\x0A\x41\x0D\x0A\x00", 6));
    KatalogTestowy k;
    ASSERT_EQ(zapiszRaport(k.plik("r.txt"), "\nA\n"), WynikZapisu::ok);
    EXPECT_EQ(czytajPlik(k.plik("r.txt")), std::string("\r\nA\r\n\0", 6));
    EXPECT_EQ(zapiszRaport(k.plik("brak/r.txt"), "\nA\n"), WynikZapisu::nieMoznaUtworzyc);
    EXPECT_EQ(k.nazwyPlikow(), std::vector<std::string>{"r.txt"});
}

TEST(Strony, FirstPageFromRowThreeFurtherPagesFromRowTwo) {
    const auto p = rozmiescLinie(10, 30);
    ASSERT_EQ(p.size(), 30u);
    for (int k = 0; k < 8; ++k) EXPECT_EQ(p[k], (PolozenieLinii{0, 3 + k}));
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(p[8 + k], (PolozenieLinii{1, 2 + k}));
        EXPECT_EQ(p[17 + k], (PolozenieLinii{2, 2 + k}));
    }
    EXPECT_EQ(p[26], (PolozenieLinii{3, 2}));
    EXPECT_EQ(p[29], (PolozenieLinii{3, 5}));
    EXPECT_TRUE(rozmiescLinie(10, 0).empty());
}

TEST(Strony, TooSmallAPageStillKeepsEveryLineOnAPage) {
    for (int L : {1, 0, -3}) {
        const auto p = rozmiescLinie(L, 3);
        ASSERT_EQ(p.size(), 3u);
        for (int k = 0; k < 3; ++k) EXPECT_EQ(p[k], (PolozenieLinii{k + 1, 2})) << L;
    }
}

TEST(Strony, LineHeightAndLinesPerPage) {
    EXPECT_EQ(wysokoscLinii(10, 600), 116); // 83.3 -> 83, x1.4
    EXPECT_EQ(wysokoscLinii(9, 300), 53);   // 37.5 rounds to 38
    EXPECT_EQ(wysokoscLinii(-10, 600), 116);
    EXPECT_EQ(wysokoscLinii(0, 600), 1);
    EXPECT_EQ(liniiNaStrone(6600, 116), 52);
    EXPECT_EQ(liniiNaStrone(6600, 0), -4);
}
