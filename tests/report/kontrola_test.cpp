// The configuration check: each rule on a small configuration that breaks it and nothing else.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>

#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/lk.h"
#include "elements/outputs/pk.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/wio.h"
#include "elements/outputs/wmi.h"
#include "lang/kodowanie.h"
#include "report/kontrola.h"
#include "wspolne/srodowisko.h"

namespace {

std::vector<std::vector<std::string>> wierszeTsv(const std::string& tsv) {
    std::vector<std::vector<std::string>> wiersze;
    std::istringstream we(tsv);
    for (std::string linia; std::getline(we, linia);) {
        std::vector<std::string> pola;
        std::size_t od = 0;
        for (std::size_t tab; (tab = linia.find('\t', od)) != std::string::npos; od = tab + 1)
            pola.push_back(linia.substr(od, tab - od));
        pola.push_back(linia.substr(od));
        wiersze.push_back(pola);
    }
    return wiersze;
}

Element& element(Centrala& c, int linia, int adres, int kod, int numer) {
    Element& e = *c.elementyLinii[(linia - 1) * c.liczbaAdresow + adres - 1];
    e.ustalTypZKodu(kod);
    e.podajTyp().ustalNumer(numer);
    return e;
}

// A configuration that breaks no rule: both line packages, one detector in zone 1.
void podstawa(Centrala& c) {
    c.blc->ustalZadeklarowany(1, true);
    c.blc->ustalZadeklarowany(2, true);
    element(c, 1, 1, 2, 1);
}

// A relay driven by zones, the way the editors set it up.
void przekaznikStrefowy(Centrala& c, int n) {
    c.pk[n - 1]->ustalTyp(1);
    c.pk[n - 1]->ustalWariant(2);
}

struct Oczekiwana {
    bool blad;
    std::string regula;
    std::function<int(const Centrala&)> indeks;
    std::string fragment; // UTF-8 part of the message
};

struct Przypadek {
    const char* nazwa;
    int typ;
    std::function<void(Centrala&)> ustaw;
    std::vector<Oczekiwana> oczekiwane;
};

TEST(Kontrola, EachRuleFindsItsFaultAndNothingElse) {
    const std::vector<Przypadek> przypadki = {
        {"clean", 6, [](Centrala&) {}, {}},
        {"duplicates",
         6,
         [](Centrala& c) {
             element(c, 1, 2, 64, 1);
             element(c, 1, 3, 66, 1); // WIO and WMI number apart
             element(c, 1, 4, 64, 1);
             element(c, 2, 1, 81, 2);
             element(c, 2, 2, 83, 2); // sounders share one numbering
             element(c, 2, 3, 3, 1);  // detectors in one zone are no duplicates
         },
         {{true, "duplicate-logical-number",
           [](const Centrala& c) { return c.poczElementyLinii + 3; }, "linia 1, element 2"},
          {true, "duplicate-logical-number",
           [](const Centrala& c) { return c.poczElementyLinii + c.liczbaAdresow + 1; },
           "linia 2, element 1"}}},
        {"unassigned",
         6,
         [](Centrala& c) { element(c, 1, 5, 65, 0); },
         {{false, "unassigned-logical-number",
           [](const Centrala& c) { return c.poczElementyLinii + 4; }, "numeru"}}},
        {"orphan",
         6,
         [](Centrala& c) {
             c.wmi[8]->ustalWariant(1); // device 2 input 1, no WMI 2 on the line
             c.hva[0]->ustalTyp(1);     // declared below: not an orphan
             element(c, 2, 7, 84, 1);
         },
         {{false, "orphan-record", [](const Centrala& c) { return c.poczWmi + 8; }, "Rekord"}}},
        {"empty zone list",
         6,
         [](Centrala& c) { przekaznikStrefowy(c, 2); },
         {{false, "empty-zone-list", [](const Centrala& c) { return c.poczPk + 1; }, "strefy"}}},
        {"zone without detectors",
         6,
         [](Centrala& c) {
             przekaznikStrefowy(c, 2);
             c.stos->dodajPrzypisanie(Stos::kodPk, 2, 0, Stos::trybStrefy, 1, 0, 0);
             c.stos->dodajPrzypisanie(Stos::kodPk, 2, 0, Stos::trybStrefy, 5, 0, 0);
             c.stos->dodajPrzypisanie(Stos::kodPk, 2, 0, Stos::trybStrefy, 5, 2, 0);
         },
         {{false, "zone-without-detectors", [](const Centrala& c) { return c.poczPk + 1; },
           "strefa 5 nie ma"}}},
        {"coincidence",
         6,
         [](Centrala& c) {
             c.strefy[0]->ustalWariant(7);
             c.strefy[1]->ustalWariant(15); // two points: enough
             element(c, 1, 8, 2, 2);
             element(c, 1, 9, 2, 2);
         },
         {{false, "coincidence-needs-two", [](const Centrala& c) { return c.poczStrefy; },
           "Koincydencja"}}},
        {"stack over limit",
         5,
         [](Centrala& c) {
             c.odczytajIdentyfikacje("PSC0000V1.3"); // firmware 13 takes 10000 entries
             przekaznikStrefowy(c, 2);
             for (int i = 0; i <= 10000; ++i)
                 c.stos->dodajPrzypisanie(Stos::kodPk, 2, 0, Stos::trybStrefy, 1, 1, 0);
         },
         {{true, "stack-over-limit", [](const Centrala& c) { return c.indStos; },
           "10001, centrala przyjmuje najwyżej: 10000"}}},
        {"line package",
         4,
         [](Centrala& c) {
             c.blc->ustalZadeklarowany(2, false);
             element(c, 4, 1, 1, 1); // package 1 is declared
             element(c, 6, 1, 1, 1);
             element(c, 7, 3, 1, 1);
         },
         {{false, "undeclared-line-package", [](const Centrala& c) { return c.indBlc; },
           "linii 6 bez zadeklarowanego pakietu liniowego BLC-2"},
          {false, "undeclared-line-package", [](const Centrala& c) { return c.indBlc; },
           "linii 7"}}},
        {"supervised output",
         6,
         [](Centrala& c) {
             c.lk[0]->ustalWariant(1);
             c.lk[0]->ustalNumerWyjscia(4); // the 7200 has three relays
             c.lk[1]->ustalWariant(3);      // technical alarm supervises nothing
             c.lk[1]->ustalNumerWyjscia(9);
         },
         {{false, "missing-supervised-output", [](const Centrala& c) { return c.poczLk; },
           "nr 4"}}},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.nazwa);
        Srodowisko s(p.typ);
        podstawa(s.c());
        p.ustaw(s.c());
        const auto uwagi = sprawdzKonfiguracje(s.c());
        const auto wiersze = wierszeTsv(uwagiTsv(uwagi));
        ASSERT_EQ(wiersze.size(), p.oczekiwane.size()) << uwagiTsv(uwagi);
        for (std::size_t i = 0; i < wiersze.size(); ++i) {
            const Oczekiwana& o = p.oczekiwane[i];
            const int indeks = o.indeks(s.c());
            ASSERT_EQ(wiersze[i].size(), 5u);
            EXPECT_EQ(wiersze[i][0], o.blad ? "error" : "warning");
            EXPECT_EQ(wiersze[i][1], o.regula);
            EXPECT_EQ(wiersze[i][2], std::to_string(indeks));
            EXPECT_EQ(wiersze[i][3], s.c().tablicaElementow[indeks]->podajNazwe());
            EXPECT_NE(wiersze[i][4].find(utf8NaStronaKodowa(o.fragment, 1250)), std::string::npos)
                << wiersze[i][4];
        }
        EXPECT_EQ(czySaBledy(uwagi, false),
                  std::any_of(p.oczekiwane.begin(), p.oczekiwane.end(),
                              [](const Oczekiwana& o) { return o.blad; }));
        EXPECT_EQ(czySaBledy(uwagi, true), !p.oczekiwane.empty());
    }
}

TEST(Kontrola, TextFormatEndsWithTheCounts) {
    Srodowisko s(6);
    podstawa(s.c());
    element(s.c(), 1, 2, 64, 1);
    element(s.c(), 1, 3, 64, 1);
    element(s.c(), 1, 4, 65, 0);
    const std::string t = uwagiTekstem(sprawdzKonfiguracje(s.c()));
    EXPECT_NE(t.find("duplicate-logical-number"), std::string::npos);
    EXPECT_NE(t.find("unassigned-logical-number"), std::string::npos);
    EXPECT_TRUE(t.ends_with(utf8NaStronaKodowa("Błędów: 1, ostrzeżeń: 1\n", 1250))) << t;
}

TEST(Kontrola, TheCheckedRootIsCurrentOnlyWhileItRuns) {
    Srodowisko s(6);
    std::unique_ptr<Centrala> inna = utworzCentrale(5);
    inna->ustawRozmiary();
    inna->budujTabliceElementow();
    element(*inna, 3, 1, 1, 1); // line 3 exists only in the other model
    const auto uwagi = sprawdzKonfiguracje(*inna);
    ASSERT_EQ(uwagi.size(), 1u);
    EXPECT_EQ(uwagi[0].regula, "undeclared-line-package");
    EXPECT_EQ(biezacaCentrala, &s.c());
}

} // namespace
