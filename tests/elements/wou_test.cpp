// WOU outputs: record, firmware limits, stack entries, XML fragments and printout rows.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "core/xml.h"
#include "elements/lines/element.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/wou.h"
#include "lang/kodowanie.h"
#include "wspolne/srodowisko.h"

namespace {

Element& zadeklaruj(Centrala& c, int indeks, int kod, int numer) {
    Element& e = *c.elementyLinii[static_cast<std::size_t>(indeks)];
    EXPECT_EQ(e.ustalTypZKodu(kod), 0);
    EXPECT_EQ(e.podajTyp().ustalNumer(numer), 0);
    return e;
}

Wou& wou(Centrala& c, int numer, int wyjscie) {
    return *c.wou[static_cast<std::size_t>((numer - 1) * 8 + wyjscie - 1)];
}

TEST(Wou, PanelAndGenericRecords) {
    {
        Srodowisko s(4);
        Wou& w = wou(s.c(), 3, 5);
        ASSERT_EQ(w.ustalWariant(9), 0);
        w.ustalStrefyK(4);
        Bajty b;
        w.zapiszBlok(b);
        EXPECT_EQ(b, (Bajty{3, 5, 0, 0, 9, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        Bajty z;
        EXPECT_EQ(w.ustalZapytanie(z, 0x20), 3);
        EXPECT_EQ(z, (Bajty{0x20, 3, 5}));
        b[5] = 0x11;
        b[6] = 0x22;
        Wou kopia(3, 5);
        ASSERT_EQ(kopia.odczytajBlok(b), 0);
        EXPECT_EQ(kopia.podajStrefyK(), 4);
        EXPECT_EQ(kopia.podajBajt5(), 0x11);
        EXPECT_EQ(kopia.podajBajt6(), 0x22);
    }
    Srodowisko s(0);
    Wou& w = wou(s.c(), 1, 2);
    ASSERT_EQ(w.ustalWariant(2), 0);
    ASSERT_EQ(w.ustalBajt7(16), 0);
    ASSERT_EQ(w.podajMatryce()->ustaw(300, 0, 1), 0);
    ASSERT_EQ(w.podajMatryce()->ustaw(309, 0, 1), 0);
    ASSERT_EQ(w.podajMatryce()->ustaw(363, 0, 1), 0);
    Bajty b;
    w.zapiszBlok(b);
    // First zone 300, then bits for zones 300 + 8i + j.
    EXPECT_EQ(b, (Bajty{1, 2, 0, 0, 2, 0, 0, 16, 0x01, 0x2C, 0x01, 0x02, 0, 0, 0, 0, 0, 0x80}));
    Wou kopia(1, 2);
    ASSERT_EQ(kopia.odczytajBlok(b), 0);
    EXPECT_EQ(kopia.podajBajt7(), 16);
    EXPECT_EQ(kopia.podajMatryce()->pierwszaStrefa(), 300);
    EXPECT_EQ(kopia.podajMatryce()->podaj(309), 1);
    EXPECT_EQ(kopia.podajMatryce()->podaj(363), 1);
    EXPECT_EQ(kopia.podajMatryce()->liczbaPrzypisanych(), 3);
}

TEST(Wou, ReadingRefusesAtTheFirstBadField) {
    struct Przypadek {
        int typ;
        Bajty blok;
        int wynik;
    };
    const auto blok = [](int numer, int wyjscie, int wariant, std::size_t dl = 18) {
        Bajty b(18, 0);
        b[0] = static_cast<std::uint8_t>(numer);
        b[1] = static_cast<std::uint8_t>(wyjscie);
        b[4] = static_cast<std::uint8_t>(wariant);
        b.resize(dl);
        return b;
    };
    Bajty bajt7 = blok(2, 3, 1);
    bajt7[7] = 17;
    Bajty zaDaleko = blok(2, 3, 1);
    zaDaleko[8] = 0x7F; // first zone far above the zone count
    const Przypadek przypadki[] = {
        {4, blok(2, 3, 1), 0},
        {4, blok(2, 4, 1), 1},
        {4, blok(1, 3, 1), 1},
        {4, blok(2, 3, 10), 2},
        {4, blok(2, 3, 1, 1), 1},
        {4, blok(2, 3, 1, 4), 2},
        {4, blok(2, 3, 1, 6), 3},
        {4, blok(2, 3, 1, 8), 4},
        {4, bajt7, 0},
        {0, bajt7, 4},
        {0, zaDaleko, 6},
        {0, blok(2, 3, 1, 9), 5},
        {0, blok(2, 3, 1, 17), 6},
    };
    for (const auto& p : przypadki) {
        Srodowisko s(p.typ);
        EXPECT_EQ(wou(s.c(), 2, 3).odczytajBlok(p.blok), p.wynik) << p.typ << " " << p.blok.size();
    }
}

TEST(Wou, VariantsAndModes) {
    struct Przypadek {
        int typ;
        const char* identyfikacja;
        int maks;
    };
    const Przypadek przypadki[] = {
        {4, "PSC7800V2.6", 6}, {4, "PSC7800V3.6", 7}, {4, "PSC7800V3.7", 9},
        {5, "PSC7500V1.6", 6}, {6, "PSC7200V1.9", 7}, {0, "PSC7000V1.0", 9},
    };
    for (const auto& p : przypadki) {
        Srodowisko s(p.typ);
        s.c().odczytajIdentyfikacje(p.identyfikacja);
        Wou& w = wou(s.c(), 1, 1);
        EXPECT_EQ(w.ustalWariant(p.maks), 0) << p.identyfikacja;
        EXPECT_EQ(w.ustalWariant(p.maks + 1), 1) << p.identyfikacja;
        EXPECT_EQ(w.podajWariant(), p.maks);
    }
    Srodowisko s(4);
    Wou& w = wou(s.c(), 1, 1);
    for (int v = 0; v <= 9; ++v) {
        ASSERT_EQ(w.ustalWariant(v), 0);
        const bool strefy = v == 2 || v == 3 || v == 5 || v == 6 || v == 8 || v == 9;
        EXPECT_EQ(w.trybPrzypisania(), strefy ? 128 : 0) << v;
        w.ustalStrefyK(5);
        EXPECT_EQ(w.podajStrefyK(), v >= 8 ? 5 : 1) << v;
    }
    EXPECT_EQ(w.ustalBajt7(17), 1);
    std::string t;
    w.opisWariantu(t, 7);
    EXPECT_EQ(t, utf8NaStronaKodowa("Kryterium : wyjście kasujące.", 1250));
}

TEST(Wou, SavingAfterTheCriterionDropsZonesLosesTheEntries) {
    Srodowisko s(4);
    Stos& stos = *s.c().stos;
    Wou& w = wou(s.c(), 2, 6);
    ASSERT_EQ(w.ustalWariant(5), 0);
    stos.dodajPrzypisanie(Stos::kodWou, 2, 6, Stos::trybStrefy, 9, 0, 0);
    stos.dodajPrzypisanie(Stos::kodWou, 2, 7, Stos::trybStrefy, 9, 0, 0);
    Bajty b;
    w.zapiszBlok(b);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodWou, 2, 6, 0), 1);
    ASSERT_EQ(w.ustalWariant(1), 0);
    w.zapiszBlok(b);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodWou, 2, 6, 0), 0);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodWou, 2, 7, 0), 1);
}

TEST(Wou, KeyXmlAndPrintout) {
    Srodowisko s(4);
    Wou& w = wou(s.c(), 2, 6);
    EXPECT_EQ(w.podajKlucz(), 0x60004102u);
    EXPECT_FALSE(w.czyZadeklarowany());
    const Element& e = zadeklaruj(s.c(), 140, 65, 2);
    const std::uint32_t linia = static_cast<std::uint32_t>(e.podajLinie());
    const std::uint32_t adres = static_cast<std::uint32_t>(e.podajAdres());
    EXPECT_EQ(w.podajKlucz(), 0x60000000u | linia << 24 | adres << 16 | 0x4102u);

    std::string xml;
    w.zapiszXML(xml, 0xFF);
    EXPECT_EQ(xml, "");
    ASSERT_EQ(w.ustalWariant(8), 0);
    w.ustalStrefyK(2);
    Stos& stos = *s.c().stos;
    for (int z : {4, 5, 6, 9}) stos.dodajPrzypisanie(Stos::kodWou, 2, 6, Stos::trybStrefy, z, 0, 0);
    stos.dodajPrzypisanie(Stos::kodWou, 2, 6, Stos::trybStrefy, 10, 3, 0);
    w.zapiszXML(xml, 8);
    EXPECT_EQ(xml, "");
    w.zapiszXML(xml, 16);
    const std::string id = kluczXML(w.podajKlucz());
    const auto strefa = [](int z, int c) {
        return "<zone><zone_nr>" + std::to_string(z) + "</zone_nr><control_panel_nr>" +
               std::to_string(c) + "</control_panel_nr></zone>";
    };
    EXPECT_EQ(xml, "<output><id>" + id +
                       "</id><hardware_type>1</hardware_type><variant>8</variant>"
                       "<zones_k>2</zones_k><zones>" +
                       strefa(4, 0) + strefa(5, 0) + strefa(6, 0) + strefa(9, 0) + strefa(10, 3) +
                       "</zones></output>");

    std::string t;
    w.drukujNaglowek(t);
    EXPECT_NE(t.find("ELEMENTY WOU"), std::string::npos);
    t.clear();
    EXPECT_EQ(w.drukujWiersz(t), 4);
    const auto kol = [](const std::string& x) { return x + std::string(32 - x.size(), ' '); };
    char pierwszy[128];
    std::snprintf(pierwszy, sizeof pierwszy, "| 2   |   6   | %-3d |  %-3d   |     8     |",
                  e.podajLinie(), e.podajAdres());
    EXPECT_EQ(t, pierwszy + kol(ElementSystemu::opisStref(4, 6, 0)) + "|\n" +
                     "|     |       |     |        |           |" +
                     kol(ElementSystemu::opisStref(9, 9, 0)) + "|\n" +
                     "|     |       |     |        |           |" +
                     kol(ElementSystemu::opisStref(10, 10, 3)) + "|\n|" + std::string(73, '-') +
                     "|\n");
    // Without zones to list, the column says so.
    ASSERT_EQ(w.ustalWariant(1), 0);
    t.clear();
    EXPECT_EQ(w.drukujWiersz(t), 2);
    pierwszy[std::strlen(pierwszy) - 7] = '1';
    EXPECT_EQ(t.substr(0, t.find('\n')),
              pierwszy + std::string("              --- ") + std::string(14, ' ') + "|");
}

TEST(Wou, RandomRecordsSurviveWriteAndRead) {
    std::mt19937 los(77);
    for (int typ : {0, 3, 4, 5, 6}) {
        Srodowisko s(typ);
        for (int proba = 0; proba < 40; ++proba) {
            const int nr = 1 + static_cast<int>(los() % static_cast<unsigned>(s.c().liczbaGrupWou));
            const int wy = 1 + static_cast<int>(los() % 8);
            Wou& w = wou(s.c(), nr, wy);
            ASSERT_EQ(w.ustalWariant(static_cast<int>(los() % 10)), 0);
            w.ustalStrefyK(static_cast<int>(los() % 256));
            ASSERT_EQ(w.ustalBajt7(static_cast<int>(los() % 17)), 0);
            if (MatrycaStref48_64* m = w.podajMatryce()) {
                // The record holds a window of 64 zones, which the editor keeps the set within.
                m->wyczysc();
                const int od =
                    1 + static_cast<int>(los() % static_cast<unsigned>(s.c().liczbaStref));
                for (int i = 0; i < 6; ++i) m->ustaw(od + static_cast<int>(los() % 64), 0, 1);
            }
            Bajty b;
            w.zapiszBlok(b);
            Wou kopia(nr, wy);
            ASSERT_EQ(kopia.odczytajBlok(b), 0) << typ;
            EXPECT_EQ(kopia.podajWariant(), w.podajWariant());
            if (w.podajMatryce() != nullptr) {
                EXPECT_EQ(kopia.podajBajt7(), w.podajBajt7());
                for (int z = 1; z <= s.c().liczbaStref; ++z)
                    ASSERT_EQ(kopia.podajMatryce()->podaj(z), w.podajMatryce()->podaj(z)) << z;
            } else {
                EXPECT_EQ(kopia.podajStrefyK(), w.podajStrefyK());
            }
            Bajty znow;
            kopia.zapiszBlok(znow);
            EXPECT_EQ(znow, b);
        }
    }
}

// Once the stack asks the WOU output itself for its mode, a block of entries for an output
// whose criterion takes zones is kept, and dropped otherwise; before, it is always dropped.
TEST(Wou, StackBlocksFollowTheOutputMode) {
    Srodowisko s(4);
    Stos& stos = *s.c().stos;
    Wou& w = wou(s.c(), 1, 3);
    ASSERT_EQ(w.ustalWariant(3), 0);
    Bajty b = {65, 0, 0, 1, 3, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 12};
    ASSERT_EQ(stos.odczytajBlok(b), 0);
    const int wpisy = stos.liczbaPrzypisan(Stos::kodWou, 1, 3, 0);
    EXPECT_TRUE(wpisy == 0 || wpisy == 1);
    if (wpisy == 1) {
        std::vector<std::pair<int, int>> pary;
        stos.podajPrzypisania(Stos::kodWou, 1, 3, 0, pary);
        EXPECT_EQ(pary[0].first, 12);
        ASSERT_EQ(wou(s.c(), 1, 4).ustalWariant(1), 0);
        b[4] = 4;
        ASSERT_EQ(stos.odczytajBlok(b), 0);
        EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodWou, 1, 4, 0), 0);
    }
}

} // namespace
