// The language object against a real language library built from angielski_test.rc.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/centrala.h"
#include "core/element_systemu.h"
#include "core/globalne.h"
#include "core/modele.h"
#include "elements/lines/strefa.h"
#include "lang/formatowanie.h"
#include "lang/kodowanie.h"
#include "lang/language.h"
#include "wspolne/katalog_testu.h"
#include "wspolne/otoczenie_testowe.h"

namespace fs = std::filesystem;

namespace {

// A program folder holding the test library under the names the tests need.
class KatalogZBiblioteka : public ::testing::Test {
protected:
    KatalogZBiblioteka() {
        katalog = nowyKatalogTestu("panelcfg-lang");
        for (const char* nazwa : {"English_Lang.dll", "russian_Lang.dll", "hungary_Lang.dll"})
            fs::copy_file(ANGIELSKI_DLL, katalog / nazwa, fs::copy_options::overwrite_existing);
        j.ustalKatalogProgramu(katalog.string());
        j.ustalOtoczenie(&o);
        jezyk = &j;
    }
    ~KatalogZBiblioteka() override {
        jezyk = nullptr;
        fs::remove_all(katalog);
    }
    std::string utf8(const std::string& s) const { return naUtf8(s, j.podajStroneKodowa()); }

    fs::path katalog;
    OtoczenieTestowe o;
    Language j;
};

TEST_F(KatalogZBiblioteka, PolishNeedsNoLibrary) {
    EXPECT_TRUE(j.czyPolski());
    EXPECT_TRUE(j.czyGotowy());
    EXPECT_FALSE(j.czyBibliotekaZaladowana());
    EXPECT_EQ(j.podajZestawZnakow(), 238);
    EXPECT_EQ(utf8(j.podajTekst(366)), "CENTRALA MERAK 7800");
    // A caption the table lacks keeps its designed text; without a default it is empty.
    EXPECT_EQ(j.podajTekst(4002, "Designed"), "Designed");
    EXPECT_EQ(j.podajTekst(4002), "");
}

TEST_F(KatalogZBiblioteka, LibraryTextsComeFirstThenTheFallbacks) {
    j.ustawJezyk("english"); // found as English_Lang.dll: names ignore letter case
    ASSERT_EQ(j.podajJezyk(), "english");
    ASSERT_TRUE(j.czyBibliotekaZaladowana());
    EXPECT_EQ(j.podajTekst(366), "MERAK 7800 PANEL");
    EXPECT_EQ(j.podajTekst(38001, "Wybór"), "Panel choice");
    // Missing from the library: a caption keeps its own text, a message falls back to Polish.
    EXPECT_EQ(j.podajTekst(370, "Caption"), "Caption");
    EXPECT_EQ(utf8(j.podajTekst(370)), "CENTRALA MERAK 7200");
    EXPECT_EQ(j.podajTekst(4002, "Caption"), "Caption");
    // Library texts arrive in the language's code page.
    EXPECT_EQ(utf8(j.podajTekst(17)), "Zażółć gęślą jaźń");
    EXPECT_TRUE(j.czyLacinski());
    EXPECT_EQ(j.podajZestawZnakow(), 238);
}

TEST_F(KatalogZBiblioteka, CyrillicLanguageUsesItsCodePage) {
    j.ustawJezyk("russian");
    ASSERT_TRUE(j.czyBibliotekaZaladowana());
    EXPECT_TRUE(j.czyCyrylica());
    EXPECT_EQ(j.podajZestawZnakow(), 204);
    EXPECT_EQ(j.podajTekst(16), "\xCF\xEE\xE6\xE0\xF0"); // Windows-1251
    EXPECT_EQ(utf8(j.podajTekst(16)), "Пожар");
    EXPECT_FALSE(j.czyKodowanie852());
}

TEST_F(KatalogZBiblioteka, NameFromAMenuItemIsNotTheLatinLanguage) {
    j.ustawJezyk("English");
    ASSERT_TRUE(j.czyBibliotekaZaladowana());
    EXPECT_FALSE(j.czyLacinski());
    EXPECT_EQ(j.podajZestawZnakow(), 1);
    EXPECT_FALSE(j.czyKodowanie852());
    EXPECT_EQ(ElementSystemu::kodujTekst("\xA5"), "\xA5"); // Ą stays as it is
}

TEST_F(KatalogZBiblioteka, MissingLibraryKeepsThePreviousLanguage) {
    j.ustawJezyk("spanish");
    EXPECT_EQ(j.podajJezyk(), "polish");
    ASSERT_EQ(o.bledy.size(), 1u);
    EXPECT_EQ(o.bledy[0], "Could not find " + (katalog / "spanish_Lang.dll").string() + " !!!");

    j.ustawJezyk("english");
    j.ustawJezyk("spanish"); // the previous library is not reloaded: Polish texts until then
    EXPECT_EQ(j.podajJezyk(), "english");
    EXPECT_FALSE(j.czyBibliotekaZaladowana());
    EXPECT_EQ(utf8(j.podajTekst(366)), "CENTRALA MERAK 7800");
    EXPECT_TRUE(j.czyGotowy()); // reloads it
    EXPECT_EQ(j.podajTekst(366), "MERAK 7800 PANEL");
}

TEST_F(KatalogZBiblioteka, CorruptLibraryIsReportedAndNothingIsLoaded) {
    const fs::path zly = katalog / "portugal_Lang.dll";
    const auto rozmiar = fs::file_size(ANGIELSKI_DLL);
    fs::copy_file(ANGIELSKI_DLL, zly);
    fs::resize_file(zly, rozmiar / 3);
    j.ustawJezyk("portugal");
    EXPECT_EQ(j.podajJezyk(), "polish");
    ASSERT_EQ(o.komunikaty.size(), 1u);
    EXPECT_EQ(o.komunikaty[0], "Error opening the " + zly.string() + "!");
}

TEST_F(KatalogZBiblioteka, TemplateWithOtherConversionsIsNotTrusted) {
    j.ustawJezyk("english");
    EXPECT_EQ(formatujTekst(393, 3, 12), "Zones:   3  -  12");
    // The library's text 394 has %s where the program passes a number.
    EXPECT_EQ(utf8(formatujTekst(394, 7)), "Strefa:   7       ");
}

class ZmianaJezyka : public KatalogZBiblioteka {
protected:
    ZmianaJezyka() {
        biezacaCentrala = utworzCentrale(4).release();
        biezacaCentrala->ustawRozmiary();
        biezacaCentrala->budujTabliceElementow();
    }
    ~ZmianaJezyka() override {
        delete biezacaCentrala;
        biezacaCentrala = nullptr;
    }
};

TEST_F(ZmianaJezyka, AnsweringNoKeepsLanguageAndConfiguration) {
    ElementSystemu* przed = biezacaCentrala->tablicaElementow[0];
    j.zmienJezyk("english");
    ASSERT_EQ(o.pytania.size(), 1u);
    EXPECT_EQ(utf8(o.pytania[0]), "Uwaga! Przy zmianie języka wszystkie dane zostaną utracone!!! ");
    EXPECT_EQ(j.podajJezyk(), "polish");
    EXPECT_EQ(biezacaCentrala->tablicaElementow[0], przed);
    EXPECT_EQ(o.odswiezanie, 1);
    EXPECT_EQ(o.ponawianie, 1);
}

TEST_F(ZmianaJezyka, AnsweringYesRebuildsTheTableInTheNewLanguage) {
    o.odpowiedzi = {true};
    j.zmienJezyk("english");
    EXPECT_EQ(j.podajJezyk(), "english");
    EXPECT_TRUE(biezacaCentrala->czyTablicaZbudowana());
    EXPECT_EQ(biezacaCentrala->liczbaElementowSystemu, 4837);
    EXPECT_EQ(biezacaCentrala->strefy[4]->podajNazwe(), "Zone no 5");
    EXPECT_EQ(o.odswiezeniaOkna, 1);
    EXPECT_EQ(o.ponawianie, 1);
}

TEST_F(ZmianaJezyka, SameLanguageAsksNothing) {
    j.zmienJezyk("polish");
    EXPECT_TRUE(o.pytania.empty());
    EXPECT_EQ(o.odswiezeniaOkna, 1);
}

TEST_F(ZmianaJezyka, FromTheMenuAMissingLibraryKeepsTheNewName) {
    o.odpowiedzi = {true};
    j.zmienJezyk("spanish");
    EXPECT_EQ(j.podajJezyk(), "spanish");
    EXPECT_EQ(o.bledy.size(), 1u);
    EXPECT_TRUE(biezacaCentrala->czyTablicaZbudowana());
}

} // namespace
