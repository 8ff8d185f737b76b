#include "comm/sesja_centrali.h"

#include <thread>

#include "comm/laczenie.h"
#include "comm/port_rs.h"
#include "comm/stan_transmisji.h"
#include "comm/transmisja.h"
#include "core/centrala.h"
#include "core/globalne.h"
#include "memory/pamiec_zdarzen.h"

namespace {

// How often the flags are looked at during a transfer: the end shows within this.
constexpr auto krokObserwacji = std::chrono::milliseconds(5);
// Read interval time-outs of the transmission window: a write's reply is one status byte.
constexpr int odstepOdczytuZapis = 30;
constexpr int odstepOdczytuInne = 35;

} // namespace

SesjaCentrali::SesjaCentrali(Transmisja& t, PortRS& p)
    : transmisja(t), port(p), nastepnyTikPonowienia(Zegar::now() + okresPonowienia) {}

SesjaCentrali::~SesjaCentrali() {
    rozlacz();
}

void SesjaCentrali::tikPonowieniaJesliCzas() {
    const auto teraz = Zegar::now();
    if (teraz < nastepnyTikPonowienia) return;
    nastepnyTikPonowienia = teraz + okresPonowienia;
    if (!transmisja.czyTrybOffLine()) transmisja.zgloszenieTimerPonowienia();
}

void SesjaCentrali::czekajDo(Zegar::time_point chwila) {
    for (;;) {
        tikPonowieniaJesliCzas();
        const auto teraz = Zegar::now();
        if (teraz >= chwila) return;
        std::this_thread::sleep_until(std::min(chwila, nastepnyTikPonowienia));
    }
}

int SesjaCentrali::polacz(const std::vector<std::string>& porty, int predkosc) {
    Laczenie l(transmisja, port);
    transmisja.ustalTypTransmisji(typTransmisji::Test);
    l.rozpocznij(porty);
    if (predkosc > 0) l.ustalWybranaPredkosc(std::to_string(predkosc));
    // The first tick opens the first port at once.
    l.ustalWybranyPort("0");
    nastepnyTikPonowienia = Zegar::now();
    auto nastepnyTik = Zegar::now();
    for (;;) {
        czekajDo(nastepnyTik);
        nastepnyTik += okresLaczenia;
        switch (l.tik()) {
        case Laczenie::Wynik::polaczono:
            transmisja.timerPonowieniaOn();
            return 0;
        case Laczenie::Wynik::niepowodzenie:
            rozlacz();
            return l.podajKodBledu() != 0 ? l.podajKodBledu() : 1;
        case Laczenie::Wynik::trwa:
            break;
        }
    }
}

int SesjaCentrali::przeslij(const std::function<void(int)>& postep) {
    port.ustalReadIntervalTimeout(transmisja.podajTypTransmisji() == typTransmisji::Zapis
                                      ? odstepOdczytuZapis
                                      : odstepOdczytuInne);
    port.ustawTimeouty();
    transmisja.ustalStop(0);
    transmisja.zerujLicznikiBledow();
    port.zglos(PortRS::zadanieWysylki);
    int pokazany = -1;
    for (;;) {
        if (transmisja.czyKoniec()) {
            transmisja.ustalStop(1);
            if (postep) postep(100);
            return 0;
        }
        if (const int e = transmisja.sprawdzLicznikiBledow(); e != 0) {
            transmisja.ustalStop(1);
            transmisja.ustalBlad(1);
            return e;
        }
        const int p = transmisja.podajPostep();
        if (p != pokazany && postep) postep(p);
        pokazany = p;
        czekajDo(Zegar::now() + krokObserwacji);
    }
}

void SesjaCentrali::wrocDoTestu() {
    transmisja.ustalTypTransmisji(typTransmisji::Test);
    const Centrala* c = biezacaCentrala;
    const int pocz = c != nullptr ? c->poczPk : 0;
    transmisja.ustalBlokDanych(pocz, pocz + 1);
}

bool SesjaCentrali::czekajNaStatus(PamiecZdarzen& pamiec, std::uint8_t rodzaj,
                                   std::chrono::milliseconds limit) {
    pamiec.ustalRodzajPamieci(rodzaj);
    pamiec.ustalStatusOdebrany(0);
    const auto koniec = Zegar::now() + limit;
    while (Zegar::now() < koniec) {
        if (pamiec.czyStatusOdebrany() != 0) return true;
        if (!port.czyOtwarty()) return false;
        // Polling alternates identity and status requests: ask again at once instead of
        // waiting three retry ticks for each.
        port.zglos(PortRS::zadanieWysylki);
        czekajDo(Zegar::now() + std::chrono::milliseconds(100));
    }
    return pamiec.czyStatusOdebrany() != 0;
}

void SesjaCentrali::rozlacz() {
    transmisja.timerPonowieniaOff();
    port.zamknijPort();
}
