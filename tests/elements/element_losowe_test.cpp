// Every type code on every panel model survives its own record.
#include <gtest/gtest.h>

#include <random>

#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/lines/typ_elementu.h"
#include "wspolne/srodowisko.h"

namespace {

TEST(ElementLosowo, RecordGivesBackAnEqualElementForEveryCode) {
    std::mt19937 los(2026);
    for (int model : {0, 3, 4, 5, 6}) {
        Srodowisko s(model);
        int sprawdzone = 0;
        for (int kod = 1; kod < 256; ++kod) {
            if (!TypElementu::czyWKatalogu(kod) || TypElementu::czyOdrzuconyPrzezCentrale(kod))
                continue;
            for (int proba = 0; proba < 8; ++proba) {
                Element e(2, 17);
                ASSERT_EQ(e.ustalTypZKodu(kod), 0) << kod;
                e.podajTyp().ustalNumer(static_cast<int>(los() % 300));
                e.podajTyp().ustalTryb(static_cast<int>(los() % 256));
                e.podajTyp().ustalGrupe(static_cast<int>(los() % 2));
                Element::NrSeryjny nr{};
                for (auto& b : nr) b = static_cast<std::uint8_t>(los());
                nr[0] = static_cast<std::uint8_t>(kod);
                e.ustalNrSeryjny(nr);
                Bajty pierwszy, drugi;
                e.zapiszBlok(pierwszy);
                Element f(2, 17);
                ASSERT_EQ(f.odczytajBlok(pierwszy), 0) << "model " << model << " code " << kod;
                f.zapiszBlok(drugi);
                EXPECT_EQ(drugi, pierwszy) << "model " << model << " code " << kod;
                EXPECT_EQ(f.podajKlucz(), e.podajKlucz());
                ++sprawdzone;
            }
        }
        EXPECT_GT(sprawdzone, 0);
    }
}

TEST(StrefaRekord, RecordOfAnotherZoneIsRefused) {
    Srodowisko s(4);
    Bajty b;
    s.c().strefy[4]->zapiszBlok(b);
    EXPECT_EQ(s.c().strefy[5]->odczytajBlok(b), 1);
    EXPECT_EQ(s.c().strefy[5]->podajNumer(), 6);
    EXPECT_EQ(s.c().strefy[4]->odczytajBlok(b), 0);
}

TEST(ElementXml, ExtinguishingUnitWithoutLogicalNumberWritesZoneZeroAndNoModules) {
    Srodowisko s(4);
    Element& xgn = *s.c().elementyLinii[0];
    ASSERT_EQ(xgn.ustalTyp(96), 0);
    ASSERT_EQ(xgn.podajTyp().ustalNumer(0), 0);
    std::string xml;
    xgn.zapiszXML(xml, 2);
    EXPECT_NE(xml.find("<logical_nr>0</logical_nr><zone>0</zone>"), std::string::npos) << xml;
    Element& xgn300 = *s.c().elementyLinii[1];
    ASSERT_EQ(xgn300.ustalTyp(97), 0);
    ASSERT_EQ(xgn300.podajTyp().ustalNumer(0), 0);
    xml.clear();
    xgn300.zapiszXML(xml, 2);
    EXPECT_EQ(xml.find("<modules>"), std::string::npos) << xml;
}

} // namespace
