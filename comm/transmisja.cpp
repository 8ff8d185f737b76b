#include "comm/transmisja.h"

#include <string_view>

#include "comm/odpowiedz.h"
#include "comm/port_rs.h"
#include "comm/ramka.h"
#include "core/centrala.h"
#include "core/element_systemu.h"
#include "core/globalne.h"
#include "memory/pamiec_zdarzen.h"

namespace {

ElementSystemu* wpis(Centrala* c, int i) {
    if (c == nullptr || i < 0 || i >= c->liczbaElementowSystemu || i >= Centrala::rozmiarTablicy)
        return nullptr;
    return c->tablicaElementow[static_cast<std::size_t>(i)];
}

// Wire results of the handlers, as the reply checks name them.
int wynikNaKod(WynikOdpowiedzi w) {
    switch (w) {
    case WynikOdpowiedzi::przyjeta:
        return 0;
    case WynikOdpowiedzi::brakStx:
        return 1;
    case WynikOdpowiedzi::zlaSuma:
        return 2;
    default:
        return 3;
    }
}

// The memory type never looks at the table.
struct BezTablicy : WidokBlokow {
    bool czyKolejnyBlok(int) override { return false; }
    bool czyPrzesylac(int) override { return true; }
    bool nastepnaStrona() override { return false; }
    int podajPoczXgn30() const override { return 0; }
    int podajIndStos() const override { return -1; }
};

} // namespace

Transmisja::Transmisja(PortRS& p, int pierwszy, int koniec) : port(p), stan(pierwszy, koniec) {}

Transmisja::~Transmisja() {
    zakonczWatek();
}

void Transmisja::ustalCentrale(Centrala* c) {
    std::lock_guard l(blokada);
    centrala = c;
}

void Transmisja::ustalPamiec(PamiecZdarzen* p) {
    std::lock_guard l(blokada);
    pamiec = p;
}

Centrala* Transmisja::podajCentrale() const {
    return centrala != nullptr ? centrala : biezacaCentrala;
}

PamiecZdarzen* Transmisja::podajPamiecZdarzen() const {
    return pamiec != nullptr ? pamiec : pamiecZdarzen;
}

void Transmisja::uruchomWatek() {
    if (watek.joinable()) return;
    port.kasuj(PortRS::koniecPracy);
    watek = std::thread([this] { petla(); });
}

void Transmisja::zakonczWatek() {
    if (!watek.joinable()) return;
    port.zakonczWatek();
    watek.join();
}

void Transmisja::wstrzymaj() {
    wstrzymana = true;
    // A handler holds the lock for its whole run: once we have it, none is half-way.
    std::lock_guard l(blokada);
}

void Transmisja::wznow() {
    wstrzymana = false;
}

void Transmisja::petla() {
    for (;;) {
        const int z = port.czekaj();
        switch (z) {
        case PortRS::odbiorGotowy:
            obsluzOdbior();
            break;
        case PortRS::nadanieGotowe:
        case PortRS::rezerwa:
            port.kasuj(z);
            break;
        case PortRS::zadanieWysylki:
            obsluzWysylke();
            break;
        case PortRS::koniecPracy:
            port.kasuj(z);
            return;
        default: {
            std::lock_guard l(blokada);
            stan.bledy.ustalBladTransmisji(static_cast<std::uint32_t>(z));
            break;
        }
        }
    }
}

void Transmisja::obsluzOdbior() {
    port.kasuj(PortRS::odbiorGotowy);
    std::lock_guard l(blokada);
    if (port.stanOdbioru(PortRS::odbiorGotowy) != 0) {
        stan.bledy.zwiekszLicznikBrakuOdpowiedzi();
        return;
    }
    stan.bledy.zerujLicznikBleduKomunikacji();
    stan.zerujLicznikPonowienia();
    // Only the bytes this read brought: a LEN pointing past them must fail, not read zeros.
    const std::size_t n = std::min<std::size_t>(port.podajOdebrano(), PortRS::rozmiarBufora);
    if (!wstrzymana) obsluzRamke(std::span<const std::uint8_t>(port.buforOdbioru(), n));
    port.wyczyscOdbior();
}

void Transmisja::obsluzWysylke() {
    std::lock_guard l(blokada);
    const bool wysylac = stan.zglosWysylke();
    port.kasuj(PortRS::zadanieWysylki);
    if (!wysylac || wstrzymana) return;
    ramka::BuforRamki bufor{};
    const int n = budujWysylke(bufor);
    if (n <= 0) return;
    if (port.zaladujNadawanie(bufor.data(), n) != 0) return;
    port.nadaj();
    port.odbierz(ramka::maksRamki);
}

int Transmisja::wyslijDane(std::span<std::uint8_t> wyjscie) {
    std::lock_guard l(blokada);
    return budujWysylke(wyjscie);
}

int Transmisja::budujWysylke(std::span<std::uint8_t> wyjscie) {
    switch (stan.podajTypTransmisji()) {
    case typTransmisji::Zapis:
    case typTransmisji::Odczyt: {
        // Past the range there is no block to ask for.
        if (!stan.sprawdzNrBloku()) return 0;
        ElementSystemu* e = wpis(podajCentrale(), stan.podajElement());
        if (e == nullptr) return 0;
        return stan.podajTypTransmisji() == typTransmisji::Zapis ? ustalRamkeZapisu(*e, wyjscie)
                                                                 : ustalRamkeOdczytu(*e, wyjscie);
    }
    case typTransmisji::Test:
        if (stan.podajFazeTestu() != 2) return ustalRamkeIdentyfikacji(wyjscie);
        [[fallthrough]];
    case typTransmisji::Pamiec: {
        PamiecZdarzen* p = podajPamiecZdarzen();
        if (p == nullptr) return 0;
        if (stan.podajTypTransmisji() == typTransmisji::Pamiec && !stan.sprawdzNrBloku()) return 0;
        Bajty zapytanie;
        p->budujZapytanie(zapytanie);
        return ustalRamkePamieci(zapytanie, wyjscie,
                                 static_cast<std::uint8_t>(p->podajKodZapytania()));
    }
    default:
        return 0;
    }
}

int Transmisja::odbierzDane(std::span<const std::uint8_t> r) {
    std::lock_guard l(blokada);
    return obsluzRamke(r);
}

int Transmisja::obsluzRamke(std::span<const std::uint8_t> r) {
    switch (stan.podajTypTransmisji()) {
    case typTransmisji::Zapis:
        return odbierzDaneZapis(r);
    case typTransmisji::Odczyt:
        return odbierzDaneOdczyt(r);
    case typTransmisji::Test:
        return odbierzDaneTest(r);
    case typTransmisji::Pamiec:
        return odbierzDanePamiec(r);
    default:
        return 0;
    }
}

int Transmisja::odbierzDaneZapis(std::span<const std::uint8_t> r) {
    const Odpowiedz o = sprawdzOdpowiedzZapisu(r);
    Centrala* c = podajCentrale();
    if (o.typCentrali != 0 && c != nullptr) c->ustalTypWykryty(o.typCentrali);
    if (!o.czyPrzyjeta()) {
        zliczBlad(o.wynik, typTransmisji::Zapis, stan.bledy);
        if (o.wynik == WynikOdpowiedzi::odmowaDostepu) return 2;
        if (o.wynik == WynikOdpowiedzi::odrzucona) return 5;
        return wynikNaKod(o.wynik);
    }
    if (c == nullptr) return 0;
    WidokTablicy t(*c);
    if (stan.przyjmijZapis(t)) port.zglos(PortRS::zadanieWysylki);
    return 0;
}

int Transmisja::odbierzDaneOdczyt(std::span<const std::uint8_t> r) {
    Centrala* c = podajCentrale();
    ElementSystemu* e = stan.sprawdzNrBloku() ? wpis(c, stan.podajElement()) : nullptr;
    const Odpowiedz o =
        e != nullptr ? sprawdzOdpowiedzOdczytu(r, najkrotszyBlok(*e)) : sprawdzRamke(r);
    if (o.typCentrali != 0 && c != nullptr) c->ustalTypWykryty(o.typCentrali);
    if (!o.czyPrzyjeta()) {
        zliczBlad(o.wynik, typTransmisji::Odczyt, stan.bledy);
        return wynikNaKod(o.wynik);
    }
    if (c == nullptr) return 0;
    if (e != nullptr && e->odczytajBlok(o.dane) != 0) {
        stan.bledy.zwiekszLicznikBledowZakresu();
        return 3;
    }
    WidokTablicy t(*c);
    // No request goes out for an entry past the range.
    if (stan.przyjmijOdczyt(t) && stan.sprawdzNrBloku()) port.zglos(PortRS::zadanieWysylki);
    return 0;
}

int Transmisja::odbierzDaneTest(std::span<const std::uint8_t> r) {
    const Odpowiedz o = sprawdzOdpowiedzTestu(r);
    Centrala* c = podajCentrale();
    if (o.typCentrali != 0 && c != nullptr) c->ustalTypWykryty(o.typCentrali);
    if (!o.czyPrzyjeta()) {
        zliczBlad(o.wynik, typTransmisji::Test, stan.bledy);
        return wynikNaKod(o.wynik);
    }
    if (o.nrFunkcji == ramka::nrOdpowiedziStanuPamieci) {
        PamiecZdarzen* p = podajPamiecZdarzen();
        if (p == nullptr || p->odczytajStatus(o.dane) == 0) {
            stan.bledy.zwiekszLicznikBledowZakresu();
            return 4;
        }
        p->ustalStatusOdebrany(1);
        stan.ustalFazeTestu(3);
    } else {
        const std::string_view tekst(reinterpret_cast<const char*>(o.dane.data()), o.dane.size());
        if (c == nullptr || c->odczytajIdentyfikacje(tekst) == 0) {
            stan.bledy.zwiekszLicznikBledowZakresu();
            return 3;
        }
        stan.ustalFazeTestu(2);
    }
    stan.bledy.zerujLicznikiBledow();
    return 0;
}

int Transmisja::odbierzDanePamiec(std::span<const std::uint8_t> r) {
    const Odpowiedz o = sprawdzOdpowiedzPamieci(r);
    Centrala* c = podajCentrale();
    if (o.typCentrali != 0 && c != nullptr) c->ustalTypWykryty(o.typCentrali);
    if (!o.czyPrzyjeta()) {
        zliczBlad(o.wynik, typTransmisji::Pamiec, stan.bledy);
        return wynikNaKod(o.wynik);
    }
    PamiecZdarzen* p = podajPamiecZdarzen();
    if (stan.sprawdzNrBloku() && (p == nullptr || p->dodajZdarzenie(o.dane) != 0)) {
        stan.bledy.zwiekszLicznikBledowZakresu();
        return 3;
    }
    BezTablicy t;
    if (stan.przyjmijOdczyt(t) && stan.sprawdzNrBloku()) port.zglos(PortRS::zadanieWysylki);
    return 0;
}

int Transmisja::liczbaBlokowDoPrzeslania(Centrala& c) {
    struct Rodzaj {
        int pierwszy;
        int liczba;
        int mnoznik;
    };
    const Rodzaj rodzaje[] = {
        {c.indBlc, c.liczbaBlc, 1},
        {c.poczStrefy, c.liczbaStref, 1},
        {c.poczElementyLinii, c.liczbaElementowLinii, 1},
        {c.poczPk, c.liczbaPk, 2},
        {c.poczLs, c.liczbaLs, 2},
        {c.poczLk, c.liczbaLk, 1},
        {c.poczWio, c.liczbaWio, 2},
        {c.poczWou, c.liczbaGrupWou, 16},
        {c.poczHrn, c.liczbaHrn, 2},
        {c.poczHva, c.liczbaHva, 2},
        {c.poczWmi, c.liczbaGrupWmi, 8},
        {c.indBrx, c.liczbaBrx, 1},
        {c.poczXgn, c.liczbaXgn, 2},
        {c.poczXgn30, c.liczbaXgn30, 32},
        {c.poczXrm, c.liczbaXrm, 5},
    };
    int suma = 0;
    for (const Rodzaj& r : rodzaje) {
        if (r.liczba <= 0) continue;
        ElementSystemu* e = wpis(&c, r.pierwszy);
        if (e != nullptr && e->czyPrzesylac()) suma += r.mnoznik * r.liczba;
    }
    return suma;
}

void Transmisja::ustalTypTransmisji(int typ) {
    std::lock_guard l(blokada);
    stan.ustalTypTransmisji(typ);
}

void Transmisja::ustalBlokDanych(int pierwszy, int koniec) {
    std::lock_guard l(blokada);
    Centrala* c = podajCentrale();
    stan.ustalBlokDanych(pierwszy, koniec, c != nullptr ? liczbaBlokowDoPrzeslania(*c) : 0);
}

void Transmisja::ustalBlokPamieci(int pierwszy, int koniec) {
    std::lock_guard l(blokada);
    stan.ustalBlokPamieci(pierwszy, koniec);
}

void Transmisja::ustalStop(std::uint8_t f) {
    std::lock_guard l(blokada);
    stan.ustalStop(f);
}
void Transmisja::ustalKoniec(std::uint8_t f) {
    std::lock_guard l(blokada);
    stan.ustalKoniec(f);
}
void Transmisja::ustalZapis(std::uint8_t f) {
    std::lock_guard l(blokada);
    stan.ustalZapis(f);
}
void Transmisja::ustalBlad(std::uint8_t f) {
    std::lock_guard l(blokada);
    stan.ustalBlad(f);
}
bool Transmisja::czyStop() const {
    std::lock_guard l(blokada);
    return stan.czyStop();
}
bool Transmisja::czyKoniec() const {
    std::lock_guard l(blokada);
    return stan.czyKoniec();
}
bool Transmisja::czyZapis() const {
    std::lock_guard l(blokada);
    return stan.czyZapis();
}
bool Transmisja::czyBlad() const {
    std::lock_guard l(blokada);
    return stan.czyBlad();
}
bool Transmisja::czyTrybOffLine() const {
    std::lock_guard l(blokada);
    return stan.czyTrybOffLine();
}
void Transmisja::ustalSygnalKonca(std::function<void()> s) {
    std::lock_guard l(blokada);
    return stan.ustalSygnalKonca(std::move(s));
}
bool Transmisja::timerPonowieniaOn() {
    std::lock_guard l(blokada);
    return stan.timerPonowieniaOn(port.czyOtwarty());
}
void Transmisja::timerPonowieniaOff() {
    std::lock_guard l(blokada);
    stan.timerPonowieniaOff();
}
void Transmisja::dopalLicznikPonowienia() {
    std::lock_guard l(blokada);
    stan.dopalLicznikPonowienia();
}
int Transmisja::podajLicznikPonowienia() const {
    std::lock_guard l(blokada);
    return stan.podajLicznikPonowienia();
}
void Transmisja::zerujLicznikiBledow() {
    std::lock_guard l(blokada);
    stan.bledy.zerujLicznikiBledow();
}
void Transmisja::zerujLicznikBleduKomunikacji() {
    std::lock_guard l(blokada);
    stan.bledy.zerujLicznikBleduKomunikacji();
}
void Transmisja::zwiekszLicznikBrakuPortu() {
    std::lock_guard l(blokada);
    stan.bledy.zwiekszLicznikBrakuPortu();
}
void Transmisja::zerujLicznikBrakuPortu() {
    std::lock_guard l(blokada);
    stan.bledy.zerujLicznikBrakuPortu();
}
void Transmisja::zerujLicznikPonowienia() {
    std::lock_guard l(blokada);
    stan.zerujLicznikPonowienia();
}
void Transmisja::ustalBladTransmisji(std::uint32_t b) {
    std::lock_guard l(blokada);
    stan.bledy.ustalBladTransmisji(b);
}
int Transmisja::podajLicznikBledowDanych(int k) const {
    std::lock_guard l(blokada);
    return stan.bledy.podajLicznikBledowDanych(k);
}
int Transmisja::podajLicznikBrakuOdpowiedzi(int k) const {
    std::lock_guard l(blokada);
    return stan.bledy.podajLicznikBrakuOdpowiedzi(k);
}
int Transmisja::podajLicznikBledowTransmisji(int k) const {
    std::lock_guard l(blokada);
    return stan.bledy.podajLicznikBledowTransmisji(k);
}
int Transmisja::podajLicznikBledowDostepu(int k) const {
    std::lock_guard l(blokada);
    return stan.bledy.podajLicznikBledowDostepu(k);
}
int Transmisja::podajLicznikBledowZakresu(int k) const {
    std::lock_guard l(blokada);
    return stan.bledy.podajLicznikBledowZakresu(k);
}
int Transmisja::podajLicznikBledowTypuCentrali(int k) const {
    std::lock_guard l(blokada);
    return stan.bledy.podajLicznikBledowTypuCentrali(k);
}
int Transmisja::podajLicznikBrakuPortu(int k) const {
    std::lock_guard l(blokada);
    return stan.bledy.podajLicznikBrakuPortu(k);
}
int Transmisja::podajTypBleduDanych() const {
    std::lock_guard l(blokada);
    return stan.bledy.podajTypBleduDanych();
}
std::uint32_t Transmisja::podajBladTransmisji() const {
    std::lock_guard l(blokada);
    return stan.bledy.podajBladTransmisji();
}
int Transmisja::sprawdzLicznikiBledow() const {
    std::lock_guard l(blokada);
    return stan.bledy.sprawdzLicznikiBledow();
}
int Transmisja::sprawdzLicznikiBledowMin() const {
    std::lock_guard l(blokada);
    return stan.bledy.sprawdzLicznikiBledowMin();
}
int Transmisja::podajTypTransmisji() const {
    std::lock_guard l(blokada);
    return stan.podajTypTransmisji();
}
int Transmisja::podajElement() const {
    std::lock_guard l(blokada);
    return stan.podajElement();
}
bool Transmisja::sprawdzNrBloku() const {
    std::lock_guard l(blokada);
    return stan.sprawdzNrBloku();
}
void Transmisja::zwiekszNrBloku() {
    std::lock_guard l(blokada);
    if (stan.podajTypTransmisji() == typTransmisji::Pamiec) {
        // nrBloku is the entry's number; the request is made from the memory's own count.
        if (PamiecZdarzen* p = podajPamiecZdarzen()) p->pominZdarzenie();
        BezTablicy t;
        stan.zwiekszNrBloku(t);
        return;
    }
    if (Centrala* c = podajCentrale()) {
        WidokTablicy t(*c);
        stan.zwiekszNrBloku(t);
    }
}
int Transmisja::podajPostep() const {
    std::lock_guard l(blokada);
    return stan.podajPostep();
}
int Transmisja::podajFazeTestu() const {
    std::lock_guard l(blokada);
    return stan.podajFazeTestu();
}

void Transmisja::zgloszenieTimerPonowienia() {
    std::lock_guard l(blokada);
    switch (stan.tikPonowienia(port.czyAwaria())) {
    case DzialanieTiku::zamknijPort:
        port.zamknijPort();
        break;
    case DzialanieTiku::wyslij:
        port.zglos(PortRS::zadanieWysylki);
        break;
    case DzialanieTiku::brak:
        break;
    }
}
