// Comparing two configurations: only what differs is reported, with its printout rows or fields.
#include <gtest/gtest.h>

#include <memory>

#include "core/modele.h"
#include "elements/outputs/blc.h"
#include "lang/kodowanie.h"
#include "report/porownanie.h"
#include "report/zrodla_przypisan.h"
#include "wspolne/konfiguracja_pelna.h"
#include "wspolne/srodowisko.h"

namespace {

std::unique_ptr<Centrala> pelna(int typ) {
    std::unique_ptr<Centrala> c = utworzCentrale(typ);
    c->ustawRozmiary();
    c->budujTabliceElementow();
    CentralaNaCzas naCzas(*c);
    wypelnijKonfiguracje(*c);
    return c;
}

std::string cp(const std::string& utf8) {
    return utf8NaStronaKodowa(utf8, 1250);
}

int wystapienia(const std::string& tekst, const std::string& wzor) {
    int n = 0;
    for (auto i = tekst.find(wzor); i != std::string::npos; i = tekst.find(wzor, i + 1)) ++n;
    return n;
}

TEST(Porownanie, IdenticalConfigurationsReportNothingElse) {
    Srodowisko s(4);
    auto a = pelna(4), b = pelna(4);
    const Porownanie p = porownajKonfiguracje(*a, *b);
    EXPECT_EQ(p.wynik, Porownanie::Wynik::identyczne);
    EXPECT_EQ(p.raport, cp("Konfiguracje są identyczne.\n"));
    EXPECT_EQ(biezacaCentrala, &s.c());
}

TEST(Porownanie, ReportsExactlyTheZoneTheRelayAndTheAssignmentList) {
    Srodowisko s(4);
    auto a = pelna(4), b = pelna(4);
    {
        CentralaNaCzas naCzas(*b);
        b->strefy[9]->ustalKomunikat(cp("Kotłownia"));
        ASSERT_EQ(b->pk[2]->ustalTyp(2), 0);
        b->stos->usunPrzypisania(Stos::kodPk, 4, 0, 0);
        std::vector<std::pair<int, int>> wA;
        a->stos->podajPrzypisania(Stos::kodPk, 4, 0, 0, wA);
        for (std::size_t i = 1; i < wA.size(); ++i)
            b->stos->dodajPrzypisanie(Stos::kodPk, 4, 0, Stos::trybStrefy, wA[i].first,
                                      wA[i].second, 0);
        b->stos->dodajPrzypisanie(Stos::kodPk, 4, 0, Stos::trybStrefy, 77, 1, 0);
    }
    std::vector<std::pair<int, int>> wA;
    a->stos->podajPrzypisania(Stos::kodPk, 4, 0, 0, wA);

    const Porownanie p = porownajKonfiguracje(*a, *b);
    EXPECT_EQ(p.wynik, Porownanie::Wynik::rozne);
    const std::string& r = p.raport;
    // The zone's printout rows from both sides, old and new message.
    EXPECT_EQ(wystapienia(r, a->strefy[9]->podajNazwe() + "\n"), 1) << r;
    EXPECT_NE(r.find(cp("Kotłownia")), std::string::npos);
    EXPECT_NE(r.find(a->strefy[9]->podajKomunikat().substr(0, 20)), std::string::npos);
    EXPECT_EQ(wystapienia(r, a->pk[2]->podajNazwe() + "\n"), 1) << r;
    // Removed and added entries of relay 4 only.
    EXPECT_EQ(wystapienia(r, cp("usunięte: ")), 1) << r;
    EXPECT_NE(r.find(cp("usunięte: strefa " + std::to_string(wA[0].first) + " centrali " +
                        std::to_string(wA[0].second) + "\n")),
              std::string::npos)
        << r;
    EXPECT_EQ(wystapienia(r, cp("dodane: ")), 1);
    EXPECT_NE(r.find(cp("dodane: strefa 77 centrali 1\n")), std::string::npos);
    EXPECT_TRUE(r.ends_with(cp("Podsumowanie:\nStrefy: zmienionych 1\nPrzekaźniki: zmienionych "
                               "1\nPrzypisania: zmienionych 1\nKonfiguracje różnią się.\n")))
        << r;
}

TEST(Porownanie, KindsWithoutRowsShowTheirChangedFields) {
    Srodowisko s(6);
    auto a = pelna(6), b = pelna(6);
    b->blc->ustalLiniePromieniowa(1, 3, false);
    b->blc->ustalZadeklarowany(2, true);
    const Porownanie p = porownajKonfiguracje(*a, *b);
    EXPECT_EQ(p.wynik, Porownanie::Wynik::rozne);
    EXPECT_NE(p.raport.find("  BLC-1 linia 3 promieniowa: A = tak, B = nie\n"), std::string::npos)
        << p.raport;
    EXPECT_NE(p.raport.find("  BLC-2 zadeklarowany: A = nie, B = tak\n"), std::string::npos);
    EXPECT_EQ(wystapienia(p.raport, ": A = "), 2);
}

TEST(Porownanie, DifferentModelsAreRefused) {
    Srodowisko s(6);
    auto a = pelna(6), b = pelna(5);
    const Porownanie p = porownajKonfiguracje(*a, *b);
    EXPECT_EQ(p.wynik, Porownanie::Wynik::inneModele);
    EXPECT_NE(p.raport.find(a->podajNazweCentrali()), std::string::npos);
    EXPECT_NE(p.raport.find(b->podajNazweCentrali()), std::string::npos);
}

} // namespace
