// merak-panel-sim: a stand-in panel on a pseudo-terminal for end-to-end tests, benchmarks and
// demonstrations.
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "comm/ramka.h"
#include "core/centrala.h"
#include "core/globalne.h"
#include "core/modele.h"
#include "core/otoczenie.h"
#include "core/plik_konfiguracji.h"
#include "lang/language.h"
#include "platform/lista_portow.h"
#include "platform/pliki.h"
#include "sim/magazyn_blokow.h"
#include "sim/obsluga_zadan.h"
#include "sim/opcje.h"
#include "sim/przejscie_zapisu.h"
#include "sim/pseudoterminal.h"
#include "sim/skladanie_ramek.h"

namespace {

constexpr int wynikBledu = 2;

volatile std::sig_atomic_t koniecPracy = 0;

extern "C" void naSygnal(int) {
    koniecPracy = 1;
}

void ustawSygnaly() {
    struct sigaction s {};
    s.sa_handler = naSygnal;
    sigemptyset(&s.sa_mask);
    s.sa_flags = 0; // no restart: a signal cuts the wait for bytes short
    sigaction(SIGINT, &s, nullptr);
    sigaction(SIGTERM, &s, nullptr);
    sigaction(SIGHUP, &s, nullptr);
}

// Builds the root of the panel type and fills it from the file when one is given; an error
// message when the file cannot be used.
std::string przygotujCentrale(sim::OpcjeSymulatora& o) {
    std::vector<std::uint8_t> dane;
    if (!o.plik.empty()) {
        auto d = platform::czytajPlik(o.plik);
        if (!d) return o.plik + ": cannot be read";
        dane = std::move(*d);
        const std::string sygnatura(
            dane.begin(),
            dane.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(9, dane.size())));
        const int typ = typZSygnatury(sygnatura);
        if (typ < 3 || typ > 6) return o.plik + ": not a configuration file of a panel model";
        if (o.modelPodany && typ != o.panel.typ)
            return o.plik + ": the file is of another model than --model";
        o.panel.typ = typ;
    }
    biezacaCentrala = utworzCentrale(o.panel.typ).release();
    Centrala& c = *biezacaCentrala;
    c.ustawRozmiary();
    c.budujTabliceElementow();
    // The stack's function numbers follow the firmware.
    const std::string id = "PSC0000V" + std::to_string(o.panel.wersjaGlowna) + "." +
                           std::to_string(o.panel.wersjaPoboczna);
    c.odczytajIdentyfikacje(id);
    if (!o.plik.empty()) {
        OtoczenieBezOkien otoczenie;
        if (odczytajKonfiguracje(dane, otoczenie) != WynikPliku::ok)
            return o.plik + ": damaged or not readable whole";
    }
    return {};
}

void usunCentraleSymulatora() {
    delete biezacaCentrala;
    biezacaCentrala = nullptr;
}

// Sleeps until the moment, waking now and then to see whether the simulator is being stopped.
bool czekajDo(std::chrono::steady_clock::time_point chwila) {
    const auto krok = std::chrono::milliseconds(50);
    for (;;) {
        if (koniecPracy) return false;
        const auto teraz = std::chrono::steady_clock::now();
        if (teraz >= chwila) return true;
        std::this_thread::sleep_until(std::min(chwila, teraz + krok));
    }
}

} // namespace

int main(int argc, char** argv) {
    sim::OpcjeSymulatora o;
    if (const auto blad = sim::czytajOpcje(std::vector<std::string>(argv + 1, argv + argc), o)) {
        std::fprintf(stderr, "merak-panel-sim: %s\n%s", blad->c_str(), sim::opisUzycia);
        return wynikBledu;
    }
    if (o.pomoc) {
        std::fputs(sim::opisUzycia, stdout);
        return 0;
    }

    Language j;
    jezyk = &j;
    sim::MagazynBlokow magazyn;
    if (const std::string blad = przygotujCentrale(o); !blad.empty()) {
        std::fprintf(stderr, "merak-panel-sim: %s\n", blad.c_str());
        usunCentraleSymulatora();
        jezyk = nullptr;
        return wynikBledu;
    }
    sim::wypelnijMagazyn(magazyn, *biezacaCentrala);
    usunCentraleSymulatora();
    jezyk = nullptr;

    ustawSygnaly();
    sim::Pseudoterminal pt;
    if (pt.nazwa().empty()) {
        std::fprintf(stderr, "merak-panel-sim: no pseudo-terminal: %s\n", pt.blad().c_str());
        return 1;
    }
    // Announced before the name is printed: whoever reads the name finds the port listed.
    const std::string ogloszenie = platform::ogloszPort(pt.nazwa());
    if (ogloszenie.empty())
        std::fprintf(stderr, "merak-panel-sim: the port could not be announced\n");
    std::printf("%s\n", pt.nazwa().c_str());
    std::fflush(stdout);

    sim::ObslugaZadan obsluga(o.panel, magazyn);
    sim::SkladanieRamek skladanie;
    std::vector<std::uint8_t> bufor(4096);
    int wynik = 0;
    bool dalej = true;
    while (dalej && !koniecPracy) {
        const int n = pt.czytaj(bufor, std::chrono::milliseconds(200));
        if (n < 0) {
            std::fprintf(stderr, "merak-panel-sim: the pseudo-terminal failed\n");
            wynik = 1;
            break;
        }
        if (n == 0) continue;
        const auto przybycie = std::chrono::steady_clock::now();
        skladanie.dodaj(std::span<const std::uint8_t>(bufor).first(static_cast<std::size_t>(n)));
        while (dalej) {
            const auto zadanie = skladanie.nastepna();
            if (!zadanie) break;
            const sim::Odpowiedz odp = obsluga.obsluz(*zadanie);
            if (o.gadatliwy)
                std::fprintf(stderr, "request 0x%02X, %zu bytes: %s\n",
                             (*zadanie)[ramka::offNrFunkcji], zadanie->size(),
                             odp.ramka.empty()
                                 ? "no reply"
                                 : (std::to_string(odp.ramka.size()) + " bytes replied").c_str());
            if (odp.ramka.empty()) continue;
            auto chwila = przybycie + odp.opoznienie;
            if (o.tempoLinii)
                chwila += sim::czasNaLinii(zadanie->size(), odp.ramka.size(), o.predkosc);
            if (!czekajDo(chwila)) break;
            pt.pisz(odp.ramka);
            if (odp.znikniecie) {
                pt.czekajNaOdbior(std::chrono::seconds(2));
                dalej = false;
            }
        }
    }
    if (!ogloszenie.empty()) platform::wycofajPort(ogloszenie);
    pt.zamknij();
    return wynik;
}
