#include <gtest/gtest.h>

#include "comm/bledy_transmisji.h"
#include "comm/stan_transmisji.h"
#include "widok_testowy.h"

namespace {

void zwieksz(BledyTransmisji& b, Licznik l, int razy) {
    for (int i = 0; i < razy; ++i) b.zwieksz(l);
}

// Ticks until the first send; -1 if none within 20.
int tikiDoWysylki(StanTransmisji& s) {
    for (int i = 1; i <= 20; ++i)
        if (s.tikPonowienia(false) == DzialanieTiku::wyslij) return i;
    return -1;
}

} // namespace

TEST(Bledy, KazdyLicznikPrzekraczaSwojProg) {
    for (const bool min : {false, true}) {
        for (const ProgBledu& p : min ? tablicaKodowBledowMin : tablicaKodowBledow) {
            BledyTransmisji b;
            zwieksz(b, p.licznik, p.prog);
            EXPECT_EQ(min ? b.sprawdzLicznikiBledowMin() : b.sprawdzLicznikiBledow(),
                      kodBledu::brak);
            b.zwieksz(p.licznik);
            EXPECT_EQ(min ? b.sprawdzLicznikiBledowMin() : b.sprawdzLicznikiBledow(), p.kod);
        }
    }
}

TEST(Bledy, KolejnoscKodow) {
    // Every counter above its threshold; taking them away one by one in table order shows
    // the next code each time.
    BledyTransmisji b;
    for (int i = 0; i < liczbaLicznikow; ++i) zwieksz(b, static_cast<Licznik>(i), 6);
    const int oczekiwane[] = {5, 3, 1, 6, 4, 2, 7};
    const Licznik kolejne[] = {Licznik::bledowTypuCentrali, Licznik::bledowDanych,
                               Licznik::brakuOdpowiedzi,    Licznik::bledowZakresu,
                               Licznik::bledowTransmisji,   Licznik::bledowDostepu,
                               Licznik::brakuPortu};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(b.sprawdzLicznikiBledow(), oczekiwane[i]);
        EXPECT_EQ(b.sprawdzLicznikiBledowMin(), oczekiwane[i]);
        // Only the current count decides; re-create the rest without this counter.
        BledyTransmisji bez;
        for (int j = i + 1; j < 7; ++j) zwieksz(bez, kolejne[j], 6);
        b = bez;
    }
    EXPECT_EQ(b.sprawdzLicznikiBledow(), kodBledu::brak);
}

TEST(Bledy, ZerowanieBiezacychISkumulowanych) {
    BledyTransmisji b;
    EXPECT_TRUE(b.czyBlad());
    for (int i = 0; i < liczbaLicznikow; ++i) zwieksz(b, static_cast<Licznik>(i), 2);
    b.zerujLicznikiBledow();
    EXPECT_FALSE(b.czyBlad());
    for (int i = 0; i < liczbaLicznikow; ++i) {
        EXPECT_EQ(b.podaj(static_cast<Licznik>(i), 0), 0);
        EXPECT_EQ(b.podaj(static_cast<Licznik>(i), 1), 2);
    }
    EXPECT_EQ(b.podaj(Licznik::bledowDanych, 2), 0);

    zwieksz(b, Licznik::bledowZakresu, 1);
    zwieksz(b, Licznik::brakuOdpowiedzi, 1);
    b.zerujDlaNowegoTypu();
    EXPECT_EQ(b.podajLicznikBledowZakresu(0), 1);
    EXPECT_EQ(b.podajLicznikBledowZakresu(1), 3);
    EXPECT_EQ(b.podajLicznikBrakuOdpowiedzi(0), 0);
    EXPECT_EQ(b.podajLicznikBrakuOdpowiedzi(1), 0);

    zwieksz(b, Licznik::brakuOdpowiedzi, 1);
    zwieksz(b, Licznik::brakuPortu, 1);
    b.zerujLicznikBleduKomunikacji();
    b.zerujLicznikBrakuPortu();
    EXPECT_EQ(b.podajLicznikBrakuOdpowiedzi(0) + b.podajLicznikBrakuPortu(0), 0);
    EXPECT_EQ(b.podajLicznikBrakuOdpowiedzi(1) + b.podajLicznikBrakuPortu(1), 2);
}

TEST(Ponawianie, TestPytaCoTrzyTiki) {
    StanTransmisji s(0, 1);
    EXPECT_EQ(tikiDoWysylki(s), 3);
    EXPECT_EQ(tikiDoWysylki(s), 3);
    s.dopalLicznikPonowienia();
    EXPECT_EQ(tikiDoWysylki(s), 1);
}

TEST(Ponawianie, ZapisCzekaSiedemTikowADwaPoBledzie) {
    StanTransmisji s(0, 1);
    s.ustalTypTransmisji(typTransmisji::Zapis);
    EXPECT_EQ(tikiDoWysylki(s), 7);
    // Range errors mean the panel answers: no haste.
    s.bledy.zwiekszLicznikBledowZakresu();
    EXPECT_EQ(tikiDoWysylki(s), 7);
    s.bledy.zwiekszLicznikBrakuOdpowiedzi();
    EXPECT_EQ(tikiDoWysylki(s), 2);
    // A reply clears the count: the next tick starts from scratch.
    s.tikPonowienia(false);
    s.zerujLicznikPonowienia();
    EXPECT_EQ(tikiDoWysylki(s), 2);
}

TEST(Ponawianie, TikUstawiaBladIZatrzymanie) {
    StanTransmisji s(0, 1);
    s.ustalTypTransmisji(typTransmisji::Odczyt);
    s.bledy.zerujLicznikiBledow();
    zwieksz(s.bledy, Licznik::bledowDanych, 5);
    s.tikPonowienia(false);
    EXPECT_FALSE(s.czyBlad());
    s.bledy.zwiekszLicznikBledowDanych();
    s.tikPonowienia(false);
    EXPECT_TRUE(s.czyBlad());

    s.ustalStop(1);
    const int przed = s.podajLicznikPonowienia();
    for (int i = 0; i < 10; ++i) EXPECT_EQ(s.tikPonowienia(false), DzialanieTiku::brak);
    EXPECT_EQ(s.podajLicznikPonowienia(), przed);
}

TEST(Ponawianie, AwariaPortu) {
    StanTransmisji s(0, 1);
    EXPECT_FALSE(s.timerPonowieniaOn(false));
    EXPECT_TRUE(s.czyTrybOffLine());
    EXPECT_TRUE(s.timerPonowieniaOn(true));
    EXPECT_FALSE(s.czyTrybOffLine());
    EXPECT_EQ(s.tikPonowienia(true), DzialanieTiku::zamknijPort);
    EXPECT_TRUE(s.czyTrybOffLine());
    EXPECT_EQ(s.bledy.podajLicznikBrakuPortu(0), 1);
    EXPECT_EQ(s.bledy.sprawdzLicznikiBledow(), kodBledu::brakPortu);
}

TEST(Przebieg, PomijaNieprzesylaneIPowtarzaWieloblokowe) {
    WidokTestowy t;
    t.poczXgn30 = 3;
    t.indStos = 6;
    t.przesylane = {true, false, false, true, true, true, true};
    t.kolejneBloki = {5, 0, 0, 2, 0, 0, 0}; // index 0 lies before the multi-block kinds
    t.stronyStosu = 1;
    t.zrodlaStosu = 1;
    StanTransmisji s(0, 1);
    s.ustalTypTransmisji(typTransmisji::Odczyt);
    s.ustalBlokDanych(0, 7, 10);

    std::vector<int> kolejnosc{s.podajElement()};
    while (s.sprawdzNrBloku()) {
        s.zwiekszNrBloku(t);
        kolejnosc.push_back(s.podajElement());
    }
    // 3 twice more, 6 for a second page (not counted) and a second source (counted).
    EXPECT_EQ(kolejnosc, (std::vector<int>{0, 3, 3, 3, 4, 5, 6, 6, 6, 7}));
    EXPECT_EQ(s.podajPostep(), 80);
}

TEST(Przebieg, OdczytKonczySieNaOstatnimBloku) {
    WidokTestowy t;
    StanTransmisji s(0, 1);
    int sygnaly = 0;
    s.ustalSygnalKonca([&] { ++sygnaly; });
    s.ustalTypTransmisji(typTransmisji::Odczyt);
    s.ustalBlokDanych(4, 6, 2);
    EXPECT_TRUE(s.przyjmijOdczyt(t));
    EXPECT_FALSE(s.czyKoniec());
    // The last block still asks for one more send; the window stops it on the end flag.
    EXPECT_TRUE(s.przyjmijOdczyt(t));
    EXPECT_TRUE(s.czyKoniec());
    EXPECT_FALSE(s.przyjmijOdczyt(t));
    EXPECT_EQ(s.podajElement(), 6);
    EXPECT_EQ(sygnaly, 1);
    s.ustalTypTransmisji(typTransmisji::Test);
    EXPECT_FALSE(s.czyKoniec());
}

TEST(Przebieg, PamiecLiczyWpisy) {
    WidokTestowy t;
    StanTransmisji s(0, 1);
    s.ustalTypTransmisji(typTransmisji::Pamiec);
    s.ustalBlokPamieci(10, 14);
    EXPECT_EQ(s.podajLiczbeBlokow(), 4);
    s.zwiekszNrBloku(t);
    EXPECT_EQ(s.podajElement(), 11);
    EXPECT_EQ(s.podajPostep(), 25);
    s.ustalBlokPamieci(3, 3);
    EXPECT_EQ(s.podajPostep(), 0);
}
