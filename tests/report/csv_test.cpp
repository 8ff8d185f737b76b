// CSV exports read back by an independent CSV reader (python3's csv module).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "lang/kodowanie.h"
#include "report/csv.h"
#include "report/zrodla_przypisan.h"
#include "wspolne/konfiguracja_pelna.h"
#include "wspolne/srodowisko.h"

namespace {

using Wiersze = std::vector<std::vector<std::string>>;

// Parses `csv` with python3's csv module; each field comes back as hex of its UTF-8 bytes.
std::optional<Wiersze> czytajCsv(const std::string& csv) {
    if (std::system("python3 -c 'import csv' >/dev/null 2>&1") != 0) return std::nullopt;
    // Builds of several worktrees may run this test at once: the folder name must not repeat.
    const auto katalog = std::filesystem::temp_directory_path() /
                         ("panelcfg-csv-" + std::to_string(std::random_device{}()) + "-" +
                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(katalog);
    const auto we = katalog / "we.csv", wy = katalog / "wy.txt";
    std::ofstream(we, std::ios::binary) << csv;
    const std::string polecenie =
        "python3 -c 'import csv,sys\n"
        "with open(sys.argv[1], newline=\"\", encoding=\"utf-8\", errors=\"strict\") as f, "
        "open(sys.argv[2], \"w\") as o:\n"
        "    for r in csv.reader(f, strict=True):\n"
        "        o.write(\" \".join(p.encode(\"utf-8\").hex() or \"-\" for p in r) + \"\\n\")\n' " +
        we.string() + " " + wy.string();
    const int wynik = std::system(polecenie.c_str());
    Wiersze wiersze;
    std::ifstream plikWy(wy);
    for (std::string linia; std::getline(plikWy, linia);) {
        std::vector<std::string> pola;
        std::istringstream s(linia);
        for (std::string hex; s >> hex;) {
            std::string pole;
            for (std::size_t i = 0; hex != "-" && i + 1 < hex.size(); i += 2)
                pole += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
            pola.push_back(pole);
        }
        wiersze.push_back(pola);
    }
    std::filesystem::remove_all(katalog);
    if (wynik != 0) ADD_FAILURE() << "python3 csv reader failed";
    return wiersze;
}

std::string przytnij(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

TEST(Csv, FieldsAreQuotedOnlyWhereNeeded) {
    EXPECT_EQ(poleCsv("abc"), "abc");
    EXPECT_EQ(poleCsv("a,b"), "\"a,b\"");
    EXPECT_EQ(poleCsv("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(poleCsv("a\nb"), "\"a\nb\"");
}

TEST(Csv, DevicesAndZonesReadBackWithTheirValues) {
    Srodowisko s(6);
    Centrala& c = s.c();
    wypelnijKonfiguracje(c);
    // A message that needs quoting, in Polish letters, on the zone of the first detector.
    Element& czujka = *c.elementyLinii[8];
    ASSERT_TRUE(czujka.podajTyp().czyWStrefie());
    const int strefa = czujka.podajTyp().podajNumer();
    c.strefy[static_cast<std::size_t>(strefa - 1)]->ustalKomunikat(
        utf8NaStronaKodowa("Hala \"Żuraw\", Łódź"
                           "              Piętro 2",
                           1250));
    c.elementyLinii[20]->ustalTypZKodu(0); // undeclared: no row

    const auto elementy = czytajCsv(csvElementow(c));
    if (!elementy) GTEST_SKIP() << "python3 is missing";
    ASSERT_GE(elementy->size(), 2u);
    EXPECT_EQ((*elementy)[0][5], "Strefa lub numer logiczny");
    int zadeklarowane = 0;
    for (int i = 0; i < c.liczbaElementowLinii; ++i)
        zadeklarowane += c.elementyLinii[static_cast<std::size_t>(i)]->podajTyp().podajKod() != 0;
    EXPECT_EQ(static_cast<int>(elementy->size()), zadeklarowane + 1);
    // Rows follow the table: element 8 is the ninth declared one.
    const auto& w = (*elementy)[9];
    ASSERT_EQ(w.size(), 11u);
    std::string nazwa;
    czujka.podajTyp().podajNazweTypu(nazwa);
    EXPECT_EQ(w[0], std::to_string(czujka.podajLinie()));
    EXPECT_EQ(w[1], std::to_string(czujka.podajAdres()));
    EXPECT_EQ(w[2], naUtf8(nazwa, 1250));
    EXPECT_EQ(w[3], std::to_string(czujka.podajTyp().podajKod()));
    EXPECT_EQ(w[4], czujka.nrFabrycznyTekst());
    EXPECT_EQ(w[5], std::to_string(strefa));
    EXPECT_EQ(w[9], "Hala \"Żuraw\", Łódź");
    EXPECT_EQ(w[10], "Piętro 2");
    // A device has no zone messages.
    EXPECT_EQ((*elementy)[1][3], "64");
    EXPECT_EQ((*elementy)[1][9], "");

    const auto strefy = czytajCsv(csvStref(c));
    ASSERT_TRUE(strefy);
    ASSERT_EQ(static_cast<int>(strefy->size()), c.liczbaStref + 1);
    EXPECT_EQ((*strefy)[0][3], "Punkty detekcji");
    CentralaNaCzas naCzas(c);
    for (int n : {1, strefa, c.liczbaStref}) {
        const Strefa& z = *c.strefy[static_cast<std::size_t>(n - 1)];
        const auto& r = (*strefy)[static_cast<std::size_t>(n)];
        ASSERT_EQ(r.size(), 6u);
        std::string opis;
        z.opisWariantu(opis);
        EXPECT_EQ(r[0], std::to_string(n));
        EXPECT_EQ(r[1], std::to_string(z.podajWariant()));
        EXPECT_EQ(r[2], naUtf8(opis, 1250));
        EXPECT_EQ(r[3], std::to_string(z.liczbaElementow()));
        EXPECT_EQ(r[4], naUtf8(przytnij(*z.podajOpis(1)), 1250));
        EXPECT_EQ(r[5], naUtf8(przytnij(*z.podajOpis(2)), 1250));
    }
    EXPECT_EQ((*strefy)[static_cast<std::size_t>(strefa)][4], "Hala \"Żuraw\", Łódź");
    EXPECT_NE((*strefy)[1][4].find("Łódź"), std::string::npos);
}

} // namespace
