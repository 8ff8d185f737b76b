// The English language library as built (English_Lang.dll), checked against the program's own
// Polish table: the same numbers, texts the program can fill and print in the same way, and
// characters the language's code page holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "lang/formatowanie.h"
#include "lang/kodowanie.h"
#include "lang/teksty_polskie.h"
#include "platform/biblioteka_tekstow.h"

namespace {

constexpr int kStronaKodowa = 1250; // the code page of the language "english"

// Set by lang/biblioteka_angielska.cmake, which builds the library; a tree that does not include
// that file yet has no library to check.
#ifdef ENGLISH_LANG_DLL
constexpr const char* kSciezka = ENGLISH_LANG_DLL;
#else
constexpr const char* kSciezka = nullptr;
#endif

// Every conversion of a template in full ("%-41s", "%.2d"), in order; "%%" is no conversion. A
// percent sign followed by anything else keeps that character, so "(18%)" gives "%)".
std::vector<std::string> pelneKonwersje(std::string_view szablon) {
    std::vector<std::string> wynik;
    for (std::size_t i = 0; i < szablon.size(); ++i) {
        if (szablon[i] != '%') continue;
        if (i + 1 < szablon.size() && szablon[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < szablon.size() &&
               std::string_view("-+ #0123456789.").find(szablon[j]) != std::string_view::npos)
            ++j;
        wynik.emplace_back(szablon.substr(i, j + 1 - i));
        i = j;
    }
    return wynik;
}

std::vector<std::string> linie(const std::string& tekst) {
    std::vector<std::string> wynik(1);
    for (char c : tekst) {
        if (c == '\n')
            wynik.emplace_back();
        else
            wynik.back() += c;
    }
    return wynik;
}

std::vector<std::size_t> pozycjeKresek(const std::string& linia) {
    std::vector<std::size_t> wynik;
    for (std::size_t i = 0; i < linia.size(); ++i)
        if (linia[i] == '|') wynik.push_back(i);
    return wynik;
}

// The width of a message default once its numbers are filled in with one digit each: a message
// field of the panel is 32 or 64 characters.
std::size_t szerokoscPoWypelnieniu(const std::string& szablon) {
    std::size_t szerokosc = szablon.size();
    for (const auto& k : pelneKonwersje(szablon)) {
        std::size_t pole = 0;
        for (char c : k)
            if (c >= '0' && c <= '9') pole = pole * 10 + static_cast<std::size_t>(c - '0');
        szerokosc = szerokosc - k.size() + std::max<std::size_t>(pole, 1);
    }
    return szerokosc;
}

class BibliotekaAngielska : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (kSciezka != nullptr) biblioteka = platform::BibliotekaTekstow::otworz(kSciezka, &powod);
    }
    static void TearDownTestSuite() { biblioteka.reset(); }

    void SetUp() override {
        if (kSciezka == nullptr)
            GTEST_SKIP() << "English_Lang.dll is not built: the top-level CMakeLists.txt does not "
                            "include lang/biblioteka_angielska.cmake";
        ASSERT_TRUE(biblioteka.has_value()) << kSciezka << ": " << powod;
    }

    // Both texts of every number the two tables share, in Windows-1250 (one byte a character, so
    // lengths and positions count characters).
    struct Para {
        int numer;
        std::string polski;
        std::string angielski;
    };
    static std::vector<Para> pary() {
        std::vector<Para> wynik;
        for (const auto& t : tekstyWbudowane()) {
            const auto angielski = biblioteka->tekst(static_cast<unsigned>(t.numer));
            if (!angielski) continue;
            wynik.push_back({t.numer, utf8NaStronaKodowa(t.tekst, kStronaKodowa),
                             utf16NaStronaKodowa(*angielski, kStronaKodowa)});
        }
        return wynik;
    }

    static std::optional<platform::BibliotekaTekstow> biblioteka;
    static std::string powod; // why the library could not be read
};

std::optional<platform::BibliotekaTekstow> BibliotekaAngielska::biblioteka;
std::string BibliotekaAngielska::powod;

TEST_F(BibliotekaAngielska, HoldsExactlyTheNumbersOfTheBuiltInTable) {
    std::set<unsigned> wbudowane;
    for (const auto& t : tekstyWbudowane()) wbudowane.insert(static_cast<unsigned>(t.numer));
    const auto numery = biblioteka->numery();
    const std::set<unsigned> angielskie(numery.begin(), numery.end());

    std::string brakujace, zbedne;
    for (unsigned n : wbudowane)
        if (!angielskie.count(n)) brakujace += " " + std::to_string(n);
    for (unsigned n : angielskie)
        if (!wbudowane.count(n)) zbedne += " " + std::to_string(n);
    EXPECT_EQ(brakujace, "") << "missing from the English library";
    EXPECT_EQ(zbedne, "") << "not in the built-in table";
}

// A template whose conversions differ would be refused in favour of the Polish one, or worse,
// fill a field of another width.
TEST_F(BibliotekaAngielska, KeepsEveryConversionInOrder) {
    for (const auto& p : pary()) {
        EXPECT_EQ(konwersjeSzablonu(p.angielski), konwersjeSzablonu(p.polski)) << p.numer;
        EXPECT_EQ(pelneKonwersje(p.angielski), pelneKonwersje(p.polski)) << p.numer;
    }
}

// Line feeds split messages and printout rows; an accelerator is one '&' per caption.
TEST_F(BibliotekaAngielska, KeepsLineFeedsAndAccelerators) {
    for (const auto& p : pary()) {
        EXPECT_EQ(linie(p.angielski).size(), linie(p.polski).size()) << p.numer;
        EXPECT_EQ(std::count(p.angielski.begin(), p.angielski.end(), '&'),
                  std::count(p.polski.begin(), p.polski.end(), '&'))
            << p.numer;
    }
}

TEST_F(BibliotekaAngielska, PrintoutTemplatesKeepTheirColumns) {
    int szablony = 0;
    for (const auto& p : pary()) {
        if (p.polski.find('|') == std::string::npos) continue;
        ++szablony;
        const auto pl = linie(p.polski);
        const auto en = linie(p.angielski);
        ASSERT_EQ(en.size(), pl.size()) << p.numer;
        for (std::size_t i = 0; i < pl.size(); ++i) {
            EXPECT_EQ(en[i].size(), pl[i].size()) << p.numer << " line " << i << ": " << en[i];
            EXPECT_EQ(pozycjeKresek(en[i]), pozycjeKresek(pl[i]))
                << p.numer << " line " << i << ": " << en[i];
        }
    }
    EXPECT_GT(szablony, 20); // the headers and row templates were really compared
}

TEST_F(BibliotekaAngielska, FixedWidthMessagesKeepTheirLength) {
    std::vector<int> sprawdzone;
    for (const auto& p : pary()) {
        if (p.polski.empty() || p.polski.back() != ' ' || p.polski.find('|') != std::string::npos)
            continue;
        const std::size_t szerokosc = szerokoscPoWypelnieniu(p.polski);
        if (szerokosc != 32 && szerokosc != 64) continue;
        sprawdzone.push_back(p.numer);
        EXPECT_EQ(p.angielski.size(), p.polski.size()) << p.numer << ": \"" << p.angielski << '"';
    }
    // The panel's default messages of a control line (162) and of a module (429) are among them.
    EXPECT_NE(std::find(sprawdzone.begin(), sprawdzone.end(), 162), sprawdzone.end());
    EXPECT_NE(std::find(sprawdzone.begin(), sprawdzone.end(), 429), sprawdzone.end());
}

TEST_F(BibliotekaAngielska, EveryCharacterFitsWindows1250) {
    for (unsigned n : biblioteka->numery()) {
        const auto tekst = biblioteka->tekst(n);
        ASSERT_TRUE(tekst.has_value()) << n;
        for (char16_t c : *tekst) {
            const bool zastepczy = c >= 0xD800 && c <= 0xDFFF; // half of a pair: never in 1250
            EXPECT_TRUE(!zastepczy && czyZnakWStronieKodowej(c, kStronaKodowa))
                << n << ": U+" << std::hex << static_cast<unsigned>(c);
        }
    }
}

// The printout starts a new table where the first five characters of two element names differ,
// so every printed kind's name must reach five characters before its number and differ from the
// others there.
TEST_F(BibliotekaAngielska, ElementNamesStillSeparateThePrintoutTables) {
    const int nazwy[] = {316, 317, 318, 319, 324, 326, 327, 328, 329, 377, 424, 469, 502};
    std::map<std::string, int> poczatki;
    for (int n : nazwy) {
        const auto tekst = biblioteka->tekst(static_cast<unsigned>(n));
        ASSERT_TRUE(tekst.has_value()) << n;
        const std::string nazwa = utf16NaStronaKodowa(*tekst, kStronaKodowa);
        ASSERT_GE(nazwa.size(), 5u) << n << ": " << nazwa;
        const auto [it, nowy] = poczatki.emplace(nazwa.substr(0, 5), n);
        EXPECT_TRUE(nowy) << n << " and " << it->second << " both begin \"" << it->first << '"';
    }
}

} // namespace
