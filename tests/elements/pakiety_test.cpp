// The line packages and the extension packages with their relays, control lines and times.
#include <gtest/gtest.h>

#include "elements/outputs/blc.h"
#include "elements/outputs/brx.h"
#include "elements/outputs/brx_lk.h"
#include "elements/outputs/brx_par.h"
#include "elements/outputs/brx_pk.h"
#include "lang/kodowanie.h"
#include "wspolne/srodowisko.h"

namespace {

TEST(Blc, PackageByteHoldsDeclarationAndRadialLines) {
    Srodowisko s(4);
    Blc& blc = *s.c().blc;
    EXPECT_FALSE(blc.podajZadeklarowany(1));
    blc.ustalZadeklarowany(1, true);
    blc.ustalLiniePromieniowa(1, 1, true);
    blc.ustalLiniePromieniowa(1, 3, true);
    blc.ustalLiniePromieniowa(2, 0, true); // package 2 not declared: its byte stays 0
    Bajty b;
    blc.zapiszBlok(b);
    EXPECT_EQ(b, (Bajty{160, 0xA1, 0x00, 0}));

    // Reading takes the line bits of an undeclared package too.
    ASSERT_EQ(blc.odczytajBlok(Bajty{160, 0x10, 0x31, 0xFF}), 0);
    EXPECT_FALSE(blc.podajZadeklarowany(1));
    EXPECT_TRUE(blc.podajLiniePromieniowa(1, 0));
    EXPECT_TRUE(blc.podajZadeklarowany(2));
    EXPECT_TRUE(blc.podajLiniePromieniowa(2, 1));
    EXPECT_FALSE(blc.podajLiniePromieniowa(2, 2));

    EXPECT_EQ(blc.odczytajBlok(Bajty{161, 0xFF, 0xFF, 0}), 1);
    EXPECT_EQ(blc.odczytajBlok(Bajty{160, 0xFF}), 1);
    EXPECT_TRUE(blc.podajZadeklarowany(2));
    EXPECT_EQ(blc.ustalZapytanie(b, 0x55), 1);
    EXPECT_EQ(b, Bajty{160});
}

TEST(Blc, The7200StartsWithItsFirstPackageDeclared) {
    Srodowisko s(6);
    EXPECT_TRUE(s.c().blc->podajZadeklarowany(1));
    EXPECT_FALSE(s.c().blc->podajZadeklarowany(2));
}

TEST(Brx, DeclaredFlagsPerPackage) {
    Srodowisko s(3);
    Brx& brx = *s.c().brx;
    brx.ustalZadeklarowany(2, true);
    Bajty b;
    brx.zapiszBlok(b);
    ASSERT_EQ(b.size(), 43u);
    EXPECT_EQ(b[0], 163);
    EXPECT_EQ(Bajty(b.begin() + 1, b.begin() + 5), (Bajty{0, 1, 0, 0}));
    b[3] = 0x40; // any non-zero byte declares
    ASSERT_EQ(brx.odczytajBlok(b), 0);
    EXPECT_TRUE(brx.podajZadeklarowany(3));
    b[0] = 160;
    EXPECT_EQ(brx.odczytajBlok(b), 1);
    EXPECT_EQ(brx.odczytajBlok(Bajty{163, 1, 1}), 1);
}

TEST(BrxPk, FunctionByteCarriesTheControlFlag) {
    Srodowisko s(3);
    BrxPk& pk = *s.c().brxPk[16 + 13]; // package 2, relay 14
    EXPECT_EQ(pk.podajFunkcje(), 0);
    EXPECT_EQ(s.c().brxPk[5]->podajFunkcje(), 6); // relays 1, 4, 5, 6 start with their own function
    ASSERT_EQ(pk.odczytajBlok(Bajty{1, 1, 13, 0x8E}), 0);
    EXPECT_EQ(pk.podajFunkcje(), 14);
    EXPECT_TRUE(pk.podajKontroleZadzialania());
    Bajty b;
    pk.zapiszBlok(b);
    EXPECT_EQ(b, (Bajty{1, 1, 13, 0x8E}));
    // A block of another relay, package or kind belongs elsewhere.
    for (const Bajty& obcy :
         {Bajty{1, 1, 12, 0x01}, Bajty{1, 0, 13, 0x01}, Bajty{2, 1, 13, 0x01}, Bajty{1, 1}})
        EXPECT_EQ(pk.odczytajBlok(obcy), 1);
    EXPECT_EQ(pk.podajFunkcje(), 14);
    EXPECT_EQ(pk.podajKlucz(), 0xE000A302u);
    EXPECT_EQ(s.c().brxPk[15]->podajKlucz(), 0x0000A301u); // relay 16: only the package is left
    EXPECT_EQ(pk.ustalZapytanie(b, 0x55), 3);
    EXPECT_EQ(b, (Bajty{1, 1, 13}));
}

TEST(BrxLk, FunctionBringsItsMessageOfExactlySixtyFourCharacters) {
    Srodowisko s(3);
    BrxLk& lk = *s.c().brxLk[11 + 6]; // package 2, line 7
    lk.ustalFunkcje(7);
    EXPECT_EQ(naUtf8(lk.podajKomunikat(), 1250), "CIŚNIENIE / MASA S.G." + std::string(43, ' '));
    lk.ustalFunkcje(11);
    EXPECT_EQ(lk.podajKomunikat().size(), 64u);
    EXPECT_EQ(naUtf8(*lk.podajOpis(1), 1250), "STAND. KOMUNIKAT ALARMU TECHN.  ");
    EXPECT_EQ(lk.podajOpis(2)->size(), 32u);
    lk.ustalFunkcje(2);
    EXPECT_EQ(lk.podajKomunikat(), std::string(64, ' '));

    lk.ustalKomunikat(utf8NaStronaKodowa("Gaśnica", 1250));
    Bajty b;
    lk.zapiszBlok(b);
    ASSERT_EQ(b.size(), 68u);
    EXPECT_EQ(Bajty(b.begin(), b.begin() + 4), (Bajty{2, 1, 6, 2}));
    EXPECT_EQ(b[4 + 2], 0x98); // ś in code page 852
    b[3] = 0xFB;               // only the low four bits are the function
    BrxLk kopia(2, 7);
    ASSERT_EQ(kopia.odczytajBlok(b), 0);
    EXPECT_EQ(kopia.podajFunkcje(), 11);
    EXPECT_EQ(kopia.podajKomunikat(), lk.podajKomunikat());
    EXPECT_EQ(kopia.odczytajBlok(Bajty(b.begin(), b.begin() + 67)), 1);
}

TEST(BrxPar, TimesKeepWithinTheirLimits) {
    Srodowisko s(3);
    BrxPar& par = *s.c().brxPar[0];
    Bajty b;
    par.zapiszBlok(b);
    EXPECT_EQ(b, (Bajty{3, 0, 0, 5, 0, 5, 0, 5, 0, 10, 0, 0, 1, 0, 0, 0, 1, 0}));

    EXPECT_EQ(par.ustalMinuty(4, 5), 0); // the sealing delay goes up to 2 minutes
    EXPECT_EQ(par.podajMinuty(4), 2);
    EXPECT_EQ(par.podajSekundy(4), 0);
    EXPECT_EQ(par.ustalMinuty(4, 12), 1);
    EXPECT_EQ(par.podajMinuty(4), 2);

    EXPECT_EQ(par.ustalSekundy(1, 40), 0);
    EXPECT_EQ(par.ustalMinuty(1, 30), 0);
    EXPECT_EQ(par.podajSekundy(1), 0);
    EXPECT_EQ(par.ustalSekundy(1, 10), 2);
    EXPECT_EQ(par.ustalSekundy(2, 60), 1);
    EXPECT_EQ(par.ustalMinuty(8, 1), 1);

    // The panel's bytes are taken as they are.
    const Bajty obce{3, 0, 99, 99, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 7, 9, 11, 12};
    ASSERT_EQ(par.odczytajBlok(obce), 0);
    par.zapiszBlok(b);
    EXPECT_EQ(b, obce);
    EXPECT_EQ(par.odczytajBlok(Bajty{3, 1, 0, 5}), 1);
}

TEST(PakietyXml, OnlyDeclaredPackagesAreExported) {
    Srodowisko s(3);
    Centrala& c = s.c();
    std::string xml;
    for (std::uint8_t grupa : {4, 8, 16}) {
        c.brxPar[1]->zapiszXML(xml, grupa);
        c.brxPk[16]->zapiszXML(xml, grupa);
        c.brxLk[11]->zapiszXML(xml, grupa);
    }
    EXPECT_EQ(xml, "");

    c.brx->ustalZadeklarowany(2, true);
    c.brxLk[11 + 10]->ustalFunkcje(11);
    c.brxLk[11 + 10]->ustalKomunikat("A<B & C>D");
    c.brxPk[16]->ustalKontroleZadzialania(true);
    xml.clear();
    c.brxPk[16]->zapiszXML(xml, 16);
    EXPECT_EQ(xml, "<output><id>1000A302</id><hardware_type>1</hardware_type><function>1</function>"
                   "<control_of_operation>1</control_of_operation></output>");
    xml.clear();
    c.brxPk[16]->zapiszXML(xml, 8);
    c.brxLk[11 + 10]->zapiszXML(xml, 8);
    EXPECT_EQ(
        xml,
        "<input><id>B000A302</id><function>11</function><tech_alarm_message>A&lt;B &amp; C&gt;D" +
            std::string(55, ' ') + "</tech_alarm_message></input>");
    xml.clear();
    c.brxPar[1]->zapiszXML(xml, 4);
    EXPECT_EQ(
        xml,
        "<module><id>0000A302</id><activation_time_ev1>5</activation_time_ev1>"
        "<activation_time_ev2>5</activation_time_ev2><activation_time_ev3>5</activation_time_ev3>"
        "<activation_time_cev>60</activation_time_cev><delay_time_sealing>10</delay_time_sealing>"
        "<disablement_time_activ_reset>0</disablement_time_activ_reset>"
        "<delay_time_extinguishing>60</delay_time_extinguishing>"
        "<discharge_signalling>0</discharge_signalling>"
        "<function_extinguishing_disablement>0</function_extinguishing_disablement>"
        "<inputs><input><id>1000A302</id></input><input><id>3000A302</id></input>"
        "<input><id>5000A302</id></input><input><id>B000A302</id></input></inputs>"
        "<outputs><output><id>1000A302</id></output><output><id>4000A302</id></output>"
        "<output><id>5000A302</id></output><output><id>6000A302</id></output></outputs></module>");
}

} // namespace
