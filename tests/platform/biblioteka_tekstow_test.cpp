#include "platform/biblioteka_tekstow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include <unistd.h>

namespace {

using platform::BibliotekaTekstow;
namespace fs = std::filesystem;

// Libraries built from test_lang.rc; the 64-bit one only where its toolchain is installed.
std::vector<std::string> biblioteki() {
    std::vector<std::string> w{TEST_LANG_DLL};
#ifdef TEST_LANG64_DLL
    w.push_back(TEST_LANG64_DLL);
#endif
    return w;
}

std::vector<std::uint8_t> wczytaj(const std::string& sciezka) {
    std::ifstream f(sciezka, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Text 38006 of test_lang.rc: "0001 0002 ... 0220 ", 1100 characters, none repeating a period
// so a cut in the wrong place shows.
std::u16string dlugiTekst() {
    std::u16string w;
    for (int i = 1; i <= 220; ++i) {
        char kawalek[8];
        std::snprintf(kawalek, sizeof kawalek, "%04d ", i);
        for (const char* p = kawalek; *p; ++p) w.push_back(static_cast<char16_t>(*p));
    }
    return w;
}

// Where things are in a built library, so a test can damage one precise field.
struct Obraz {
    std::vector<std::uint8_t> b;

    std::uint32_t u32(std::size_t od) const {
        return b.at(od) | b.at(od + 1) << 8 | b.at(od + 2) << 16 |
               std::uint32_t{b.at(od + 3)} << 24;
    }
    std::uint16_t u16(std::size_t od) const {
        return static_cast<std::uint16_t>(b.at(od) | b.at(od + 1) << 8);
    }
    void zapisz32(std::size_t od, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b.at(od + i) = static_cast<std::uint8_t>(v >> (8 * i));
    }
    void zapisz16(std::size_t od, std::uint16_t v) {
        b.at(od) = static_cast<std::uint8_t>(v);
        b.at(od + 1) = static_cast<std::uint8_t>(v >> 8);
    }

    std::size_t pe() const { return u32(0x3c); }
    std::size_t opt() const { return pe() + 24; }
    std::uint16_t magic() const { return u16(opt()); }
    // Resource entry of the data directories.
    std::size_t katalogZasobow() const { return opt() + (magic() == 0x20b ? 128 : 112); }
    std::size_t sekcja(int i) const { return opt() + u16(pe() + 20) + 40 * i; }
    // windres puts the whole tree in .rsrc, the only section holding the resource root.
    std::size_t sekcjaZasobow() const {
        const std::uint32_t rva = u32(katalogZasobow());
        for (int i = 0; i < u16(pe() + 6); ++i) {
            const std::uint32_t va = u32(sekcja(i) + 12);
            if (rva >= va && rva < va + u32(sekcja(i) + 16)) return sekcja(i);
        }
        ADD_FAILURE() << "no section holds the resources";
        return 0;
    }
    std::size_t korzen() const {
        const std::size_t s = sekcjaZasobow();
        return u32(s + 20) + u32(katalogZasobow()) - u32(s + 12);
    }
    // File offset of the target field of entry `i` of the table at `tabela` (counted from root).
    std::size_t cel(std::size_t tabela, unsigned i) const {
        return korzen() + tabela + 16 + 8 * i + 4;
    }
    std::size_t podtabela(std::size_t pole) const { return u32(pole) & 0x7fffffff; }
    // Path to the first string block: type table entry 0 (RT_STRING, the only type), block 0,
    // language 0.
    std::size_t tabelaBlokow() const { return podtabela(cel(0, 0)); }
    std::size_t tabelaJezykow() const { return podtabela(cel(tabelaBlokow(), 0)); }
    std::size_t wpisDanych() const { return korzen() + u32(cel(tabelaJezykow(), 0)); }
    std::size_t daneBloku() const {
        const std::size_t s = sekcjaZasobow();
        return u32(s + 20) + u32(wpisDanych()) - u32(s + 12);
    }
    // File offset of the first unit of a text in the block data.
    std::size_t polozenie(const std::u16string& t) const {
        std::vector<std::uint8_t> szukane;
        for (char16_t z : t) {
            szukane.push_back(static_cast<std::uint8_t>(z));
            szukane.push_back(static_cast<std::uint8_t>(z >> 8));
        }
        const auto it = std::search(b.begin(), b.end(), szukane.begin(), szukane.end());
        EXPECT_NE(it, b.end());
        return static_cast<std::size_t>(it - b.begin());
    }
};

class CzytanieBiblioteki : public ::testing::TestWithParam<std::string> {};

TEST_P(CzytanieBiblioteki, GivesBackEveryTextExactly) {
    std::string powod;
    const auto b = BibliotekaTekstow::otworz(GetParam(), &powod);
    ASSERT_TRUE(b) << powod;

    EXPECT_EQ(b->numery(), (std::vector<unsigned>{1, 15, 16, 4001, 4003, 38006}));
    EXPECT_EQ(b->tekst(1), u"Fire alarm: zone 1");
    EXPECT_EQ(b->tekst(15), u"Zażółć gęślą jaźń");
    EXPECT_EQ(b->tekst(16), u"Sixteen starts the second block");
    EXPECT_EQ(b->tekst(4001), u"Fault");
    EXPECT_EQ(b->tekst(4003), u"Disablement");
    EXPECT_EQ(b->tekst(38006), dlugiTekst().substr(0, 1023));
    // Empty slots of present blocks, numbers of absent blocks, and the far end of the range.
    for (unsigned n : {0u, 2u, 14u, 17u, 4000u, 4002u, 4015u, 38007u, 1048575u, 0xffffffffu})
        EXPECT_FALSE(b->tekst(n)) << n;
}

INSTANTIATE_TEST_SUITE_P(Biblioteki, CzytanieBiblioteki, ::testing::ValuesIn(biblioteki()));

TEST(BibliotekaTekstow, BothImageFormatsAreCovered) {
    EXPECT_EQ(Obraz{wczytaj(TEST_LANG_DLL)}.magic(), 0x10b);
#ifdef TEST_LANG64_DLL
    EXPECT_EQ(Obraz{wczytaj(TEST_LANG64_DLL)}.magic(), 0x20b);
#else
    GTEST_SKIP() << "x86_64-w64-mingw32 binutils not installed: no PE32+ library was built";
#endif
}

TEST(BibliotekaTekstow, TextEndsAtFirstNulAndOutlivesTheBytes) {
    Obraz o{wczytaj(TEST_LANG_DLL)};
    o.zapisz16(o.polozenie(u"Fire alarm") + 2 * 4, 0); // "Fire\0alarm: zone 1"
    o.zapisz16(o.polozenie(u"Sixteen starts"), 0);     // nothing before the NUL
    const auto b = [&] {
        const std::vector<std::uint8_t> kopia = o.b; // freed before the texts are read
        return BibliotekaTekstow::zBajtow(kopia);
    }();
    ASSERT_TRUE(b);
    EXPECT_EQ(b->tekst(1), u"Fire");
    EXPECT_FALSE(b->tekst(16));
    EXPECT_EQ(b->numery(), (std::vector<unsigned>{1, 15, 4001, 4003, 38006}));
}

TEST(BibliotekaTekstow, ImageWithoutResourcesIsAnEmptyLibrary) {
    Obraz o{wczytaj(TEST_LANG_DLL)};
    o.zapisz32(o.katalogZasobow(), 0);
    o.zapisz32(o.katalogZasobow() + 4, 0);
    const auto b = BibliotekaTekstow::zBajtow(o.b);
    ASSERT_TRUE(b);
    EXPECT_TRUE(b->numery().empty());
    EXPECT_FALSE(b->tekst(1));
}

class OdmowaPliku : public ::testing::Test {
protected:
    // Unique per process, as other build trees may run the suite at the same time.
    fs::path katalog =
        fs::path(::testing::TempDir()) / ("biblioteka-tekstow-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(katalog); }
    void TearDown() override { fs::remove_all(katalog); }
    fs::path zapisz(const char* nazwa, const std::string& tresc) {
        std::ofstream(katalog / nazwa, std::ios::binary) << tresc;
        return katalog / nazwa;
    }
};

TEST_F(OdmowaPliku, RefusesWhatIsNotALanguageLibrary) {
    const fs::path duzy = zapisz("Huge_Lang.dll", "MZ");
    fs::resize_file(duzy, BibliotekaTekstow::kMaksRozmiarPliku + 1); // sparse: costs no memory
    const std::vector<fs::path> sciezki{
        katalog / "Missing_Lang.dll",
        zapisz("Empty_Lang.dll", ""),
        zapisz("Text_Lang.dll", "This is a text file, not a library.\n"),
        zapisz("Stub_Lang.dll", "MZ"),
        katalog,
        duzy,
    };
    for (const fs::path& p : sciezki) {
        std::string powod;
        EXPECT_FALSE(BibliotekaTekstow::otworz(p.string(), &powod)) << p;
        EXPECT_FALSE(powod.empty()) << p;
    }
}

struct Uszkodzenie {
    const char* nazwa;
    std::function<void(Obraz&)> zrob;
};

// Every damage is applied to each built library; none may be accepted, and none may read out of
// bounds (the suite runs under AddressSanitizer).
void sprawdzOdmowy(const std::vector<Uszkodzenie>& uszkodzenia) {
    for (const std::string& sciezka : biblioteki()) {
        const Obraz wzor{wczytaj(sciezka)};
        ASSERT_TRUE(BibliotekaTekstow::zBajtow(wzor.b)) << sciezka;
        for (const Uszkodzenie& u : uszkodzenia) {
            SCOPED_TRACE(sciezka + ": " + u.nazwa);
            Obraz o = wzor;
            u.zrob(o);
            // Exactly sized, so a read one past the end is caught.
            const std::vector<std::uint8_t> dokladnie(o.b.begin(), o.b.end());
            std::string powod;
            EXPECT_FALSE(BibliotekaTekstow::zBajtow(dokladnie, &powod));
            EXPECT_FALSE(powod.empty());
        }
    }
}

TEST(BibliotekaTekstow, RefusesTruncatedLibrary) {
    auto obetnij = [](std::function<std::size_t(const Obraz&)> gdzie) {
        return [gdzie](Obraz& o) { o.b.resize(gdzie(o)); };
    };
    sprawdzOdmowy({
        {"inside the PE header offset", obetnij([](const Obraz&) { return 0x3e; })},
        {"inside the PE signature", obetnij([](const Obraz& o) { return o.pe() + 2; })},
        {"inside the COFF header", obetnij([](const Obraz& o) { return o.pe() + 10; })},
        {"inside the optional header", obetnij([](const Obraz& o) { return o.opt() + 60; })},
        {"inside the section table", obetnij([](const Obraz& o) { return o.sekcja(0) + 20; })},
        {"at the resource root", obetnij([](const Obraz& o) { return o.korzen() + 8; })},
        {"inside the block directory",
         obetnij([](const Obraz& o) { return o.korzen() + o.tabelaBlokow() + 20; })},
        {"inside a string block", obetnij([](const Obraz& o) { return o.daneBloku() + 10; })},
        {"one byte short", obetnij([](const Obraz& o) { return o.b.size() - 1; })},
    });
}

TEST(BibliotekaTekstow, RefusesPointersOutsideTheFile) {
    constexpr std::uint32_t podkatalog = 0x8000'0000;
    sprawdzOdmowy({
        {"resource table RVA in no section",
         [](Obraz& o) { o.zapisz32(o.katalogZasobow(), 0x7fff'0000); }},
        {"section data past the end of the file",
         [](Obraz& o) {
             o.zapisz32(o.sekcjaZasobow() + 20, static_cast<std::uint32_t>(o.b.size()));
         }},
        {"type entry to a table outside",
         [](Obraz& o) { o.zapisz32(o.cel(0, 0), podkatalog | 0x7fff'fff0); }},
        {"block table claiming 65535 entries",
         [](Obraz& o) { o.zapisz16(o.korzen() + o.tabelaBlokow() + 14, 0xffff); }},
        {"language entry to a data entry outside",
         [](Obraz& o) { o.zapisz32(o.cel(o.tabelaJezykow(), 0), 0x7fff'fff0); }},
        {"block entry looping back to the root",
         [](Obraz& o) { o.zapisz32(o.cel(o.tabelaBlokow(), 0), podkatalog); }},
        {"language entry looping back to the root",
         [](Obraz& o) { o.zapisz32(o.cel(o.tabelaJezykow(), 0), podkatalog); }},
        {"block data RVA in no section", [](Obraz& o) { o.zapisz32(o.wpisDanych(), 0x7fff'0000); }},
        {"block data size past the end",
         [](Obraz& o) { o.zapisz32(o.wpisDanych() + 4, 0x100'0000); }},
        {"block data wrapping around the address space",
         [](Obraz& o) {
             o.zapisz32(o.wpisDanych(), 0xffff'fff0);
             o.zapisz32(o.wpisDanych() + 4, 0x20);
         }},
        {"string length running just past its block, still inside the file",
         [](Obraz& o) {
             o.zapisz16(o.daneBloku(), static_cast<std::uint16_t>(o.u32(o.wpisDanych() + 4) / 2));
         }},
    });
}

} // namespace
