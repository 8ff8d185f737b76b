#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "comm/bledy_transmisji.h"
#include "comm/odpowiedz.h"
#include "comm/stan_transmisji.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/stos.h"
#include "ramki_testowe.h"
#include "widok_testowy.h"
#include "wspolne/srodowisko.h"

namespace {

using Ramka = std::vector<std::uint8_t>;

Ramka tekst(const std::string& t) {
    return Ramka(t.begin(), t.end());
}

} // namespace

TEST(Odpowiedz, TypCentraliZBitow765) {
    struct Przypadek {
        std::uint8_t flagi;
        int typ;
    };
    for (const Przypadek& p : {Przypadek{0x20, 4},
                               {0xA0, 5},
                               {0x60, 3},
                               {0xC0, 6},
                               {0x3F, 4},
                               {0xDF, 6},
                               {0x00, 0},
                               {0xE0, 0},
                               {0x40, 0},
                               {0x80, 0},
                               {0x1F, 0}}) {
        EXPECT_EQ(sprawdzTypCentrali(p.flagi), p.typ) << int(p.flagi);
        const Odpowiedz o = sprawdzRamke(odpowiedzPanelu(p.flagi, 0x36, {1}));
        EXPECT_EQ(o.wynik,
                  p.typ != 0 ? WynikOdpowiedzi::przyjeta : WynikOdpowiedzi::zlyTypCentrali);
        EXPECT_EQ(o.typCentrali, p.typ);
    }
}

TEST(Odpowiedz, PierwszyNieudanySprawdzianRozstrzyga) {
    Ramka r = odpowiedzPanelu(0x00, 0xA4, {1, 2, 3});
    EXPECT_EQ(sprawdzRamke(r).wynik, WynikOdpowiedzi::zlyTypCentrali);
    r[12] ^= 0x01; // payload changed: the checksum fails before the panel type is looked at
    EXPECT_EQ(sprawdzRamke(r).wynik, WynikOdpowiedzi::zlaSuma);
    r[0] = 0x03;
    EXPECT_EQ(sprawdzRamke(r).wynik, WynikOdpowiedzi::brakStx);
    EXPECT_EQ(sprawdzRamke({}).wynik, WynikOdpowiedzi::brakStx);
}

TEST(Odpowiedz, DlugoscPozaOdebranymiBajtami) {
    const Ramka pelna = odpowiedzPanelu(0x20, 0xA4, Ramka(20, 0));
    ASSERT_TRUE(sprawdzCRC(pelna));
    // A frame cut short: LEN points past what came in, although the bytes that would follow in
    // a zeroed buffer would make the sum right.
    const Ramka ucieta(pelna.begin(), pelna.end() - 1);
    EXPECT_EQ(sprawdzRamke(ucieta).wynik, WynikOdpowiedzi::zlaSuma);
    // Bytes after the frame are not part of it.
    Ramka zZerami = pelna;
    zZerami.resize(255, 0);
    const Odpowiedz o = sprawdzRamke(zZerami);
    EXPECT_EQ(o.wynik, WynikOdpowiedzi::przyjeta);
    EXPECT_EQ(o.dane.size(), 20u);
    // A LEN below the header whose few bytes happen to sum right.
    EXPECT_EQ(sprawdzRamke(Ramka{0x02, 0x03, 0x03, 0x00}).wynik, WynikOdpowiedzi::zlaSuma);
    EXPECT_EQ(sprawdzRamke(Ramka{0x02}).wynik, WynikOdpowiedzi::zlaSuma);
    EXPECT_TRUE(podajDane(ucieta).empty());
    EXPECT_EQ(podajNrFunkcji(Ramka{0x02, 0x0C}), 0);
}

TEST(Odpowiedz, StatusZapisu) {
    struct Przypadek {
        Ramka dane;
        WynikOdpowiedzi wynik;
    };
    for (const Przypadek& p : {Przypadek{{1}, WynikOdpowiedzi::przyjeta},
                               {{1, 9, 9}, WynikOdpowiedzi::przyjeta},
                               {{3}, WynikOdpowiedzi::odmowaDostepu},
                               {{0}, WynikOdpowiedzi::odrzucona},
                               {{2}, WynikOdpowiedzi::odrzucona},
                               {{}, WynikOdpowiedzi::odrzucona}}) {
        EXPECT_EQ(sprawdzOdpowiedzZapisu(odpowiedzPanelu(0x60, 0x00, p.dane)).wynik, p.wynik)
            << p.dane.size();
    }
}

TEST(Odpowiedz, OdczytKrotszyOdBlokuJestBledemDanych) {
    Srodowisko s(4);
    const std::size_t blok = najkrotszyBlok(*s.c().strefy[0]);
    ASSERT_EQ(blok, 69u);
    EXPECT_EQ(sprawdzOdpowiedzOdczytu(odpowiedzPanelu(0x20, 0, Ramka(69, 0)), blok).wynik,
              WynikOdpowiedzi::przyjeta);
    EXPECT_EQ(sprawdzOdpowiedzOdczytu(odpowiedzPanelu(0x20, 0, Ramka(68, 0)), blok).wynik,
              WynikOdpowiedzi::zaKrotkieDane);
    // The stack's blocks vary with their entries: only its head is required.
    EXPECT_EQ(najkrotszyBlok(*s.c().stos), 14u);

    BledyTransmisji b;
    zliczBlad(WynikOdpowiedzi::zaKrotkieDane, typTransmisji::Odczyt, b);
    EXPECT_EQ(b.podajLicznikBledowDanych(0), 1);
}

TEST(Odpowiedz, TestRozpoznajeIdentyfikacjeIStanPamieci) {
    struct Przypadek {
        std::uint8_t funkcja;
        std::string dane;
        WynikOdpowiedzi wynik;
    };
    for (const Przypadek& p : {
             Przypadek{0x9E, "PSC7000V3.7", WynikOdpowiedzi::przyjeta},
             {0x9E, "PSC7000V4.0 rev", WynikOdpowiedzi::przyjeta},
             {0x9E, "PSC7000V:.7", WynikOdpowiedzi::zlaIdentyfikacja},
             {0x9E, "PSC7000V3.x", WynikOdpowiedzi::zlaIdentyfikacja},
             {0x9E, "PSC7000V3.", WynikOdpowiedzi::zlaIdentyfikacja},
             {0x9E, "PSX7000V3.7", WynikOdpowiedzi::zlaIdentyfikacja},
             {0x9E, "", WynikOdpowiedzi::zlaIdentyfikacja},
             {0x36, "\x01", WynikOdpowiedzi::przyjeta},
             {0x9F, "PSC7000V3.7", WynikOdpowiedzi::nieznanaFunkcja},
         }) {
        const Odpowiedz o = sprawdzOdpowiedzTestu(odpowiedzPanelu(0x20, p.funkcja, tekst(p.dane)));
        EXPECT_EQ(o.wynik, p.wynik) << p.dane;
        EXPECT_EQ(o.nrFunkcji, p.funkcja);
    }
}

TEST(Odpowiedz, RodzajBleduDanychTylkoWTescie) {
    BledyTransmisji b;
    zliczBlad(WynikOdpowiedzi::zlaSuma, typTransmisji::Test, b);
    EXPECT_EQ(b.podajTypBleduDanych(), typBleduDanych::zlaSuma);
    zliczBlad(WynikOdpowiedzi::brakStx, typTransmisji::Odczyt, b);
    EXPECT_EQ(b.podajTypBleduDanych(), typBleduDanych::zlaSuma);
    zliczBlad(WynikOdpowiedzi::brakStx, typTransmisji::Test, b);
    EXPECT_EQ(b.podajTypBleduDanych(), typBleduDanych::brakStx);
    EXPECT_EQ(b.podajLicznikBledowDanych(0), 3);

    zliczBlad(WynikOdpowiedzi::odmowaDostepu, typTransmisji::Zapis, b);
    zliczBlad(WynikOdpowiedzi::zlaIdentyfikacja, typTransmisji::Test, b);
    zliczBlad(WynikOdpowiedzi::nieznanaFunkcja, typTransmisji::Test, b);
    zliczBlad(WynikOdpowiedzi::przyjeta, typTransmisji::Test, b);
    EXPECT_EQ(b.podajLicznikBledowDostepu(0), 1);
    EXPECT_EQ(b.podajLicznikBledowZakresu(0), 2);
    EXPECT_EQ(b.podajLicznikBledowDanych(0), 3);
}

TEST(Odpowiedz, TrzyBledyTypuCentraliDajaKod5) {
    BledyTransmisji b;
    for (int i = 0; i < 9; ++i) {
        b.zwiekszLicznikBledowDanych();
        b.zwiekszLicznikBrakuOdpowiedzi();
    }
    for (int i = 0; i < 3; ++i)
        zliczBlad(sprawdzRamke(odpowiedzPanelu(0xE0, 0x36, {1})).wynik, typTransmisji::Test, b);
    EXPECT_EQ(b.sprawdzLicznikiBledow(), kodBledu::innyTypCentrali);
}

// Each repeat of a block brings its own reply; only the reply that settles the last repeat moves
// the run on.
TEST(Odpowiedz, ZapisWyslanyDwaRazy) {
    WidokTestowy t;
    StanTransmisji s(0, 1);
    s.ustalTypTransmisji(typTransmisji::Zapis);
    s.ustalBlokDanych(0, 3, 3);
    const Ramka ack = odpowiedzPanelu(0x20, 0x00, {1});

    EXPECT_TRUE(s.zglosWysylke());
    EXPECT_TRUE(s.zglosWysylke()); // the retry timer repeated it
    ASSERT_TRUE(sprawdzOdpowiedzZapisu(ack).czyPrzyjeta());
    EXPECT_TRUE(s.przyjmijZapis(t));
    EXPECT_EQ(s.podajElement(), 0);
    EXPECT_EQ(s.podajOczekujaceWysylki(), 0);

    EXPECT_TRUE(s.zglosWysylke());
    EXPECT_TRUE(s.przyjmijZapis(t));
    EXPECT_EQ(s.podajElement(), 1);
    EXPECT_EQ(s.podajPostep(), 33);

    s.zglosWysylke();
    EXPECT_TRUE(s.przyjmijZapis(t));
    s.zglosWysylke();
    EXPECT_FALSE(s.przyjmijZapis(t));
    EXPECT_TRUE(s.czyKoniec());
    EXPECT_EQ(s.podajPostep(), 100);
}
