// A fully populated 7800 configuration written to the panel simulator and read back, with the
// simulator pacing its replies as a line at 19200 bit/s would. Prints each transfer's time, the
// wire time of all its frames at that speed, and their ratio: what the program adds to the
// line's own time.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "comm/port_rs.h"
#include "comm/przygotowanie_transmisji.h"
#include "comm/ramka.h"
#include "comm/sesja_centrali.h"
#include "comm/transmisja.h"
#include "core/centrala.h"
#include "core/element_systemu.h"
#include "core/globalne.h"
#include "core/otoczenie.h"
#include "core/uruchomienie.h"
#include "core/zmiana_centrali.h"
#include "sim/przejscie_zapisu.h"
#include "tests/wspolne/konfiguracja_pelna.h"
#include "tests/wspolne/proces_symulatora.h"

namespace {

constexpr int predkosc = 19200;
constexpr double bitowNaBajt = 11.0;

// Bytes on the wire of a write and of a read of the whole configuration, both directions.
struct BajtyNaLinii {
    double zapis = 0, odczyt = 0;
};

BajtyNaLinii policzBajty(Centrala& c) {
    BajtyNaLinii b;
    sim::przejdzJakZapis(c, [&b](ElementSystemu& e, std::span<const std::uint8_t> blok) {
        Bajty zapytanie;
        e.ustalZapytanie(zapytanie, 0);
        const double narzut = ramka::narzutRamki;
        b.zapis += (narzut + static_cast<double>(blok.size())) + (narzut + 1);
        b.odczyt += (narzut + static_cast<double>(zapytanie.size())) +
                    (narzut + static_cast<double>(blok.size()));
    });
    return b;
}

double sekundy(SesjaCentrali& s) {
    const auto start = std::chrono::steady_clock::now();
    const int e = s.przeslij();
    const double t =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (e != 0) std::fprintf(stderr, "transfer stopped with error code %d\n", e);
    s.wrocDoTestu();
    return t;
}

void wypisz(const char* co, double czas, double bajty) {
    const double naLinii = bajty * bitowNaBajt / predkosc;
    std::printf("%-6s %8.2f s   wire %8.2f s (%9.0f bytes)   ratio %.3f\n", co, czas, naLinii,
                bajty, czas / naLinii);
}

} // namespace

int main() {
    OtoczenieBezOkien o;
    uruchom(o);
    zmienTypCentrali(4, o);
    Centrala& c = *biezacaCentrala;
    wypelnijKonfiguracje(c);
    const BajtyNaLinii bajty = policzBajty(c);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("7800, every kind in use, %d assignments, %d bit/s: wire time %.0f s to write, "
                "%.0f s to read\n",
                c.stos->podajLiczbeWpisow(), predkosc, bajty.zapis * bitowNaBajt / predkosc,
                bajty.odczyt * bitowNaBajt / predkosc);

    Symulator sym({"--model", "7800", "--pace", "--speed", std::to_string(predkosc)});
    const std::string port = sym.pierwszaLinia();
    if (port.empty()) {
        std::fprintf(stderr, "%s did not start\n", SCIEZKA_SYMULATORA);
        return 1;
    }
    SesjaCentrali s(*transmisja, *portRS);
    if (const int e = s.polacz({port}, predkosc); e != 0) {
        std::fprintf(stderr, "no panel on %s (code %d)\n", port.c_str(), e);
        return 1;
    }
    przygotujZapis(c, *transmisja, WyborRodzajow{});
    const double zapis = sekundy(s);
    wypisz("write", zapis, bajty.zapis);
    przygotujOdczyt(c, *transmisja);
    const double odczyt = sekundy(s);
    wypisz("read", odczyt, bajty.odczyt);
    wypisz("total", zapis + odczyt, bajty.zapis + bajty.odczyt);
    s.rozlacz();
    zakoncz();
    return 0;
}
