// The root's own operations and the panel models.
#include <gtest/gtest.h>

#include "core/plik.h"
#include "core/uruchomienie.h"
#include "core/zmiana_centrali.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/brx.h"
#include "elements/outputs/brx_lk.h"
#include "elements/outputs/brx_par.h"
#include "elements/outputs/brx_pk.h"
#include "lang/kodowanie.h"
#include "wspolne/otoczenie_testowe.h"
#include "wspolne/srodowisko.h"

namespace {

TEST(Centrala, IdentityReplySetsTheFirmwareVersion) {
    MerakSys c;
    EXPECT_EQ(c.podajWersjeOprogramowania(), 40);
    EXPECT_EQ(c.odczytajIdentyfikacje("PSC7800V3.7 2009"), 37);
    EXPECT_EQ(c.podajWersjeOprogramowania(), 37);
    // Anything off the pattern leaves the version as it was.
    for (const char* zla : {"", "PSC", "PSX7800V4.1", "PSC7800X4.1", "PSC7800V4,1", "PSC7800V4.",
                            "PSC7000V:.7", "PSC7000V4.x"})
        EXPECT_EQ(c.odczytajIdentyfikacje(zla), 0) << zla;
    EXPECT_EQ(c.podajWersjeOprogramowania(), 37);
}

TEST(Centrala, FileVersionStamp) {
    EXPECT_EQ(Centrala::odczytajWersjePliku(Centrala::podajWersjeProgramu().substr(0, 4)), 3);
    EXPECT_EQ(Centrala::podajWersjeProgramu(), "v3.1.30");
    EXPECT_EQ(Centrala::odczytajWersjePliku("v1.0"), 1);
    EXPECT_EQ(Centrala::odczytajWersjePliku("v5.9"), 5);
    EXPECT_EQ(Centrala::odczytajWersjePliku("v6.1"), 0);
    EXPECT_EQ(Centrala::odczytajWersjePliku("v0.1"), 0);
    EXPECT_EQ(Centrala::odczytajWersjePliku("3.1"), 0);
    EXPECT_EQ(Centrala::odczytajWersjePliku("v"), 0);
}

TEST(Centrala, XmlEscapesOnlyTheThreeSpecialCharacters) {
    EXPECT_EQ(Centrala::kodujXML("a<b & c>d \"q\" 'p'"), "a&lt;b &amp; c&gt;d \"q\" 'p'");
    EXPECT_EQ(Centrala::kodujXML(""), "");
    EXPECT_EQ(Centrala::kodujXML("\xA5\xB9"), "\xA5\xB9");
}

TEST(Centrala, RememberedTypeTakesOnlyModels) {
    MerakSys c;
    c.ustalTypZapamietany(7);
    EXPECT_EQ(c.podajTypZapamietany(), 0);
    c.ustalTypZapamietany(5);
    EXPECT_EQ(c.podajTypZapamietany(), 5);
    c.ustalTypZapamietany(0);
    EXPECT_EQ(c.podajTypZapamietany(), 5);
}

struct Model {
    int typ;
    const char* sygnatura;
    int formatRozszerzony;
    const char* nazwa; // UTF-8
};

TEST(Centrala, ModelsFixTypeSignatureAndName) {
    const Model modele[] = {{0, "MERAK7000", 0, ""},
                            {3, "MERAK7600", 1, "CENTRALA MERAK 7600"},
                            {4, "MERAK7800", 1, "CENTRALA MERAK 7800"},
                            {5, "MERAK7500", 1, "CENTRALA MERAK 7400"},
                            {6, "MERAK7200", 1, "CENTRALA MERAK 7200"}};
    Language j;
    for (const auto& m : modele) {
        auto c = utworzCentrale(m.typ);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->podajTypCentrali(), m.typ);
        EXPECT_EQ(c->podajSygnature(), m.sygnatura);
        EXPECT_TRUE(c->czyTaSygnatura(m.sygnatura));
        EXPECT_FALSE(c->czyTaSygnatura(std::string(m.sygnatura) + " "));
        EXPECT_EQ(c->podajFormatRozszerzony(), m.formatRozszerzony);
        EXPECT_EQ(c->podajWersjeOprogramowania(), 40);
        EXPECT_EQ(c->podajZmiany(), 0);
        EXPECT_EQ(naUtf8(c->podajNazweCentrali(), 1250), m.nazwa);
    }
    EXPECT_EQ(utworzCentrale(1), nullptr);
    EXPECT_EQ(utworzCentrale(7), nullptr);
}

class ZmianaCentrali : public ::testing::Test {
protected:
    ZmianaCentrali() {
        jezyk = &j;
        utworzCentralePoczatkowa();
    }
    ~ZmianaCentrali() override {
        usunCentrale();
        jezyk = nullptr;
    }
    Language j;
    OtoczenieTestowe o;
};

TEST_F(ZmianaCentrali, FromTheGenericRootNothingIsAsked) {
    zmienTypCentrali(3, o);
    EXPECT_TRUE(o.pytania.empty());
    EXPECT_EQ(biezacaCentrala->podajTypCentrali(), 3);
    EXPECT_EQ(biezacaCentrala->liczbaElementowSystemu, 4313);
    EXPECT_TRUE(biezacaCentrala->czyTablicaZbudowana());
    EXPECT_EQ(o.odswiezanie, 1);
    EXPECT_EQ(o.ponawianie, 0); // the retry timer stays stopped
    EXPECT_EQ(o.odswiezeniaOkna, 1);
}

TEST_F(ZmianaCentrali, TheConnectedPanelsFirmwareHoldsForItsModel) {
    biezacaCentrala->ustalTypWykryty(4);
    ASSERT_EQ(biezacaCentrala->odczytajIdentyfikacje("PSC7800V2.2"), 22);
    zmienTypCentrali(4, o);
    EXPECT_EQ(biezacaCentrala->podajTypWykryty(), 4);
    EXPECT_EQ(biezacaCentrala->podajWersjeOprogramowania(), 22);
    // Another model than the panel's starts with its own defaults.
    o.odpowiedzi = {true};
    zmienTypCentrali(3, o);
    EXPECT_EQ(biezacaCentrala->podajTypWykryty(), 0);
    EXPECT_EQ(biezacaCentrala->podajWersjeOprogramowania(), 40);
}

TEST_F(ZmianaCentrali, BetweenModelsTheUserConfirmsTheLoss) {
    zmienTypCentrali(4, o);
    biezacaCentrala->ustalZmiany(1);
    Centrala* stara = biezacaCentrala;

    zmienTypCentrali(6, o); // answered No
    ASSERT_EQ(o.pytania.size(), 1u);
    EXPECT_EQ(naUtf8(o.pytania[0], 1250),
              "Uwaga! Przy zmianie typu centrali wszystkie dane zostaną utracone! ");
    EXPECT_EQ(biezacaCentrala, stara);
    EXPECT_EQ(biezacaCentrala->podajZmiany(), 1);

    o.odpowiedzi = {true};
    zmienTypCentrali(6, o);
    EXPECT_EQ(biezacaCentrala->podajTypCentrali(), 6);
    EXPECT_EQ(biezacaCentrala->liczbaElementowSystemu, 1145);
    EXPECT_EQ(biezacaCentrala->liczbaBrx, 0);
    EXPECT_EQ(biezacaCentrala->maksNrCentrali, 4);
    EXPECT_EQ(biezacaCentrala->podajZmiany(), 0);
}

TEST_F(ZmianaCentrali, SameTypeOrUnknownTypeRebuildsNothing) {
    zmienTypCentrali(4, o);
    Centrala* c = biezacaCentrala;
    zmienTypCentrali(4, o);
    EXPECT_TRUE(o.pytania.empty());
    EXPECT_EQ(biezacaCentrala, c);

    o.odpowiedzi = {true};
    zmienTypCentrali(9, o);
    EXPECT_EQ(biezacaCentrala, c);
    EXPECT_EQ(biezacaCentrala->podajTypCentrali(), 4);
    EXPECT_EQ(o.odswiezeniaOkna, 3);
}

TEST_F(ZmianaCentrali, ExtensionPackagesTravelOnlyWithThe7600) {
    zmienTypCentrali(3, o);
    EXPECT_EQ(Brx::flagi.przesylanie, 1);
    EXPECT_EQ(BrxPk::flagi.drukowanie, 0);
    o.odpowiedzi = {true};
    zmienTypCentrali(4, o);
    EXPECT_EQ(Brx::flagi.przesylanie, 0);
    EXPECT_EQ(BrxLk::flagi.przesylanie, 0);
    EXPECT_EQ(BrxPar::flagi.przesylanie, 0);
}

} // namespace

namespace {

TEST(Uruchomienie, StartsWithTheGenericRootAndPolish) {
    OtoczenieTestowe o;
    uruchom(o);
    ASSERT_NE(biezacaCentrala, nullptr);
    EXPECT_EQ(biezacaCentrala->podajTypCentrali(), 0);
    EXPECT_TRUE(biezacaCentrala->czyTablicaZbudowana());
    EXPECT_EQ(biezacaCentrala->liczbaElementowSystemu, 3749);
    EXPECT_EQ(jezyk->podajJezyk(), "polish");
    EXPECT_FALSE(plik->podajKatalogProgramu().empty());
    EXPECT_EQ(jezyk->podajKatalogProgramu(), plik->podajKatalogProgramu());
    zakoncz();
    EXPECT_EQ(biezacaCentrala, nullptr);
    EXPECT_EQ(jezyk, nullptr);
    EXPECT_EQ(plik, nullptr);
}

TEST(UsuwanieTablicyDeathTest, ReleasingAMissingObjectStops) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            MerakSys c;
            c.ustawRozmiary();
            c.budujTabliceElementow();
            c.usunTabliceElementow();
            c.stos = nullptr;
            c.blc = new Blc(0);
            c.usunTabliceElementow(); // the line elements are gone already
        },
        "x\\[i\\] != NULL, file CLASSES.centrala");
}

} // namespace
