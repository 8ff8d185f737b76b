// The configuration file and the settings file.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/plik.h"
#include "core/plik_konfiguracji.h"
#include "core/przejscie_tablicy.h"
#include "core/ustawienia.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/brx.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/lk.h"
#include "elements/outputs/ls.h"
#include "elements/outputs/pk.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/xgn.h"
#include "elements/outputs/xgn30.h"
#include "elements/outputs/xrm.h"
#include "lang/formatowanie.h"
#include "lang/kodowanie.h"
#include "platform/pliki.h"
#include "wspolne/katalog_testu.h"
#include "wspolne/otoczenie_testowe.h"
#include "wspolne/srodowisko.h"

namespace fs = std::filesystem;

namespace {

class Katalog {
public:
    Katalog() { sciezka = nowyKatalogTestu("panelcfg-plik"); }
    ~Katalog() { fs::remove_all(sciezka); }
    std::string operator/(const std::string& nazwa) const { return (sciezka / nazwa).string(); }

    fs::path sciezka;
};

std::vector<std::uint8_t> bajty(const std::string& sciezka) {
    return *platform::czytajPlik(sciezka);
}

// Rewrites the trailer so that only the change under test is wrong.
void poprawSume(std::vector<std::uint8_t>& d) {
    const std::uint16_t s = sumaKontrolna(std::span(d).first(d.size() - 2));
    d[d.size() - 2] = static_cast<std::uint8_t>(s >> 8);
    d[d.size() - 1] = static_cast<std::uint8_t>(s & 0xFF);
}

// Changes a few objects of every kind whose record is kept, and the assignment stack.
void wypelnij(Centrala& c) {
    for (int n = 1; n <= c.liczbaStref; n += 7)
        c.strefy[n - 1]->ustalKomunikat(utf8NaStronaKodowa("Hala ŁÓDŹ " + std::to_string(n), 1250));
    c.pk[2]->ustalTyp(3);
    c.pk[2]->ustalWariant(5);
    c.pk[2]->ustalOpoznienieMin(2);
    c.lk[1]->ustalWariant(1);
    c.blc->ustalZadeklarowany(1, true);
    c.blc->ustalLiniePromieniowa(1, 2, true);
    if (c.podajFormatRozszerzony() != 0) {
        for (int z = 1; z <= 150; ++z) c.stos->dodajPrzypisanie(Stos::kodPk, 3, 0, 128, z, 0, 0);
    } else {
        c.pk[2]->podajMatryce()->ustaw(17, 0, 1);
    }
}

class PlikModelu : public ::testing::TestWithParam<int> {};

// Loads a file into a fresh root of the model and saves it again; the bytes of the new file.
std::vector<std::uint8_t> wczytajIZapisz(int typ, const std::string& z, const std::string& do_) {
    Srodowisko s(typ);
    OtoczenieTestowe o;
    EXPECT_EQ(odczytajKonfiguracje(z, o), WynikPliku::ok);
    EXPECT_TRUE(o.bledyDanych.empty());
    EXPECT_EQ(o.bledyPliku, 0);
    EXPECT_EQ(s.c().podajZmiany(), 1);
    EXPECT_EQ(zapiszKonfiguracje(do_, o), WynikPliku::ok);
    return bajty(do_);
}

TEST_P(PlikModelu, SaveLoadSaveGivesTheSameFile) {
    Katalog k;
    std::vector<std::uint8_t> pierwszy;
    {
        Srodowisko s(GetParam());
        wypelnij(s.c());
        OtoczenieTestowe o;
        s.c().ustalZmiany(1);
        ASSERT_EQ(zapiszKonfiguracje(k / "a.ctr", o), WynikPliku::ok);
        EXPECT_EQ(s.c().podajZmiany(), 0);
        pierwszy = bajty(k / "a.ctr");
        EXPECT_EQ(sprawdzSumeKontrolna(k / "a.ctr"), 0);
        EXPECT_EQ(std::string(pierwszy.begin(), pierwszy.begin() + 13),
                  s.c().podajSygnature() + "v3.1");
    }
    const auto drugi = wczytajIZapisz(GetParam(), k / "a.ctr", k / "b.ctr");
    EXPECT_EQ(wczytajIZapisz(GetParam(), k / "b.ctr", k / "c.ctr"), drugi);
    // A new empty address holds mode 1, one read from a record mode 0: the only bytes that may
    // differ after the first load (and the trailer that sums them).
    ASSERT_EQ(drugi.size(), pierwszy.size());
    for (std::size_t i = 0; i + 2 < drugi.size(); ++i) {
        if (drugi[i] != pierwszy[i]) {
            EXPECT_EQ(pierwszy[i], 1) << i;
            EXPECT_EQ(drugi[i], 0) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Modele, PlikModelu, ::testing::Values(0, 3, 4, 5, 6));

TEST(PlikKonfiguracji, OnlyTheModelOfTheSignatureReadsTheFile) {
    Katalog k;
    {
        Srodowisko s(0);
        OtoczenieTestowe o;
        ASSERT_EQ(zapiszKonfiguracje(k / "ogolna.ctr", o), WynikPliku::ok);
    }
    {
        Srodowisko s(4);
        OtoczenieTestowe o;
        EXPECT_EQ(odczytajKonfiguracje(k / "ogolna.ctr", o), WynikPliku::bladFormatu);
        EXPECT_EQ(o.bledyPliku, 1);
        EXPECT_EQ(s.c().podajZmiany(), 0);
    }
    Srodowisko s(0);
    OtoczenieTestowe o;
    EXPECT_EQ(odczytajKonfiguracje(k / "ogolna.ctr", o), WynikPliku::ok);
}

TEST(PlikKonfiguracji, RejectedFileLeavesEverythingAsItWas) {
    Katalog k;
    Srodowisko s(4);
    wypelnij(s.c());
    OtoczenieTestowe o;
    ASSERT_EQ(zapiszKonfiguracje(k / "a.ctr", o), WynikPliku::ok);
    auto d = bajty(k / "a.ctr");

    s.c().strefy[0]->ustalKomunikat("Zmieniony");
    s.c().stos->dodajPrzypisanie(Stos::kodPk, 5, 0, 128, 1, 0, 0);
    Xrm::flagi.ustalPrzesylanie(0);
    const int wpisy = s.c().stos->podajLiczbeWpisow();

    struct Przypadek {
        const char* opis;
        std::vector<std::uint8_t> plik;
        WynikPliku wynik;
    };
    auto zmienionyBajt = d;
    zmienionyBajt[200] ^= 0x01; // trailer not fixed
    auto zlyStempel = d;
    zlyStempel[10] = '6';
    poprawSume(zlyStempel);
    auto bezLitery = d;
    bezLitery[9] = 'x';
    poprawSume(bezLitery);
    const Przypadek przypadki[] = {
        {"changed byte", zmienionyBajt, WynikPliku::bladSumy},
        {"stamp v6", zlyStempel, WynikPliku::bladFormatu},
        {"stamp without v", bezLitery, WynikPliku::bladFormatu},
        {"one byte", {0x4D}, WynikPliku::bladSumy},
        {"empty", {}, WynikPliku::bladSumy},
    };
    for (const auto& p : przypadki) {
        ASSERT_TRUE(platform::zapiszPlik(k / "zly.ctr", p.plik));
        EXPECT_EQ(odczytajKonfiguracje(k / "zly.ctr", o), p.wynik) << p.opis;
        EXPECT_EQ(s.c().strefy[0]->podajOpis(0), naSzerokosc("Zmieniony", 64)) << p.opis;
        EXPECT_EQ(s.c().stos->podajLiczbeWpisow(), wpisy) << p.opis;
        EXPECT_EQ(Xrm::flagi.przesylanie, 0) << p.opis;
    }
    EXPECT_EQ(o.bledyPliku, 5);
    EXPECT_EQ(odczytajKonfiguracje(k / "brak.ctr", o), WynikPliku::brakPliku);
    EXPECT_EQ(naUtf8(o.bledy.back(), 1250), "Nie znaleziono pliku" + (k / "brak.ctr"));
    Xrm::flagi.ustalPrzesylanie(1);
}

TEST(PlikKonfiguracji, RecordsMustFillTheFileExactly) {
    Katalog k;
    Srodowisko s(5);
    OtoczenieTestowe o;
    ASSERT_EQ(zapiszKonfiguracje(k / "a.ctr", o), WynikPliku::ok);
    const auto d = bajty(k / "a.ctr");

    auto krotki =
        std::vector<std::uint8_t>(d.begin(), d.begin() + static_cast<std::ptrdiff_t>(d.size() / 2));
    krotki.resize(krotki.size() + 2);
    poprawSume(krotki);
    auto dluzszy = std::vector<std::uint8_t>(d.begin(), d.end() - 2);
    dluzszy.insert(dluzszy.end(), {1, 2, 3, 0, 0});
    poprawSume(dluzszy);
    for (const auto& plik : {krotki, dluzszy}) {
        ASSERT_TRUE(platform::zapiszPlik(k / "zly.ctr", plik));
        o.bledyPliku = 0;
        EXPECT_EQ(odczytajKonfiguracje(k / "zly.ctr", o), WynikPliku::bladFormatu);
        EXPECT_EQ(o.bledyPliku, 1);
    }
}

TEST(PlikKonfiguracji, RefusedRecordAsksToSkipOrStop) {
    Katalog k;
    Srodowisko s(4);
    OtoczenieTestowe o;
    ASSERT_EQ(zapiszKonfiguracje(k / "a.ctr", o), WynikPliku::ok);
    auto d = bajty(k / "a.ctr");
    // The first relay record: the length byte 74 and the relay kind 1 at the start of the PK range.
    const std::vector<std::uint8_t> poczatek = {74, 1, 1};
    const auto it = std::search(d.begin(), d.end(), poczatek.begin(), poczatek.end());
    ASSERT_NE(it, d.end());
    *(it + 3) = 9; // relay type 9 does not exist
    poprawSume(d);
    ASSERT_TRUE(platform::zapiszPlik(k / "zly.ctr", d));

    s.c().lk[0]->ustalWariant(2);
    o.wyborBleduDanych = WyborBleduDanych::zakoncz;
    EXPECT_EQ(odczytajKonfiguracje(k / "zly.ctr", o), WynikPliku::przerwano);
    ASSERT_EQ(o.bledyDanych.size(), 1u);
    EXPECT_EQ(o.bledyDanych[0].indeks, s.c().poczPk);
    EXPECT_EQ(o.bledyDanych[0].kod, 3);
    EXPECT_EQ(s.c().lk[0]->podajWariant(), 2); // reading stopped before the control lines
    EXPECT_EQ(s.c().podajZmiany(), 1);

    o.wyborBleduDanych = WyborBleduDanych::pomin;
    EXPECT_EQ(odczytajKonfiguracje(k / "zly.ctr", o), WynikPliku::ok);
    EXPECT_EQ(o.bledyDanych.size(), 2u);
    EXPECT_EQ(s.c().lk[0]->podajWariant(), 0);
}

TEST(PlikKonfiguracji, ExtensionPackagesOnlyInFilesOfThe7600) {
    Katalog k;
    const std::vector<std::uint8_t> blokParametrow = {18, 3, 0, 0, 5, 0, 5};
    for (int typ : {3, 4}) {
        Srodowisko s(typ);
        OtoczenieTestowe o;
        ASSERT_EQ(zapiszKonfiguracje(k / "a.ctr", o), WynikPliku::ok);
        const auto d = bajty(k / "a.ctr");
        const bool jest = std::search(d.begin(), d.end(), blokParametrow.begin(),
                                      blokParametrow.end()) != d.end();
        EXPECT_EQ(jest, typ == 3);
    }
}

TEST(PlikKonfiguracji, VersionStampDecidesWhichKindsTheFileHolds) {
    struct Przypadek {
        const char* stempel;
        bool xgn, xgn30, hva, xrm;
    };
    for (const auto& p : {Przypadek{"v1.2", false, false, false, false},
                          {"v1.3", true, false, false, false},
                          {"v2.3", true, true, false, false},
                          {"v2.8", true, true, true, false},
                          {"v3.0", true, true, true, false},
                          {"v3.1", true, true, true, true}}) {
        const auto w = rodzajeWersji(p.stempel);
        EXPECT_EQ(w.xgn, p.xgn) << p.stempel;
        EXPECT_EQ(w.xgn30, p.xgn30) << p.stempel;
        EXPECT_EQ(w.hva, p.hva) << p.stempel;
        EXPECT_EQ(w.xrm, p.xrm) << p.stempel;
    }
}

// A file of an older version: the kinds its stamp leaves out have no records in it.
std::vector<std::uint8_t> plikWersji(Centrala& c, const std::string& stempel) {
    std::vector<std::uint8_t> d(c.podajSygnature().begin(), c.podajSygnature().end());
    d.insert(d.end(), stempel.begin(), stempel.end());
    const RodzajeWersji w = rodzajeWersji(stempel);
    Xgn::flagi.ustalPrzesylanie(w.xgn);
    Xgn30::flagi.ustalPrzesylanie(w.xgn30);
    Hva::flagi.ustalPrzesylanie(w.hva);
    Xrm::flagi.ustalPrzesylanie(w.xrm);
    c.stos->zerujKursor();
    Bajty blok;
    for (PrzejscieTablicy p(c); !p.koniec(); p.dalej()) {
        p.biezacy().zapiszBlok(blok);
        d.push_back(static_cast<std::uint8_t>(blok.size()));
        d.insert(d.end(), blok.begin(), blok.end());
    }
    for (FlagiKlasy* f : {&Xgn::flagi, &Xgn30::flagi, &Hva::flagi, &Xrm::flagi})
        f->ustalPrzesylanie(1);
    d.resize(d.size() + 2);
    poprawSume(d);
    return d;
}

TEST(PlikKonfiguracji, OlderFileLeavesTheKindsItDoesNotHoldAsTheyWere) {
    Katalog k;
    Srodowisko s(4);
    s.c().hva[0]->ustalTyp(1);
    s.c().xrm[0]->ustalTypPk(1);
    s.c().xgn[0]->ustalWariant(2);
    ASSERT_TRUE(platform::zapiszPlik(k / "v23.ctr", plikWersji(s.c(), "v2.3")));
    s.c().hva[0]->ustalTyp(3);
    s.c().xrm[0]->ustalTypPk(3);
    s.c().xgn[0]->ustalWariant(3);
    OtoczenieTestowe o;
    ASSERT_EQ(odczytajKonfiguracje(k / "v23.ctr", o), WynikPliku::ok);
    EXPECT_TRUE(o.bledyDanych.empty());
    EXPECT_EQ(s.c().xgn[0]->podajWariant(), 2); // in the file since 1.3
    EXPECT_EQ(s.c().hva[0]->podajTyp(), 3);     // not in a 2.3 file: as it was
    EXPECT_EQ(s.c().xrm[0]->podajPk().podajTyp(), 3);
    EXPECT_EQ(Hva::flagi.przesylanie, 0);
    EXPECT_EQ(Xrm::flagi.przesylanie, 0);
    for (FlagiKlasy* f : {&Xgn::flagi, &Xgn30::flagi, &Hva::flagi, &Xrm::flagi})
        f->ustalPrzesylanie(1);
}

TEST(PlikKonfiguracji, FailedSaveKeepsThePreviousFileAndTheChangesFlag) {
    Katalog k;
    Srodowisko s(4);
    OtoczenieTestowe o;
    s.c().ustalZmiany(1);
    fs::create_directories(k.sciezka / "katalog.ctr");
    EXPECT_EQ(zapiszKonfiguracje(k / "katalog.ctr", o), WynikPliku::bladZapisu);
    EXPECT_TRUE(fs::is_directory(k.sciezka / "katalog.ctr"));
    EXPECT_EQ(zapiszKonfiguracje(k / "brak/a.ctr", o), WynikPliku::bladZapisu);
    EXPECT_EQ(s.c().podajZmiany(), 1);
    EXPECT_EQ(o.bledy.size(), 2u);
    EXPECT_EQ(std::distance(fs::directory_iterator(k.sciezka), fs::directory_iterator()),
              1); // no leftovers
}

TEST(PlikKonfiguracji, ChecksumOfAFile) {
    Katalog k;
    ASSERT_TRUE(platform::zapiszPlik(k / "a.ctr", std::vector<std::uint8_t>{0xFF, 0xFF, 0x02}));
    EXPECT_EQ(dopiszSumeKontrolna(k / "a.ctr"), 0);
    EXPECT_EQ(bajty(k / "a.ctr"), (std::vector<std::uint8_t>{0xFF, 0xFF, 0x02, 0x02, 0x00}));
    EXPECT_EQ(sprawdzSumeKontrolna(k / "a.ctr"), 0);
    EXPECT_EQ(sprawdzSumeKontrolna(k / "brak.ctr"), 2);
    EXPECT_EQ(dopiszSumeKontrolna(k / "brak.ctr"), 1);
}

class Ustawienia : public ::testing::Test {
protected:
    Ustawienia() { plik = &p; }
    ~Ustawienia() override { plik = nullptr; }
    Plik p;
};

TEST_F(Ustawienia, RoundTripOfALongDirectoryAndThePanelType) {
    Katalog k;
    {
        Srodowisko s(5);
        p.ustalOstatniKatalog("/" + std::string(199, 'k'));
        ASSERT_TRUE(zapiszUstawienia(k / "panelcfg.ini"));
    }
    const auto d = bajty(k / "panelcfg.ini");
    EXPECT_EQ(std::string(d.begin(), d.begin() + 4), "\\\\.\\");
    EXPECT_EQ(d[4], 200);
    EXPECT_EQ(d.back(), 5);
    p.ustalOstatniKatalog("");
    Srodowisko s(0);
    EXPECT_EQ(odczytajUstawienia(k / "panelcfg.ini"), WynikUstawien::odczytano);
    EXPECT_EQ(p.podajOstatniKatalog(), "/" + std::string(199, 'k'));
    EXPECT_EQ(s.c().podajTypZapamietany(), 5);
    EXPECT_EQ(jezyk->podajJezyk(), "polish");
}

TEST_F(Ustawienia, GenericRootRemembersNoModelAndDamagedFilesAreSafe) {
    Katalog k;
    Srodowisko s(0);
    ASSERT_TRUE(zapiszUstawienia(k / "panelcfg.ini"));
    auto d = bajty(k / "panelcfg.ini");
    EXPECT_EQ(d.back(), 0);
    EXPECT_EQ(odczytajUstawienia(k / "panelcfg.ini"), WynikUstawien::odczytano);
    EXPECT_EQ(s.c().podajTypZapamietany(), 0);
    EXPECT_EQ(odczytajUstawienia(k / "brak.ini"), WynikUstawien::brak);
    for (std::size_t dlugosc = 0; dlugosc + 1 < d.size(); ++dlugosc) {
        EXPECT_EQ(zastosujUstawienia(std::span(d).first(dlugosc)), WynikUstawien::uszkodzony)
            << dlugosc;
    }
    d[4] = 250; // a directory longer than the file
    EXPECT_EQ(zastosujUstawienia(d), WynikUstawien::uszkodzony);
}

} // namespace
