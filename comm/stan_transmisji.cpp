#include "comm/stan_transmisji.h"

#include "core/centrala.h"
#include "core/element_systemu.h"
#include "elements/outputs/stos.h"

namespace {

constexpr int tikowTestu = 3;
constexpr int tikowPoBledzie = 2;
constexpr int tikowBezBledu = 7;

ElementSystemu* wpis(Centrala& c, int i) {
    if (i < 0 || i >= c.liczbaElementowSystemu || i >= Centrala::rozmiarTablicy) return nullptr;
    return c.tablicaElementow[static_cast<std::size_t>(i)];
}

} // namespace

bool WidokTablicy::czyKolejnyBlok(int i) {
    ElementSystemu* e = wpis(c, i);
    return e != nullptr && e->czyKolejnyBlok();
}

bool WidokTablicy::czyPrzesylac(int i) {
    ElementSystemu* e = wpis(c, i);
    return e != nullptr && e->czyPrzesylac();
}

bool WidokTablicy::nastepnaStrona() {
    return c.stos != nullptr && c.stos->nastepnaStrona();
}

int WidokTablicy::podajPoczXgn30() const {
    return c.poczXgn30;
}

int WidokTablicy::podajIndStos() const {
    return c.indStos;
}

StanTransmisji::StanTransmisji(int pierwszy, int koniec)
    : nrBloku(pierwszy), koniecBlokow(koniec), liczbaBlokow(koniec) {}

void StanTransmisji::ustalTypTransmisji(int t) {
    typ = t;
    bledy.zerujDlaNowegoTypu();
    licznikPonowienia = 0;
    fazaTestu = 3;
    koniec = 0;
    stop = 0;
    zapis = 0;
}

void StanTransmisji::ustalBlokDanych(int pierwszy, int kon, int liczba) {
    nrBloku = pierwszy;
    koniecBlokow = kon;
    postep = 0;
    liczbaBlokow = liczba;
}

void StanTransmisji::ustalBlokPamieci(int pierwszy, int kon) {
    ustalBlokDanych(pierwszy, kon, kon - pierwszy);
}

void StanTransmisji::zwiekszNrBloku(WidokBlokow& t) {
    if (typ == typTransmisji::Pamiec) {
        ++nrBloku;
        ++postep;
        return;
    }
    if (nrBloku >= t.podajPoczXgn30() && nrBloku < t.podajIndStos() && t.czyKolejnyBlok(nrBloku)) {
        ++postep;
        return;
    }
    if (nrBloku == t.podajIndStos()) {
        if (t.nastepnaStrona()) return;
        if (t.czyKolejnyBlok(nrBloku)) {
            ++postep;
            return;
        }
    }
    ++nrBloku;
    ++postep;
    while (nrBloku < koniecBlokow && !t.czyPrzesylac(nrBloku)) ++nrBloku;
}

int StanTransmisji::podajPostep() const {
    if (liczbaBlokow == 0) return 0;
    return static_cast<int>(static_cast<long long>(postep) * 100 / liczbaBlokow);
}

bool StanTransmisji::czyKoniec() const {
    if (koniec != 0 && sygnalKonca) sygnalKonca();
    return koniec != 0;
}

bool StanTransmisji::timerPonowieniaOn(bool portOtwarty) {
    if (!portOtwarty) return false;
    trybOffLine = 0;
    return true;
}

bool StanTransmisji::sprawdzLicznikPonowienia() const {
    if (typ == typTransmisji::Test) return licznikPonowienia >= tikowTestu;
    return licznikPonowienia >= (bledy.czyBledyPonowienia() ? tikowPoBledzie : tikowBezBledu);
}

DzialanieTiku StanTransmisji::tikPonowienia(bool awariaPortu) {
    if (awariaPortu) {
        bledy.zwiekszLicznikBrakuPortu();
        timerPonowieniaOff();
        return DzialanieTiku::zamknijPort;
    }
    if (stop != 0) return DzialanieTiku::brak;
    if (bledy.sprawdzLicznikiBledow() != kodBledu::brak) bledy.ustalBlad(1);
    ++licznikPonowienia;
    if (!sprawdzLicznikPonowienia()) return DzialanieTiku::brak;
    licznikPonowienia = 0;
    return DzialanieTiku::wyslij;
}

bool StanTransmisji::zglosWysylke() {
    ++oczekujaceWysylki;
    return stop == 0;
}

bool StanTransmisji::przyjmijZapis(WidokBlokow& t) {
    if (--oczekujaceWysylki != 0)
        oczekujaceWysylki = 0;
    else
        zwiekszNrBloku(t);
    bledy.zerujLicznikiBledow();
    if (sprawdzNrBloku()) return true;
    koniec = 1;
    return false;
}

bool StanTransmisji::przyjmijOdczyt(WidokBlokow& t) {
    if (!sprawdzNrBloku()) {
        koniec = 1;
        return false;
    }
    zwiekszNrBloku(t);
    bledy.zerujLicznikiBledow();
    // The send goes out before the end test, as the worker only learns of the end from the
    // transmission window stopping it.
    if (!sprawdzNrBloku()) koniec = 1;
    return true;
}
