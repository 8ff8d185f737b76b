// A zone and the detectors that name it.
#include <gtest/gtest.h>

#include "core/xml.h"
#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/lines/typ_elementu.h"
#include "wspolne/srodowisko.h"

namespace {

TEST(StrefaIElementy, ZoneCountsTheDetectorsThatNameIt) {
    Srodowisko s(4);
    Centrala& c = s.c();
    for (int i : {0, 5, 130}) {
        ASSERT_EQ(c.elementyLinii[i]->ustalTyp(2), 0); // a detector
        ASSERT_EQ(c.elementyLinii[i]->podajTyp().ustalNumer(i == 130 ? 8 : 7), 0);
    }
    EXPECT_EQ(c.strefy[6]->liczbaElementow(), 2);
    EXPECT_EQ(c.strefy[7]->liczbaElementow(), 1);
    EXPECT_EQ(c.strefy[8]->liczbaElementow(), 0);

    std::string xml;
    c.strefy[6]->zapiszXML(xml, 1);
    EXPECT_NE(xml.find(kluczXML(c.elementyLinii[5]->podajKlucz())), std::string::npos) << xml;
    xml.clear();
    c.strefy[8]->zapiszXML(xml, 1);
    EXPECT_EQ(xml.find(kluczXML(c.elementyLinii[5]->podajKlucz())), std::string::npos);

    Strefa::flagi.ustalDrukowanie(1); // only zones with elements
    EXPECT_TRUE(c.strefy[6]->czyDrukowac());
    EXPECT_FALSE(c.strefy[8]->czyDrukowac());
    Strefa::flagi.ustalDrukowanie(1);
}

} // namespace
