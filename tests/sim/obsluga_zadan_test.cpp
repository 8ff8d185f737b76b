#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "comm/odpowiedz.h"
#include "comm/ramka.h"
#include "core/element_systemu.h"
#include "core/globalne.h"
#include "lang/kodowanie.h"
#include "lang/language.h"
#include "memory/pamiec_zdarzen.h"
#include "sim/magazyn_blokow.h"
#include "sim/obsluga_zadan.h"
#include "sim/ramka_odpowiedzi.h"
#include "sim/teksty_pamieci.h"

namespace {

Bajty zadanie(std::uint8_t nr, const Bajty& dane = {}) {
    Bajty r(dane.size() + ramka::narzutRamki);
    r.resize(static_cast<std::size_t>(ustalBlokRS(ramka::funkcjaZadania, nr, dane, r)));
    return r;
}

Bajty dane(const Bajty& odpowiedz) {
    const auto d = podajDane(odpowiedz);
    return Bajty(d.begin(), d.end());
}

// The lines of a text whose every line, the last one too, ends with CR (so a listing shows the
// separator line under the text, not after its last characters).
std::vector<std::string> linie(const std::string& t) {
    std::vector<std::string> w(1);
    for (char z : t) {
        if (z == sim::separatorLinii)
            w.emplace_back();
        else
            w.back() += z;
    }
    EXPECT_TRUE(w.back().empty()) << "the last line has no CR";
    w.pop_back();
    return w;
}

bool czyData(const std::string& s) {
    const std::string wzor = "dddd-dd-dd dd:dd:dd";
    if (s.size() != wzor.size() || s.compare(0, 2, "20") != 0) return false;
    for (std::size_t i = 0; i < s.size(); ++i)
        if ((wzor[i] == 'd') != (s[i] >= '0' && s[i] <= '9') || (wzor[i] != 'd' && s[i] != wzor[i]))
            return false;
    return true;
}

class ObslugaZadanTest : public ::testing::Test {
protected:
    ObslugaZadanTest() { jezyk = &j; }
    ~ObslugaZadanTest() override { jezyk = nullptr; }

    Bajty obsluz(const Bajty& z) { return obsluga.obsluz(z).ramka; }

    Language j;
    sim::UstawieniaPanelu u;
    sim::MagazynBlokow m;
    sim::ObslugaZadan obsluga{u, m};
};

TEST(OdpowiedzIdentyfikacji, BajtyOdpowiedzi) {
    sim::MagazynBlokow m;
    sim::ObslugaZadan o({}, m);
    // 02 0C 00 00 30 10 30 10 00 A0 DE 0A 02
    const Bajty z = zadanie(ramka::nrZapytaniaIdentyfikacji);
    ASSERT_EQ(
        z, (Bajty{0x02, 0x0C, 0x00, 0x00, 0x30, 0x10, 0x30, 0x10, 0x00, 0xA0, 0xDE, 0x0A, 0x02}));
    const Bajty oczekiwana{0x02, 0x17, 0x00, 0x00, 0x30, 0x10, 0x30, 0x10, 0x20, 0x00, 0x9E, 'P',
                           'S',  'C',  '7',  '8',  '0',  '0',  'V',  '4',  '.',  '0',  0xF2, 0x03};
    EXPECT_EQ(o.obsluz(z).ramka, oczekiwana);
}

TEST(OdpowiedzIdentyfikacji, TypIWersjaKazdegoModelu) {
    struct Przypadek {
        int typ;
        std::uint8_t flagi;
        int glowna, poboczna;
        const char* tekst;
    };
    for (const Przypadek& p :
         {Przypadek{4, 0x20, 4, 0, "PSC7800V4.0"}, Przypadek{5, 0xA0, 2, 1, "PSC7400V2.1"},
          Przypadek{3, 0x60, 1, 8, "PSC7600V1.8"}, Przypadek{6, 0xC0, 0, 9, "PSC7200V0.9"}}) {
        SCOPED_TRACE(p.tekst);
        sim::MagazynBlokow m;
        sim::UstawieniaPanelu u;
        u.typ = p.typ;
        u.wersjaGlowna = p.glowna;
        u.wersjaPoboczna = p.poboczna;
        sim::ObslugaZadan o(u, m);
        const Bajty r = o.obsluz(zadanie(ramka::nrZapytaniaIdentyfikacji)).ramka;
        const Odpowiedz w = sprawdzOdpowiedzTestu(r);
        ASSERT_TRUE(w.czyPrzyjeta());
        EXPECT_EQ(r[ramka::offTypCentrali], p.flagi);
        EXPECT_EQ(w.typCentrali, p.typ);
        EXPECT_EQ(std::string(w.dane.begin(), w.dane.end()), p.tekst);
    }
}

TEST_F(ObslugaZadanTest, ZlaRamkaBezOdpowiedzi) {
    Bajty z = zadanie(ramka::nrZapytaniaIdentyfikacji);
    z.back() ^= 1;
    EXPECT_TRUE(obsluz(z).empty());
    EXPECT_TRUE(obsluz(Bajty{0x02, 0x0C, 0x00}).empty());
}

TEST_F(ObslugaZadanTest, ZapisanyBlokWracaOdczytem) {
    const Bajty strefa{0x00, 0x05, 'H', 'a', 'l', 'a', 0x9D, 0x00, 0x01};
    const Bajty r = obsluz(zadanie(0x74, strefa));
    EXPECT_EQ(podajNrFunkcji(r), 0x74);
    EXPECT_EQ(sprawdzACK(sprawdzOdpowiedzZapisu(r).dane), StatusZapisu::przyjety);
    const Bajty o = obsluz(zadanie(0xA4, {0x00, 0x00, 0x05}));
    ASSERT_TRUE(sprawdzOdpowiedzOdczytu(o, strefa.size()).czyPrzyjeta());
    EXPECT_EQ(podajNrFunkcji(o), 0xA4);
    EXPECT_EQ(dane(o), strefa);
    // A record never written has no bytes to give.
    EXPECT_TRUE(dane(obsluz(zadanie(0xA4, {0x00, 0x00, 0x06}))).empty());
}

TEST_F(ObslugaZadanTest, BlokBezKluczaOdrzucony) {
    const Bajty r = obsluz(zadanie(0x8C, {1, 2, 3}));
    EXPECT_EQ(sprawdzACK(dane(r)), StatusZapisu::odrzucony);
    EXPECT_EQ(m.liczbaBlokow(), 0u);
}

TEST(Zablokowana, ZapisOdmowionyINicNieZapisane) {
    sim::MagazynBlokow m;
    sim::UstawieniaPanelu u;
    u.zablokowana = true;
    sim::ObslugaZadan o(u, m);
    const Bajty r = o.obsluz(zadanie(0x74, {0x00, 0x05, 'A', 0})).ramka;
    EXPECT_EQ(sprawdzOdpowiedzZapisu(r).wynik, WynikOdpowiedzi::odmowaDostepu);
    EXPECT_EQ(dane(r), Bajty{3});
    EXPECT_EQ(m.liczbaBlokow(), 0u);
}

TEST_F(ObslugaZadanTest, PustaStronaStosu) {
    // Request {kind, index, 0, number, sub-number, offset}: the page header of that key.
    for (const std::uint8_t nr : {sim::nrOdczytuStosu, sim::nrOdczytuStosuStary}) {
        const Bajty r = obsluz(zadanie(nr, {0x71, 0x03, 0x00, 0x2A, 0x02, 0x00, 0x40}));
        EXPECT_EQ(podajNrFunkcji(r), nr);
        EXPECT_EQ(dane(r), (Bajty{0x71, 0x03, 0x00, 0x2A, 0x02, 0, 0, 0, 0, 0, 0, 0x00, 0x40, 0}));
    }
}

TEST_F(ObslugaZadanTest, NieznaneZadaniePustaOdpowiedz) {
    const Bajty r = obsluz(zadanie(0x11, {1, 2}));
    ASSERT_TRUE(sprawdzRamke(r).czyPrzyjeta());
    EXPECT_EQ(podajNrFunkcji(r), 0x11);
    EXPECT_TRUE(dane(r).empty());
}

Bajty zapytaniePamieci(int numer, std::uint8_t rodzaj) {
    return zadanie(ramka::nrZapytaniaPamieci, {0, static_cast<std::uint8_t>(numer >> 8),
                                               static_cast<std::uint8_t>(numer), rodzaj, 0});
}

TEST_F(ObslugaZadanTest, StanPamieciDlaKlienta) {
    PamiecZdarzen p;
    const Bajty r = obsluz(zapytaniePamieci(0, 0));
    ASSERT_TRUE(sprawdzOdpowiedzTestu(r).czyPrzyjeta());
    EXPECT_EQ(podajNrFunkcji(r), ramka::nrOdpowiedziStanuPamieci);
    EXPECT_EQ(p.odczytajStatus(podajDane(r)), 100);
    EXPECT_EQ(p.odczytajStatus(podajDane(obsluz(zapytaniePamieci(0, 2)))), 10);
}

TEST_F(ObslugaZadanTest, NumeracjaWpisow) {
    struct Przypadek {
        int numer;
        std::uint8_t rodzaj;
        bool tekst;
    };
    // Events 1..100, alarms 0..9; outside them the asked number comes back with no text.
    for (const Przypadek& p :
         {Przypadek{1, 0, true}, Przypadek{100, 0, true}, Przypadek{0, 0, false},
          Przypadek{101, 0, false}, Przypadek{0, 2, true}, Przypadek{9, 2, true},
          Przypadek{10, 2, false}, Przypadek{300, 0, false}}) {
        SCOPED_TRACE(std::to_string(p.numer) + " kind " + std::to_string(p.rodzaj));
        const Bajty d = dane(obsluz(zapytaniePamieci(p.numer, p.rodzaj)));
        ASSERT_GE(d.size(), 6u);
        EXPECT_EQ(d[1] << 8 | d[2], p.numer);
        EXPECT_EQ(d.back(), 0);
        EXPECT_EQ(d.size() > 6, p.tekst);
    }
}

TEST_F(ObslugaZadanTest, TekstyWpisowDlaKlienta) {
    PamiecZdarzen p;
    ASSERT_EQ(p.odczytajStatus(podajDane(obsluz(zapytaniePamieci(0, 0)))), 100);
    std::string poprzedniaData;
    bool polskieLitery = false;
    for (int n = 1; n <= 100; ++n) {
        SCOPED_TRACE(n);
        ASSERT_EQ(p.ustalPierwsze(n), 0);
        p.ustalLiczbeOdczytanych(0);
        ASSERT_EQ(p.dodajZdarzenie(podajDane(obsluz(zapytaniePamieci(n, 0)))), 0);
        const std::string utf8 = naUtf8(p.podajZdarzenie(0)->podajTekst(), 1250);
        EXPECT_EQ(utf8, sim::tekstZdarzenia(n));
        const auto l = linie(utf8);
        ASSERT_GE(l.size(), 2u);
        ASSERT_LE(l.size(), 4u);
        int daty = 0;
        for (const std::string& x : l)
            if (czyData(x)) {
                ++daty;
                EXPECT_GT(x, poprzedniaData); // the higher the number, the newer
                poprzedniaData = x;
            }
        EXPECT_EQ(daty, 1);
        EXPECT_FALSE(czyData(l[0]));
        polskieLitery = polskieLitery || utf8.find("ł") != std::string::npos;
    }
    EXPECT_TRUE(polskieLitery);
}

TEST_F(ObslugaZadanTest, TekstyAlarmow) {
    std::string poprzedniaData;
    for (int n = 0; n < 10; ++n) {
        const Bajty d = dane(obsluz(zapytaniePamieci(n, 2)));
        const std::string tekst(d.begin() + 5, d.end() - 1);
        const auto l = linie(naUtf8(ElementSystemu::dekodujTekst(tekst), 1250));
        ASSERT_EQ(l.size(), 3u);
        EXPECT_EQ(l[0], std::to_string(n + 1));
        EXPECT_FALSE(l[1].empty());
        EXPECT_TRUE(czyData(l[2])) << l[2];
        EXPECT_GT(l[2], poprzedniaData);
        poprzedniaData = l[2];
    }
}

TEST(ZnakiPanelu, PolskieLiteryWStronie852) {
    EXPECT_EQ(sim::naZnakiPanelu("żółć ŁĄ"), (Bajty{0xBE, 0xA2, 0x88, 0x86, ' ', 0x9D, 0xA4}));
}

TEST(DataTekstem, DniIMiesiace) {
    EXPECT_EQ(sim::dataTekstem(0), "2000-01-01 00:00:00");
    EXPECT_EQ(sim::dataTekstem(59 * 86400 + 1), "2000-02-29 00:00:01");
    EXPECT_EQ(sim::dataTekstem(8825 * 86400 + 45296), "2024-02-29 12:34:56");
    EXPECT_EQ(sim::dataTekstem(366 * 86400 - 1), "2000-12-31 23:59:59");
}

// Faults fall on the Nth block request only; identity and event requests neither count nor
// suffer.
TEST(Usterki, KazdaNaSwoimNtymZadaniuBlokowym) {
    enum class Rodzaj { brak, suma, typ };
    for (const Rodzaj r : {Rodzaj::brak, Rodzaj::suma, Rodzaj::typ}) {
        SCOPED_TRACE(static_cast<int>(r));
        sim::MagazynBlokow m;
        sim::UstawieniaPanelu u;
        (r == Rodzaj::brak   ? u.coIleBezOdpowiedzi
         : r == Rodzaj::suma ? u.coIleZlaSuma
                             : u.coIleZlyTyp) = 3;
        sim::ObslugaZadan o(u, m);
        for (int n = 1; n <= 6; ++n) {
            SCOPED_TRACE(n);
            EXPECT_TRUE(sprawdzRamke(o.obsluz(zadanie(ramka::nrZapytaniaIdentyfikacji)).ramka)
                            .czyPrzyjeta());
            EXPECT_TRUE(sprawdzRamke(o.obsluz(zapytaniePamieci(1, 0)).ramka).czyPrzyjeta());
            const std::uint8_t nr = static_cast<std::uint8_t>(n);
            const sim::Odpowiedz odp = o.obsluz(zadanie(0x74, {0x00, nr, 'A', 0}));
            EXPECT_TRUE(odp.blokowa);
            const bool nty = n % 3 == 0;
            if (r == Rodzaj::brak) {
                EXPECT_EQ(odp.ramka.empty(), nty);
                // A lost request never reaches the panel's memory.
                EXPECT_EQ(m.odczytaj(0xA4, Bajty{0, 0, nr}) != nullptr, !nty);
                continue;
            }
            const WynikOdpowiedzi w = sprawdzOdpowiedzZapisu(odp.ramka).wynik;
            const WynikOdpowiedzi blad =
                r == Rodzaj::suma ? WynikOdpowiedzi::zlaSuma : WynikOdpowiedzi::zlyTypCentrali;
            EXPECT_EQ(w, nty ? blad : WynikOdpowiedzi::przyjeta);
        }
    }
}

TEST(Usterki, OpoznienieTylkoBlokowych) {
    sim::MagazynBlokow m;
    sim::UstawieniaPanelu u;
    u.opoznienie = std::chrono::milliseconds(250);
    sim::ObslugaZadan o(u, m);
    EXPECT_EQ(o.obsluz(zadanie(ramka::nrZapytaniaIdentyfikacji)).opoznienie.count(), 0);
    EXPECT_EQ(o.obsluz(zadanie(0xA4, {0, 0, 1})).opoznienie.count(), 250);
}

TEST(Usterki, ZnikniecieKiedyOdpowiedzianoNBlokowych) {
    sim::MagazynBlokow m;
    sim::UstawieniaPanelu u;
    u.zniknieciePo = 2;
    u.coIleBezOdpowiedzi = 2; // a lost request is not an answered one
    sim::ObslugaZadan o(u, m);
    const std::vector<std::pair<Bajty, bool>> kolejne{
        {zadanie(0xA4, {0, 0, 1}), false}, {zadanie(ramka::nrZapytaniaIdentyfikacji), false},
        {zadanie(0xA4, {0, 0, 1}), false}, // dropped
        {zapytaniePamieci(3, 0), false},   {zadanie(0xA4, {0, 0, 1}), true},
    };
    for (const auto& [z, znika] : kolejne) EXPECT_EQ(o.obsluz(z).znikniecie, znika);
}

TEST(TempoLinii, CzasZadaniaIOdpowiedzi) {
    // (13 + 24) bytes * 11 bits, rounded up to the microsecond.
    EXPECT_EQ(sim::czasNaLinii(13, 24, 19200).count(), 21198);
    EXPECT_EQ(sim::czasNaLinii(13, 24, 9600).count(), 42396);
    EXPECT_EQ(sim::czasNaLinii(255, 255, 19200).count(), 292188);
}

} // namespace
