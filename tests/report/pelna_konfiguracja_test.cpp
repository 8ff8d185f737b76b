// A configuration with every kind in use, through the file, the XML export and the printout, in
// Polish and in English.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/plik_konfiguracji.h"
#include "katalog_testowy.h"
#include "report/eksport_xml.h"
#include "report/flagi_wydruku.h"
#include "report/wydruk.h"
#include "wspolne/konfiguracja_pelna.h"
#include "wspolne/otoczenie_testowe.h"
#include "wspolne/srodowisko.h"

namespace {

class PelnaKonfiguracja : public ::testing::TestWithParam<int> {};

TEST_P(PelnaKonfiguracja, SaveLoadSaveGivesTheSameFileAndTheXmlIsWellFormed) {
    KatalogTestowy k;
    std::string pierwszy;
    {
        Srodowisko s(GetParam());
        wypelnijKonfiguracje(s.c());
        OtoczenieTestowe o;
        ASSERT_EQ(zapiszKonfiguracje(k.plik("a.ctr"), o), WynikPliku::ok);
        pierwszy = czytajPlik(k.plik("a.ctr"));
        ASSERT_EQ(eksportujXML(k.plik("a.xml")), WynikZapisu::ok);
    }
    Srodowisko s(GetParam());
    OtoczenieTestowe o;
    ASSERT_EQ(odczytajKonfiguracje(k.plik("a.ctr"), o), WynikPliku::ok);
    for (const auto& b : o.bledyDanych)
        ADD_FAILURE() << "refused: " << b.nazwa << " field " << b.kod;
    ASSERT_EQ(zapiszKonfiguracje(k.plik("b.ctr"), o), WynikPliku::ok);
    EXPECT_TRUE(czytajPlik(k.plik("b.ctr")) == pierwszy)
        << "every address is declared: nothing may differ";
    ASSERT_EQ(eksportujXML(k.plik("b.xml")), WynikZapisu::ok);
    const std::string xa = czytajPlik(k.plik("a.xml")), xb = czytajPlik(k.plik("b.xml"));
    const auto roznica = std::mismatch(xa.begin(), xa.end(), xb.begin(), xb.end());
    EXPECT_TRUE(xa == xb)
        << "first difference at " << (roznica.first - xa.begin()) << ": "
        << std::string(roznica.first, xa.begin() + std::min<std::size_t>(
                                                       xa.size(), roznica.first - xa.begin() + 200))
        << "\n vs "
        << std::string(roznica.second,
                       xb.begin() +
                           std::min<std::size_t>(xb.size(), roznica.second - xb.begin() + 200));
    if (std::system("xmllint --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "xmllint is not installed";
    EXPECT_EQ(std::system(("xmllint --noout '" + k.plik("a.xml") + "'").c_str()), 0);
}

INSTANTIATE_TEST_SUITE_P(Modele, PelnaKonfiguracja, ::testing::Values(0, 3, 4, 5, 6));

// Each table of the report: every line as wide as the table's first line.
void sprawdzSzerokosci(const std::string& raport) {
    std::size_t szerokosc = 0;
    int tabel = 0;
    for (const auto& linia : linieRaportu(raport)) {
        if (linia.empty()) {
            szerokosc = 0;
            continue;
        }
        if (szerokosc == 0) {
            szerokosc = linia.size();
            ++tabel;
        }
        EXPECT_EQ(linia.size(), szerokosc) << "[" << linia << "]";
    }
    EXPECT_GE(tabel, 8);
}

TEST(PelnaKonfiguracjaJezyki, PrintoutLinesUpInPolishAndInEnglish) {
    KatalogTestowy k;
    Srodowisko s(4);
    wypelnijKonfiguracje(s.c());
    WyborWydruku w;
    w.zaznaczWszystkie(true);
    ustalFlagiDrukowania(w);
    const auto polski = zlozRaport(s.c());
    ASSERT_TRUE(polski);
    sprawdzSzerokosci(*polski);

    k.ustawJezyk(s.j, "english");
    const auto angielski = zlozRaport(s.c());
    ASSERT_TRUE(angielski);
    sprawdzSzerokosci(*angielski);
    EXPECT_NE(*angielski, *polski);
    EXPECT_EQ(linieRaportu(*angielski).size(), linieRaportu(*polski).size());
    WyborWydruku nic;
    ustalFlagiDrukowania(nic);
}

TEST(PelnaKonfiguracjaJezyki, XmlOfOneFileIsTheSameInPolishAndInEnglish) {
    KatalogTestowy k;
    {
        Srodowisko s(3);
        wypelnijKonfiguracje(s.c());
        OtoczenieTestowe o;
        ASSERT_EQ(zapiszKonfiguracje(k.plik("a.ctr"), o), WynikPliku::ok);
    }
    std::string dokumenty[2];
    for (int i = 0; i < 2; ++i) {
        Srodowisko s(3);
        if (i == 1) k.ustawJezyk(s.j, "english");
        OtoczenieTestowe o;
        ASSERT_EQ(odczytajKonfiguracje(k.plik("a.ctr"), o), WynikPliku::ok);
        ASSERT_EQ(eksportujXML(k.plik("x.xml")), WynikZapisu::ok);
        dokumenty[i] = czytajPlik(k.plik("x.xml"));
    }
    EXPECT_GT(dokumenty[0].size(), 10000u);
    EXPECT_NE(dokumenty[0].find("Hala Łódź &amp; &lt;strefa&gt; 1"), std::string::npos);
    EXPECT_TRUE(dokumenty[0] == dokumenty[1]);
}

} // namespace
