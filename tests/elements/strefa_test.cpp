// Zones: defaults per panel type, the 69-byte record, messages, XML fragment and printout rows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "elements/lines/strefa.h"
#include "lang/kodowanie.h"
#include "wspolne/katalog_testu.h"
#include "wspolne/srodowisko.h"

namespace fs = std::filesystem;

namespace {

std::string utf8(const std::string& s) {
    return naUtf8(s, 1250);
}

std::string komunikatStrefy(int n) {
    std::string k = "STANDARDOWY KOMUNIKAT STREFY    DOZOROWEJ NR " + std::to_string(n);
    k.resize(64, ' ');
    return k;
}

Bajty rekord(std::initializer_list<std::uint8_t> naglowek, const std::string& komunikat) {
    Bajty b(naglowek);
    b.insert(b.end(), komunikat.begin(), komunikat.end());
    return b;
}

// Print flags are class-wide: each test gets them back as they were.
class StrefaDruk : public ::testing::Test {
protected:
    ~StrefaDruk() override { Strefa::flagi = zapamietane; }
    FlagiKlasy zapamietane = Strefa::flagi;
};

struct PrzypadekDomyslny {
    int typ, numer;
    Bajty oczekiwany; // the record of the new zone
};

TEST(Strefa, NewZoneRecordPerPanelType) {
    const PrzypadekDomyslny przypadki[] = {
        {0, 7, rekord({0x00, 0x07, 2, 0, 0}, komunikatStrefy(7))},
        {0, 300, rekord({0x01, 0x2C, 2, 0, 0}, komunikatStrefy(300))},
        {3, 3, rekord({0x00, 0x03, 15, 0, 0}, komunikatStrefy(3))},
        {3, 4, rekord({0x00, 0x04, 15, 0, 0}, komunikatStrefy(4))},
        {3, 5, rekord({0x00, 0x05, 2, 0, 0}, komunikatStrefy(5))},
        {4, 3, rekord({0x00, 0x03, 2, 0, 0}, komunikatStrefy(3))},
        {4, 1024, rekord({0x04, 0x00, 2, 0, 0}, komunikatStrefy(1024))},
        {5, 1, rekord({0x00, 0x01, 2, 0, 0}, komunikatStrefy(1))},
        {6, 2, rekord({0x00, 0x02, 2, 0, 0}, komunikatStrefy(2))},
    };
    for (const auto& p : przypadki) {
        Srodowisko s(p.typ);
        Strefa z(p.numer);
        Bajty blok{9, 9, 9};
        z.zapiszBlok(blok);
        EXPECT_EQ(blok, p.oczekiwany) << "type " << p.typ << " zone " << p.numer;
        EXPECT_EQ(z.podajDlugoscBloku(), 69);
        // The table's own zone is built the same way.
        Bajty zTablicy;
        s.c().strefy[p.numer - 1]->zapiszBlok(zTablicy);
        EXPECT_EQ(zTablicy, p.oczekiwany);
    }
}

TEST(Strefa, NumberOutsideThePanelGivesNoZone) {
    Srodowisko s(0);
    for (int n : {0, 513, -1}) {
        Strefa z(n);
        EXPECT_EQ(z.podajNumer(), n);
        EXPECT_EQ(z.podajWariant(), 2);
        EXPECT_EQ(z.podajKomunikat(), std::string(64, ' '));
        EXPECT_EQ(z.podajRezerwa1() + z.podajRezerwa2(), 0);
    }
}

TEST(Strefa, AcceptedRecordTakesEveryFieldAndWritesBackTheSameBytes) {
    Srodowisko s(4);
    Bajty b = rekord({0x03, 0xE8, 17, 0xA5, 0x5A}, std::string(64, 'x'));
    b[5] = 'Z';
    b[68] = '\0'; // whatever bytes a record holds travel back unchanged
    Strefa z(1000);
    ASSERT_EQ(z.odczytajBlok(b), 0);
    EXPECT_EQ(z.podajNumer(), 1000);
    EXPECT_EQ(z.podajWariant(), 17);
    EXPECT_EQ(z.podajRezerwa1(), 0xA5);
    EXPECT_EQ(z.podajRezerwa2(), 0x5A);
    Bajty zapis;
    z.zapiszBlok(zapis);
    EXPECT_EQ(zapis, b);
}

struct Odmowa {
    const char* opis;
    Bajty blok;
    int kod;
    int numerPo; // the number after the refusal; the other fields never change
};

TEST(Strefa, RefusedRecordsKeepWhatWasSetBeforeTheRefusal) {
    Srodowisko s(0);
    const std::string inny(64, 'Q');
    Bajty krotki = rekord({0x00, 0x09, 3, 1, 1}, inny);
    krotki.pop_back();
    const Odmowa odmowy[] = {
        {"number 0", rekord({0x00, 0x00, 3, 1, 1}, inny), 1, 7},
        {"number above the zones", rekord({0x02, 0x01, 3, 1, 1}, inny), 1, 7},
        {"another zone's record", rekord({0x00, 0x09, 3, 1, 1}, inny), 1, 7},
        {"variant 18", rekord({0x00, 0x07, 18, 1, 1}, inny), 2, 7},
        {"variant 0", rekord({0x00, 0x07, 0, 1, 1}, inny), 2, 7},
        {"short record", Bajty{0x00, 0x09, 3, 1, 1}, 1, 7},
        {"one byte short", krotki, 1, 7},
    };
    for (const auto& o : odmowy) {
        Strefa z(7);
        ASSERT_EQ(z.ustalWariant(5), 0);
        z.ustalKomunikat("ALARM");
        EXPECT_EQ(z.odczytajBlok(o.blok), o.kod) << o.opis;
        EXPECT_EQ(z.podajNumer(), o.numerPo) << o.opis;
        EXPECT_EQ(z.podajWariant(), 5) << o.opis;
        EXPECT_EQ(z.podajRezerwa1(), 0) << o.opis;
        EXPECT_EQ(z.podajKomunikat().substr(0, 6), "ALARM ") << o.opis;
    }
}

TEST(Strefa, MessageTravelsInCodePage852) {
    Srodowisko s(0);
    Strefa z(1);
    const std::string polski = utf8NaStronaKodowa("ŁÓDŹ Śródmieście żółw", 1250);
    z.ustalKomunikat(polski);
    Bajty b;
    z.zapiszBlok(b);
    const std::string w852(b.begin() + 5, b.begin() + 5 + 21);
    EXPECT_EQ(w852, "\x9D\xE0\x44\x8D \x97r\xA2\x64mie\x98\x63ie \xBE\xA2\x88w");
    Strefa odczytana(1);
    ASSERT_EQ(odczytana.odczytajBlok(b), 0);
    EXPECT_EQ(utf8(*odczytana.podajOpis(1)), "ŁÓDŹ Śródmieście żółw           ");
}

TEST(Strefa, MessagesAreCutOrPaddedToTheirField) {
    Srodowisko s(0);
    Strefa z(1);
    z.ustalKomunikat(std::string(70, 'A') + "B");
    EXPECT_EQ(z.podajKomunikat(), std::string(64, 'A'));
    z.ustalKomunikat("KROTKI");
    EXPECT_EQ(z.podajKomunikat(), "KROTKI" + std::string(58, ' '));
    z.ustalKomunikat(std::string_view("PRZED\0PO", 8));
    EXPECT_EQ(z.podajKomunikat(), "PRZED" + std::string(59, ' '));
}

TEST(Strefa, DescriptionPartsAreTheTwoLinesOrTheWhole) {
    Srodowisko s(0);
    Strefa z(7);
    EXPECT_EQ(*z.podajOpis(1), "STANDARDOWY KOMUNIKAT STREFY    ");
    EXPECT_EQ(*z.podajOpis(2), "DOZOROWEJ NR 7" + std::string(18, ' '));
    EXPECT_EQ(*z.podajOpis(0), komunikatStrefy(7));
    EXPECT_EQ(*z.podajOpis(3), komunikatStrefy(7));
    // A zero byte read from a record ends its line, and the line keeps its width.
    Bajty b = rekord({0, 7, 2, 0, 0}, std::string(64, 'k'));
    b[5 + 3] = '\0';
    b[5 + 40] = '\0';
    ASSERT_EQ(z.odczytajBlok(b), 0);
    EXPECT_EQ(*z.podajOpis(1), "kkk" + std::string(29, ' '));
    EXPECT_EQ(*z.podajOpis(2), std::string(8, 'k') + std::string(24, ' '));
    EXPECT_EQ(*z.podajOpis(9), "kkk" + std::string(61, ' '));
}

TEST(Strefa, VariantsAndTheirTexts) {
    Srodowisko s(0);
    Strefa z(1);
    EXPECT_EQ(z.ustalWariant(0), 1);
    EXPECT_EQ(z.ustalWariant(18), 1);
    EXPECT_EQ(z.podajWariant(), 2);
    EXPECT_EQ(z.ustalWariant(17), 0);
    std::string opis;
    EXPECT_EQ(z.opisWariantu(opis), 17);
    EXPECT_EQ(utf8(opis), "Alarmowanie jednostopniowe z czasowym wyłączeniem strefy.");
    EXPECT_EQ(z.opisWariantu(opis, 8), 8);
    EXPECT_EQ(utf8(opis), "Alarmowanie dwustopniowe  - z  koincydencją\ndwu-ostrzegaczową.");
    for (int v : {18, -3}) {
        EXPECT_EQ(z.opisWariantu(opis, v), 1);
        EXPECT_EQ(utf8(opis), "Alarmowanie jednostopniowe zwykłe.");
    }
}

TEST(Strefa, ReadRequestNamesTheZone) {
    Srodowisko s(4);
    Bajty zapytanie;
    EXPECT_EQ(Strefa(1).ustalZapytanie(zapytanie, 0), 3);
    EXPECT_EQ(zapytanie, (Bajty{0x00, 0x00, 0x01}));
    EXPECT_EQ(Strefa(1000).ustalZapytanie(zapytanie, 0x55), 3);
    EXPECT_EQ(zapytanie, (Bajty{0x55, 0x03, 0xE8}));
    EXPECT_EQ(Strefa(1).podajKlucz(), 0u);
    EXPECT_EQ(Strefa(1).podajParametr(), 0);
}

TEST(Strefa, XmlFragmentListsWhatPointsAtTheZone) {
    Srodowisko s(0);
    Strefa z(7);
    z.ustalKomunikat("POMPY & ZAWORY <P1>");
    Strefa::Przypisania p;
    p.elementy = {0x010301FF, 0x02076003};
    p.moduly = {0x00037001, 0x00037103};
    p.wejscia = {0x3105420C};
    p.jednostkiXrm = 1;
    std::string xml = "<zones>";
    z.dopiszXML(xml, 0x1F, p);
    EXPECT_EQ(xml, "<zones><zone><nr>7</nr><variant>2</variant><no_of_elements>6</no_of_elements>"
                   "<assignments><elements><id>010301FF</id><id>02076003</id></elements>"
                   "<modules><id>00037001</id><id>00037103</id></modules>"
                   "<inputs><id>3105420C</id></inputs></assignments>"
                   "<message>POMPY &amp; ZAWORY &lt;P1&gt;" +
                       std::string(45, ' ') + "</message></zone>");

    // An XRM naming the zone is enough to write it, though it is not listed.
    Strefa::Przypisania tylkoXrm;
    tylkoXrm.jednostkiXrm = 1;
    xml.clear();
    z.dopiszXML(xml, 1, tylkoXrm);
    EXPECT_EQ(xml, "<zone><nr>7</nr><variant>2</variant><no_of_elements>1</no_of_elements>"
                   "<assignments><elements></elements><modules></modules><inputs></inputs>"
                   "</assignments><message>POMPY &amp; ZAWORY &lt;P1&gt;" +
                       std::string(45, ' ') + "</message></zone>");

    // Other sections' passes, and zones nothing points at, write nothing.
    xml.clear();
    z.dopiszXML(xml, 0x1E, p);
    z.dopiszXML(xml, 0x1F, Strefa::Przypisania{});
    z.zapiszXML(xml, 0x1F);
    EXPECT_EQ(xml, "");
}

TEST_F(StrefaDruk, PrintoutHeaderAndRows) {
    Srodowisko s(0);
    std::string naglowek;
    s.c().strefy[0]->drukujNaglowek(naglowek);
    EXPECT_EQ(utf8(naglowek),
              "|---------------------------STREFY DOZOROWE----------------------------|\n"
              "|  Numer  |  Wariant  | Liczba elem.|            Komunikat             |\n"
              "| strefy  |alarmowania|  w strefie  |           użytkownika            |\n"
              "|----------------------------------------------------------------------|\n");

    Strefa z(7);
    z.ustalWariant(13);
    std::string wiersz = "naglowek\n";
    const int dlugosc = z.drukujWiersz(wiersz);
    EXPECT_EQ(dlugosc, static_cast<int>(wiersz.size()) - 9);
    EXPECT_EQ(wiersz, "naglowek\n"
                      "|    7    |     13    |      0      | STANDARDOWY KOMUNIKAT STREFY     |\n"
                      "|         |           |             | DOZOROWEJ NR 7                   |\n"
                      "|----------------------------------------------------------------------|\n");

    // Any message keeps the table's width.
    Strefa z500(500);
    Bajty b = rekord({0x01, 0xF4, 1, 0, 0}, std::string(64, '%'));
    b[5 + 32] = '\0';
    ASSERT_EQ(z500.odczytajBlok(b), 0);
    wiersz.clear();
    z500.drukujWiersz(wiersz);
    EXPECT_EQ(wiersz, "|    500  |     1     |      0      | " + std::string(32, '%') +
                          " |\n|         |           |             | " + std::string(32, ' ') +
                          " |\n|" + std::string(70, '-') + "|\n");
}

TEST_F(StrefaDruk, PrintFlagChoosesZones) {
    Srodowisko s(0);
    // No line element names the zone, so only "every zone" prints it.
    Strefa& z = *s.c().strefy[4];
    EXPECT_EQ(z.liczbaElementow(), 0);
    const std::pair<int, bool> przypadki[] = {{0, false}, {1, false}, {2, true}};
    for (const auto& [flaga, drukowac] : przypadki) {
        Strefa::flagi.ustalDrukowanie(flaga);
        EXPECT_EQ(z.czyDrukowac(), drukowac) << flaga;
    }
    Strefa::flagi.ustalPrzesylanie(0);
    EXPECT_FALSE(z.czyPrzesylac());
    Strefa::flagi.ustalPrzesylanie(1);
    EXPECT_TRUE(z.czyPrzesylac());
}

// A language library holding only text 110, written as a minimal PE image.
class BibliotekaZSzablonem : public ::testing::Test {
protected:
    void SetUp() override { katalog = nowyKatalogTestu("panelcfg-strefa"); }
    void TearDown() override { fs::remove_all(katalog); }

    void zapiszBiblioteke(const std::u16string& szablon110) {
        std::vector<std::uint8_t> rsrc(0x58, 0);
        auto u16 = [](std::vector<std::uint8_t>& b, std::size_t od, unsigned v) {
            b[od] = static_cast<std::uint8_t>(v);
            b[od + 1] = static_cast<std::uint8_t>(v >> 8);
        };
        auto u32 = [&u16](std::vector<std::uint8_t>& b, std::size_t od, std::uint32_t v) {
            u16(b, od, v & 0xFFFF);
            u16(b, od + 2, v >> 16);
        };
        constexpr std::uint32_t rva = 0x1000, podkatalog = 0x8000'0000;
        // Three directory levels (type, block, language), each with one numbered entry.
        u16(rsrc, 0x0E, 1);
        u32(rsrc, 0x10, 6); // string table
        u32(rsrc, 0x14, podkatalog | 0x18);
        u16(rsrc, 0x18 + 0x0E, 1);
        u32(rsrc, 0x28, 110 / 16 + 1); // block of texts 96..111
        u32(rsrc, 0x2C, podkatalog | 0x30);
        u16(rsrc, 0x30 + 0x0E, 1);
        u32(rsrc, 0x40, 0x409);
        u32(rsrc, 0x44, 0x48);
        std::vector<std::uint8_t> blok;
        for (unsigned n = 0; n < 16; ++n) {
            const std::u16string t = n == 110 % 16 ? szablon110 : u"";
            blok.push_back(static_cast<std::uint8_t>(t.size()));
            blok.push_back(static_cast<std::uint8_t>(t.size() >> 8));
            for (char16_t c : t) {
                blok.push_back(static_cast<std::uint8_t>(c));
                blok.push_back(static_cast<std::uint8_t>(c >> 8));
            }
        }
        u32(rsrc, 0x48, rva + 0x58);
        u32(rsrc, 0x4C, static_cast<std::uint32_t>(blok.size()));
        rsrc.insert(rsrc.end(), blok.begin(), blok.end());

        std::vector<std::uint8_t> obraz(0x200, 0);
        obraz[0] = 'M';
        obraz[1] = 'Z';
        u32(obraz, 0x3C, 0x40);
        obraz[0x40] = 'P';
        obraz[0x41] = 'E';
        u16(obraz, 0x44, 0x14C);
        u16(obraz, 0x46, 1);   // one section
        u16(obraz, 0x54, 224); // optional header size
        u16(obraz, 0x58, 0x10B);
        u32(obraz, 0x58 + 92, 16); // data directories
        u32(obraz, 0x58 + 96 + 2 * 8, rva);
        u32(obraz, 0x58 + 96 + 2 * 8 + 4, static_cast<std::uint32_t>(rsrc.size()));
        const std::size_t sekcja = 0x58 + 224;
        u32(obraz, sekcja + 8, static_cast<std::uint32_t>(rsrc.size()));
        u32(obraz, sekcja + 12, rva);
        u32(obraz, sekcja + 16, static_cast<std::uint32_t>(rsrc.size()));
        u32(obraz, sekcja + 20, 0x200);
        obraz.insert(obraz.end(), rsrc.begin(), rsrc.end());

        std::ofstream plik(katalog / "english_Lang.dll", std::ios::binary);
        plik.write(reinterpret_cast<const char*>(obraz.data()),
                   static_cast<std::streamsize>(obraz.size()));
    }

    void wlaczAngielski(Srodowisko& s) {
        s.j.ustalKatalogProgramu(katalog.string());
        s.j.ustawJezyk("english");
        ASSERT_TRUE(s.j.czyBibliotekaZaladowana());
    }

    fs::path katalog;
};

TEST_F(BibliotekaZSzablonem, LongTemplateIsCutToTheMessageField) {
    zapiszBiblioteke(u"ZONE %-4d: THIS DEFAULT MESSAGE RUNS FAR PAST THE TWO DISPLAY LINES OF THE "
                     u"PANEL AND ON");
    Srodowisko s(0);
    wlaczAngielski(s);
    Strefa z(7);
    const std::string oczekiwany =
        std::string("ZONE 7   : THIS DEFAULT MESSAGE RUNS FAR PAST THE TWO DISPLAY LINES OF THE")
            .substr(0, 64);
    EXPECT_EQ(z.podajKomunikat(), oczekiwany);
    Bajty b;
    z.zapiszBlok(b);
    EXPECT_EQ(b.size(), 69u);
    EXPECT_EQ(std::string(b.begin() + 5, b.end()), oczekiwany);
}

TEST_F(BibliotekaZSzablonem, ShortTemplateIsPaddedToTheMessageField) {
    zapiszBiblioteke(u"Z%d");
    Srodowisko s(0);
    wlaczAngielski(s);
    EXPECT_EQ(Strefa(12).podajKomunikat(), "Z12" + std::string(61, ' '));
    EXPECT_EQ(*Strefa(12).podajOpis(2), std::string(32, ' '));
}

} // namespace
