// XRM sub-panels: record, setters, assignment modes, stack use, keys and XML fragments.
#include <gtest/gtest.h>

#include <random>

#include "core/przejscie_tablicy.h"
#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/xrm.h"
#include "wspolne/srodowisko.h"

namespace {

// "XRM 300 WEJŚCIE LK" in the program's code page (Ś is 0x8C) and in the panel's (0x97).
const std::string poczatekDomyslny = "XRM 300 WEJ\x8C"
                                     "CIE LK";
const std::string poczatekWBloku = "XRM 300 WEJ\x97"
                                   "CIE LK";

std::string blokTekstu(const Bajty& b, int od, int ile) {
    return std::string(b.begin() + od, b.begin() + od + ile);
}

// A record byte by byte: number, then the given bytes at their offsets.
Bajty blokXrm(int numer, std::initializer_list<std::pair<int, int>> bajty = {}) {
    Bajty b(146, 0);
    b[0] = static_cast<std::uint8_t>(numer);
    for (const auto& [i, v] : bajty) b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v);
    return b;
}

// Puts sub-panel `numer` on line `linia`, address `adres` as its logical number.
void zadeklaruj(Centrala& c, int linia, int adres, int numer) {
    Element& e =
        *c.elementyLinii[static_cast<std::size_t>((linia - 1) * c.liczbaAdresow + adres - 1)];
    ASSERT_EQ(e.ustalTyp(Xrm::kodTypuLinii), 0);
    ASSERT_EQ(e.podajTyp().ustalNumer(numer), 0);
}

// A stack block of one XRM key in zone mode: (zone, panel) entries.
Bajty blokStosu(int numer, int podnumer, std::vector<std::pair<int, int>> strefy) {
    Bajty b(14 + 2 * strefy.size(), 0);
    b[0] = Stos::kodXrm;
    b[3] = static_cast<std::uint8_t>(numer);
    b[4] = static_cast<std::uint8_t>(podnumer);
    b[10] = static_cast<std::uint8_t>(strefy.size());
    b[13] = static_cast<std::uint8_t>(strefy.size());
    for (std::size_t i = 0; i < strefy.size(); ++i) {
        const auto [strefa, centrala] = strefy[i];
        b[14 + 2 * i] = static_cast<std::uint8_t>(centrala * 8 + strefa / 256);
        b[15 + 2 * i] = static_cast<std::uint8_t>(strefa % 256);
    }
    return b;
}

TEST(Xrm, NewRecordHasItsNameCodesAndDefaultMessages) {
    Srodowisko s(4);
    Xrm& x = *s.c().xrm[6];
    EXPECT_EQ(x.podajNazwe(), "XRM 300 nr 7");
    EXPECT_EQ(x.podajNrFunkcjiZapisu(), 142);
    EXPECT_EQ(x.podajNrFunkcjiOdczytu(), 187);
    EXPECT_EQ(x.podajParametr(), 1);
    EXPECT_EQ(x.podajDlugoscBloku(), 146);
    EXPECT_FALSE(x.czyKolejnyBlok());
    EXPECT_FALSE(x.czyDrukowac());
    EXPECT_EQ(x.podajStrefeLk(1), 1);
    EXPECT_EQ(x.podajStrefeLk(2), 1);
    // Every message is one display line; LK2's fault message keeps the 25 characters its field
    // carries.
    const std::string lk1 = poczatekDomyslny + "1" + std::string(13, ' ');
    EXPECT_EQ(x.wejscie(1).podajKomunikatUszkodzenia(), lk1);
    EXPECT_EQ(x.wejscie(1).podajKomunikatAlarmu(), lk1);
    EXPECT_EQ(x.wejscie(2).podajKomunikatAlarmu(), poczatekDomyslny + "2" + std::string(13, ' '));
    EXPECT_EQ(x.wejscie(2).podajKomunikatUszkodzenia(),
              poczatekDomyslny + "2      " + std::string(7, ' '));
    for (int n = 1; n <= 2; ++n) {
        EXPECT_EQ(x.wejscie(n).podajKomunikatAlarmu().size(), 32u);
        EXPECT_EQ(x.wejscie(n).podajKomunikatUszkodzenia().size(), 32u);
    }
}

TEST(Xrm, SettersRefuseValuesOutOfRangeAndKeepTheField) {
    Srodowisko s(4);
    Xrm x(1);
    for (int t : {2, 4, -1, 255}) EXPECT_EQ(x.ustalTypPk(t), 1) << t;
    EXPECT_EQ(x.podajPk().podajTyp(), 0);
    // Type 0 accepts any variant without storing it.
    EXPECT_EQ(x.ustalWariantPk(5), 0);
    EXPECT_EQ(x.podajPk().podajWariant(), 0);

    struct Przypadek {
        int typ, wariant, wynik;
    };
    const Przypadek przypadki[] = {{1, 0, 1}, {1, 1, 0}, {1, 2, 0}, {1, 3, 1},
                                   {3, 0, 1}, {3, 1, 0}, {3, 8, 0}, {3, 9, 1}};
    for (const auto& p : przypadki) {
        ASSERT_EQ(x.ustalTypPk(p.typ), 0);
        ASSERT_EQ(x.ustalTypLs(4, p.typ), 0);
        EXPECT_EQ(x.ustalWariantPk(p.wariant), p.wynik) << p.typ << " " << p.wariant;
        EXPECT_EQ(x.ustalWariantLs(4, p.wariant), p.wynik) << p.typ << " " << p.wariant;
    }
    EXPECT_EQ(x.ustalWariantLk(2, 4), 1);
    EXPECT_EQ(x.ustalWariantLk(2, 3), 0);
    EXPECT_EQ(x.ustalStrefeLk(2, 0), 1);
    EXPECT_EQ(x.ustalStrefeLk(2, 1025), 1);
    EXPECT_EQ(x.ustalStrefeLk(2, 1024), 0);
    EXPECT_EQ(x.podajStrefeLk(2), 1024);
    EXPECT_EQ(x.ustalPu(2), 1);
    EXPECT_EQ(x.ustalBhu(2), 1);
    EXPECT_EQ(x.podajPu(), 0);
    EXPECT_FALSE(x.podajBhu().czyObecny());

    // An index outside its range names output 1 or input 1.
    ASSERT_EQ(x.ustalTypLs(9, 3), 0);
    EXPECT_EQ(x.podajBhu().wyjscie(1).podajTyp(), 3);
    x.ustalKomunikatAlarmu(0, "ALARM");
    EXPECT_EQ(x.wejscie(1).podajKomunikatAlarmu(), "ALARM" + std::string(27, ' '));
}

TEST(Xrm, MessagesAreOneLineAndLk2FaultKeeps25Characters) {
    Srodowisko s(4);
    Xrm x(1);
    const std::string dlugi(40, 'Z');
    x.ustalKomunikatUszkodzenia(1, dlugi);
    x.ustalKomunikatUszkodzenia(2, dlugi);
    x.ustalKomunikatAlarmu(2, std::string("AB\0CD", 5));
    EXPECT_EQ(x.wejscie(1).podajKomunikatUszkodzenia(), std::string(32, 'Z'));
    EXPECT_EQ(x.wejscie(2).podajKomunikatUszkodzenia(), std::string(25, 'Z') + std::string(7, ' '));
    EXPECT_EQ(x.wejscie(2).podajKomunikatAlarmu(), "AB" + std::string(30, ' '));
}

TEST(Xrm, AssignmentModeFollowsTypeAndVariant) {
    Srodowisko s(4);
    Xrm x(1);
    struct Przypadek {
        int typ, wariant, tryb;
    };
    const Przypadek przypadki[] = {{1, 1, 0},   {1, 2, 128}, {3, 4, 0},
                                   {3, 5, 128}, {3, 8, 128}, {0, 0, 0}};
    for (const auto& p : przypadki) {
        ASSERT_EQ(x.ustalTypPk(p.typ), 0);
        ASSERT_EQ(x.ustalWariantPk(p.wariant == 0 ? 1 : p.wariant), 0);
        ASSERT_EQ(x.ustalTypLs(3, p.typ), 0);
        ASSERT_EQ(x.ustalWariantLs(3, p.wariant == 0 ? 1 : p.wariant), 0);
        EXPECT_EQ(x.trybPrzypisaniaPk(), p.tryb) << p.typ << " " << p.wariant;
        EXPECT_EQ(x.trybPodnumeru(2), p.tryb);
        EXPECT_EQ(x.trybPodnumeru(5), p.tryb);
    }
    // The type changes; a variant that meant zones under type 3 means none under type 1.
    ASSERT_EQ(x.ustalTypPk(3), 0);
    ASSERT_EQ(x.ustalWariantPk(6), 0);
    ASSERT_EQ(x.ustalTypPk(1), 0);
    EXPECT_EQ(x.trybPrzypisaniaPk(), 0);
    EXPECT_EQ(x.trybPodnumeru(1), 0);
    EXPECT_EQ(x.trybPodnumeru(7), 0);

    std::string t;
    EXPECT_EQ(x.opisWariantuPk(t, 6), 6);
    EXPECT_EQ(t, "");
    ASSERT_EQ(x.ustalTypPk(3), 0);
    x.opisWariantuPk(t, 8);
    EXPECT_EQ(t, tekst(188));
    x.opisTypuPk(t, 0);
    EXPECT_EQ(t, tekst(171));
    EXPECT_EQ(x.opisWariantuLk(1, t, 3), 3);
    EXPECT_EQ(t, tekst(402));
}

TEST(Xrm, RecordLayout) {
    Srodowisko s(4);
    Xrm x(42);
    ASSERT_EQ(x.ustalBhu(1), 0);
    ASSERT_EQ(x.ustalPu(1), 0);
    ASSERT_EQ(x.ustalTypPk(3), 0);
    ASSERT_EQ(x.ustalWariantPk(6), 0);
    for (int n = 1; n <= 4; ++n) {
        ASSERT_EQ(x.ustalTypLs(n, n == 2 ? 0 : (n == 1 ? 1 : 3)), 0);
        x.ustalWariantLs(n, n);
    }
    ASSERT_EQ(x.ustalWariantLk(1, 2), 0);
    ASSERT_EQ(x.ustalWariantLk(2, 3), 0);
    ASSERT_EQ(x.ustalStrefeLk(1, 700), 0);
    ASSERT_EQ(x.ustalStrefeLk(2, 3), 0);
    x.ustalKomunikatAlarmu(1, "ALARM 1");
    x.ustalKomunikatAlarmu(2, std::string(32, 'B'));
    x.ustalKomunikatUszkodzenia(1, "\x8C"
                                   "CIANA"); // Ś, 0x97 in the panel's code page
    x.ustalKomunikatUszkodzenia(2, "0123456789012345678901234567890123");

    Bajty b;
    x.zapiszBlok(b);
    ASSERT_EQ(b.size(), 146u);
    const Bajty naglowek(b.begin(), b.begin() + 25);
    const Bajty oczekiwany = {42, 0, 0, 0, 1, 1, 3, 1,    0, 3, 3, 0, 6,
                              1,  0, 3, 4, 2, 3, 2, 0xBC, 0, 3, 0, 0};
    EXPECT_EQ(naglowek, oczekiwany);
    EXPECT_EQ(blokTekstu(b, 25, 32), "ALARM 1" + std::string(25, ' '));
    EXPECT_EQ(blokTekstu(b, 57, 32), std::string(32, 'B'));
    EXPECT_EQ(blokTekstu(b, 89, 32), "\x97"
                                     "CIANA" +
                                         std::string(26, ' '));
    EXPECT_EQ(blokTekstu(b, 121, 25), "0123456789012345678901234");

    Bajty z;
    EXPECT_EQ(x.ustalZapytanie(z, 0xBB), 4);
    EXPECT_EQ(z, (Bajty{0xBB, 42, 0, 0}));
}

TEST(Xrm, ReaderRefusesTheFirstBadOrMissingField) {
    Srodowisko s(4);
    struct Przypadek {
        Bajty blok;
        int wynik;
    };
    const Bajty pelny = blokXrm(5);
    const auto obciety = [&](std::size_t n) { return Bajty(pelny.begin(), pelny.begin() + n); };
    const Przypadek przypadki[] = {
        {blokXrm(6), Xrm::bladNumeru},
        {Bajty{}, Xrm::bladNumeru},
        {obciety(4), Xrm::bladBhu},
        {obciety(6), Xrm::bladTypuPk},
        {obciety(10), Xrm::bladTypuLs},
        {obciety(17), Xrm::bladWariantuLk},
        {obciety(22), Xrm::bladStrefyLk},
        {obciety(88), Xrm::bladKomunikatuAlarmu},
        {obciety(145), Xrm::bladKomunikatuUszkodzenia},
        {blokXrm(5, {{6, 2}}), Xrm::bladTypuPk},
        {blokXrm(5, {{10, 4}}), Xrm::bladTypuLs},
        {blokXrm(5, {{12, 9}}), Xrm::bladWariantuPk},
        {blokXrm(5, {{16, 9}}), Xrm::bladWariantuLs},
        {blokXrm(5, {{18, 4}}), Xrm::bladWariantuLk},
        {pelny, 0},
    };
    for (const auto& p : przypadki) {
        Xrm x(5);
        EXPECT_EQ(x.odczytajBlok(p.blok), p.wynik) << p.blok.size();
    }

    // Fields before the refused one keep what the record carried, the rest their old values.
    Xrm x(5);
    ASSERT_EQ(x.ustalWariantLk(1, 2), 0);
    EXPECT_EQ(x.odczytajBlok(blokXrm(5, {{4, 1}, {6, 3}, {12, 7}, {16, 9}, {17, 1}})),
              Xrm::bladWariantuLs);
    EXPECT_TRUE(x.podajBhu().czyObecny());
    EXPECT_EQ(x.podajPk().podajTyp(), 3);
    EXPECT_EQ(x.podajPk().podajWariant(), 7);
    EXPECT_EQ(x.wejscie(1).podajWariant(), 2);

    // A variant left by an earlier type is carried, not refused.
    EXPECT_EQ(x.odczytajBlok(blokXrm(5, {{6, 1}, {12, 8}})), 0);
    EXPECT_EQ(x.podajPk().podajWariant(), 8);
}

TEST(Xrm, ReaderPadsMessagesWithBlanks) {
    Srodowisko s(4);
    Bajty b = blokXrm(3);
    for (int i = 25; i < 146; ++i) b[static_cast<std::size_t>(i)] = 'Q';
    b[30] = 0; // a message ends at a zero byte
    b[89] = 0x97;
    Xrm x(3);
    ASSERT_EQ(x.odczytajBlok(b), 0);
    EXPECT_EQ(x.wejscie(1).podajKomunikatAlarmu(), "QQQQQ" + std::string(27, ' '));
    EXPECT_EQ(x.wejscie(1).podajKomunikatUszkodzenia(), "\x8C" + std::string(31, 'Q'));
    EXPECT_EQ(x.wejscie(2).podajKomunikatUszkodzenia(), std::string(25, 'Q') + std::string(7, ' '));
    // A longer record is taken, its tail ignored.
    b.resize(160, 'X');
    Xrm y(3);
    EXPECT_EQ(y.odczytajBlok(b), 0);
    EXPECT_EQ(y, x);
}

// Random configuration of one sub-panel through its setters.
void losuj(Xrm& x, std::mt19937& g, int liczbaStref) {
    const auto los = [&](int od, int do_) { return std::uniform_int_distribution<>(od, do_)(g); };
    const int typy[] = {0, 1, 3};
    const std::string znaki = " ABCZ09-.\x8C\x8F\xA3\xA5\xB3\xB9\xD3\xF3";
    const auto tekst = [&] {
        std::string t;
        for (int i = los(0, 40); i > 0; --i) t += znaki[static_cast<std::size_t>(los(0, 17))];
        return t;
    };
    x.ustalPu(los(0, 1));
    x.ustalBhu(los(0, 1));
    x.ustalTypPk(typy[los(0, 2)]);
    x.ustalWariantPk(los(1, 8));
    for (int n = 1; n <= 4; ++n) {
        x.ustalTypLs(n, typy[los(0, 2)]);
        x.ustalWariantLs(n, los(1, 8));
        // A type change after the variant keeps the variant.
        if (los(0, 3) == 0) x.ustalTypLs(n, typy[los(0, 2)]);
    }
    for (int n = 1; n <= 2; ++n) {
        x.ustalWariantLk(n, los(0, 3));
        x.ustalStrefeLk(n, los(1, liczbaStref));
        x.ustalKomunikatAlarmu(n, tekst());
        x.ustalKomunikatUszkodzenia(n, tekst());
    }
}

TEST(Xrm, RandomRecordsSurviveTheirBlockOnEveryModel) {
    std::mt19937 g(20261211);
    for (int typ : {0, 3, 4, 5, 6}) {
        Srodowisko s(typ);
        const int liczba = s.c().liczbaXrm;
        for (int proba = 0; proba < 50; ++proba) {
            const int numer = std::uniform_int_distribution<>(1, liczba)(g);
            Xrm x(numer);
            losuj(x, g, s.c().liczbaStref);
            Bajty b;
            x.zapiszBlok(b);
            Xrm y(numer);
            ASSERT_EQ(y.odczytajBlok(b), 0) << typ;
            EXPECT_EQ(y, x) << "model " << typ << " number " << numer;
        }
    }
}

TEST(Xrm, TableWalkCarriesOneBlockPerRecord) {
    Srodowisko s(5);
    Centrala& c = s.c();
    ASSERT_EQ(c.liczbaXrm, 50);
    std::mt19937 g(7);
    for (int n = 1; n <= c.liczbaXrm; ++n) losuj(*c.xrm[n - 1], g, c.liczbaStref);
    std::vector<Xrm> oczekiwane;
    for (int n = 1; n <= c.liczbaXrm; ++n) oczekiwane.push_back(*c.xrm[n - 1]);

    std::vector<Bajty> bloki;
    for (PrzejscieTablicy p(c, c.poczXrm, c.poczXrm + c.liczbaXrm); !p.koniec(); p.dalej()) {
        Bajty b;
        p.biezacy().zapiszBlok(b);
        ASSERT_EQ(static_cast<int>(b.size()), p.biezacy().podajDlugoscBloku());
        bloki.push_back(b);
    }
    ASSERT_EQ(static_cast<int>(bloki.size()), c.liczbaXrm);

    for (int n = 1; n <= c.liczbaXrm; ++n) *c.xrm[n - 1] = Xrm(n);
    std::size_t i = 0;
    for (PrzejscieTablicy p(c, c.poczXrm, c.poczXrm + c.liczbaXrm); !p.koniec(); p.dalej())
        ASSERT_EQ(p.biezacy().odczytajBlok(bloki.at(i++)), 0);
    for (int n = 1; n <= c.liczbaXrm; ++n) EXPECT_EQ(*c.xrm[n - 1], oczekiwane[n - 1]) << n;
}

TEST(Xrm, KeyNamesTheFirstDeclaringLineElement) {
    Srodowisko s(4);
    Centrala& c = s.c();
    Xrm& x = *c.xrm[8];
    EXPECT_FALSE(x.czyZadeklarowany());
    EXPECT_EQ(x.podajKlucz(), 0x00006709u);
    zadeklaruj(c, 3, 17, 9);
    zadeklaruj(c, 5, 2, 9);
    EXPECT_TRUE(x.czyZadeklarowany());
    EXPECT_EQ(x.linia(), 3);
    EXPECT_EQ(x.adres(), 17);
    EXPECT_EQ(x.podajKlucz(), 0x03116709u);
    // Another type with the same number declares nothing.
    Xrm& y = *c.xrm[9];
    Element& e = *c.elementyLinii[0];
    ASSERT_EQ(e.ustalTyp(97), 0);
    ASSERT_EQ(e.podajTyp().ustalNumer(10), 0);
    EXPECT_FALSE(y.czyZadeklarowany());
}

TEST(Xrm, WritingOnAPanelModelDropsTheListsOfOutputsWithoutAssignments) {
    Srodowisko s(4);
    Centrala& c = s.c();
    Stos& stos = *c.stos;
    Xrm& x = *c.xrm[1];
    ASSERT_EQ(x.ustalTypPk(3), 0);
    ASSERT_EQ(x.ustalWariantPk(5), 0);
    ASSERT_EQ(x.ustalTypLs(1, 1), 0);
    ASSERT_EQ(x.ustalWariantLs(1, 2), 0);
    for (int p = 2; p <= 6; ++p) stos.dodajPrzypisanie(Stos::kodXrm, 2, p, 128, 10 + p, 0, 0);
    stos.dodajPrzypisanie(Stos::kodXrm, 3, 2, 128, 1, 0, 0); // another sub-panel
    Bajty b;
    x.zapiszBlok(b);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodXrm, 2, 2, 0), 1);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodXrm, 2, 3, 0), 1);
    for (int p = 4; p <= 6; ++p) EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodXrm, 2, p, 0), 0);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodXrm, 3, 2, 0), 1);

    // Variant 4 of type 3 takes no zones: the list goes with the next save.
    ASSERT_EQ(x.ustalWariantPk(4), 0);
    x.zapiszBlok(b);
    EXPECT_EQ(stos.liczbaPrzypisan(Stos::kodXrm, 2, 2, 0), 0);
}

// The stack takes the mode of an XRM output from the record, as the stack's source lookup does
// for kind 103.
TEST(Xrm, StackBlocksKeepEntriesOnlyForOutputsThatTakeZones) {
    Srodowisko s(4);
    Centrala& c = s.c();
    Stos& stos = *c.stos;
    stos.ustalTrybZrodla([&c](const Stos::Klucz& k) {
        if (k.kod != Stos::kodXrm || k.numer < 1 || k.numer > c.liczbaXrm) return 0;
        return c.xrm[static_cast<std::size_t>(k.numer - 1)]->trybPodnumeru(k.podnumer);
    });
    Xrm& x = *c.xrm[3];
    ASSERT_EQ(x.ustalTypPk(1), 0);
    ASSERT_EQ(x.ustalWariantPk(2), 0);
    ASSERT_EQ(x.ustalTypLs(4, 3), 0);
    ASSERT_EQ(x.ustalWariantLs(4, 1), 0);
    EXPECT_EQ(stos.odczytajBlok(blokStosu(4, 2, {{700, 3}, {5, 0}})), 0);
    EXPECT_EQ(stos.odczytajBlok(blokStosu(4, 6, {{9, 0}})), 0);
    EXPECT_EQ(x.podajPrzypisania(2), (std::vector<std::pair<int, int>>{{700, 3}, {5, 0}}));
    EXPECT_TRUE(x.podajPrzypisania(6).empty());
}

// Without a stand-in the stack asks the table itself: until it knows sub-panels it keeps nothing
// for them, and once it does it keeps exactly what the record's modes allow.
TEST(Xrm, StackAsksTheTableForTheModesOfSubPanelOutputs) {
    Srodowisko s(6);
    Centrala& c = s.c();
    Xrm& x = *c.xrm[c.liczbaXrm - 1];
    ASSERT_EQ(x.ustalTypLs(2, 3), 0);
    ASSERT_EQ(x.ustalWariantLs(2, 8), 0);
    EXPECT_EQ(c.stos->odczytajBlok(blokStosu(c.liczbaXrm, 4, {{17, 2}})), 0);
    EXPECT_EQ(c.stos->odczytajBlok(blokStosu(c.liczbaXrm, 2, {{18, 2}})), 0);
    const auto ls2 = x.podajPrzypisania(4);
    EXPECT_TRUE(ls2.empty() || ls2 == (std::vector<std::pair<int, int>>{{17, 2}}));
    EXPECT_TRUE(x.podajPrzypisania(2).empty());
}

TEST(Xrm, XmlOfOutputsInputsAndModule) {
    Srodowisko s(4);
    Centrala& c = s.c();
    Xrm& x = *c.xrm[1];
    ASSERT_EQ(x.ustalPu(1), 0);
    ASSERT_EQ(x.ustalTypPk(3), 0);
    ASSERT_EQ(x.ustalWariantPk(6), 0);
    ASSERT_EQ(x.ustalTypLs(1, 3), 0);
    ASSERT_EQ(x.ustalWariantLs(1, 7), 0);
    ASSERT_EQ(x.ustalTypLs(3, 1), 0);
    ASSERT_EQ(x.ustalWariantLs(3, 1), 0);
    ASSERT_EQ(x.ustalWariantLk(2, 1), 0);
    x.ustalKomunikatUszkodzenia(2, "USZK <LK2>");
    x.ustalKomunikatAlarmu(2, "ALARM & LK2");
    x.ustalKomunikatUszkodzenia(1, "NOT LK1");
    c.stos->dodajPrzypisanie(Stos::kodXrm, 2, 2, 128, 12, 1, 0);
    c.stos->dodajPrzypisanie(Stos::kodXrm, 2, 3, 128, 99, 0, 0); // LS 1
    c.stos->dodajPrzypisanie(Stos::kodXrm, 2, 2, 128, 700, 3, 0);

    std::string xml;
    x.zapiszXML(xml, 0xFF);
    EXPECT_EQ(xml, "") << "an undeclared sub-panel writes nothing";

    zadeklaruj(c, 2, 5, 2);
    x.zapiszXML(xml, 16);
    EXPECT_EQ(xml,
              "<output><id>02056702</id><hardware_type>1</hardware_type><nr>1</nr><type>1</type>"
              "<variant>0</variant></output>"
              "<output><id>02056702</id><hardware_type>1</hardware_type><nr>2</nr><type>3</type>"
              "<variant>6</variant><zones>"
              "<zone><zone_nr>12</zone_nr><control_panel_nr>1</control_panel_nr></zone>"
              "<zone><zone_nr>700</zone_nr><control_panel_nr>3</control_panel_nr></zone>"
              "</zones></output>");

    xml.clear();
    x.zapiszXML(xml, 8);
    EXPECT_EQ(xml, "<input><id>22056702</id><nr>2</nr><variant>1</variant>"
                   "<fault_message>USZK &lt;LK2&gt;                      </fault_message>"
                   "<tech_alarm_message>ALARM &amp; LK2                     </tech_alarm_message>"
                   "</input>");

    // The module is written only while present.
    xml.clear();
    x.ustalTypPk(0);
    x.ustalPu(0);
    x.zapiszXML(xml, 16);
    EXPECT_EQ(xml, "");
    ASSERT_EQ(x.ustalBhu(1), 0);
    x.zapiszXML(xml, 16);
    EXPECT_EQ(xml,
              "<module><id>02056702</id>"
              "<output><id>12056702</id><hardware_type>2</hardware_type><nr>1</nr><type>3</type>"
              "<variant>7</variant><zones>"
              "<zone><zone_nr>99</zone_nr><control_panel_nr>0</control_panel_nr></zone>"
              "</zones></output>"
              "<output><id>32056702</id><hardware_type>2</hardware_type><nr>3</nr><type>1</type>"
              "<variant>1</variant></output>"
              "</module>");
}

TEST(Xrm, InputXmlByVariant) {
    Srodowisko s(3);
    Centrala& c = s.c();
    zadeklaruj(c, 1, 1, 1);
    Xrm& x = *c.xrm[0];
    x.ustalKomunikatUszkodzenia(1, "F");
    x.ustalKomunikatAlarmu(1, "T");
    ASSERT_EQ(x.ustalStrefeLk(1, 33), 0);
    const std::string f = "<fault_message>F" + std::string(31, ' ') + "</fault_message>";
    const std::string t = "<tech_alarm_message>T" + std::string(31, ' ') + "</tech_alarm_message>";
    const std::string pocz = "<input><id>11016701</id><nr>1</nr><variant>";
    const std::pair<int, std::string> przypadki[] = {
        {0, ""},
        {2, pocz + "2</variant><zone>33</zone>" + f + "</input>"},
        {3, pocz + "3</variant>" + t + "</input>"},
    };
    for (const auto& [wariant, oczekiwany] : przypadki) {
        ASSERT_EQ(x.ustalWariantLk(1, wariant), 0);
        std::string xml;
        x.zapiszXML(xml, 8 | 16);
        EXPECT_EQ(xml, oczekiwany) << wariant;
    }
}

// Zones count the sub-panels whose first input names them once the zone asks the record.
TEST(Xrm, ZoneCountsTheSubPanelOfItsFirstInput) {
    Srodowisko s(4);
    Centrala& c = s.c();
    zadeklaruj(c, 1, 4, 5);
    ASSERT_EQ(c.xrm[4]->ustalStrefeLk(1, 9), 0);
    ASSERT_EQ(c.xrm[4]->ustalStrefeLk(2, 1), 0);
    // Until zones ask the record they count no sub-panel; once they do, exactly this one.
    const int w9 = c.strefy[8]->podajPrzypisania().jednostkiXrm;
    EXPECT_TRUE(w9 == 0 || w9 == 1);
    EXPECT_EQ(c.strefy[0]->podajPrzypisania().jednostkiXrm, 0);
}

} // namespace
