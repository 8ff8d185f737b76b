// A full 7800 assignment stack (64000 entries over every source) written block by block with the
// table walk, then read back into an empty stack: the work of saving and loading it.
#include <chrono>
#include <cstdio>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/modele.h"
#include "core/przejscie_tablicy.h"
#include "elements/outputs/stos.h"
#include "lang/language.h"

int main() {
    Language j;
    jezyk = &j;
    auto c = utworzCentrale(4);
    c->ustawRozmiary();
    c->budujTabliceElementow();
    biezacaCentrala = c.get();
    Stos& stos = *c->stos;

    // Spread the entries over every key the walk visits.
    std::vector<Stos::Klucz> klucze;
    stos.zerujKursor();
    do {
        const auto& k = stos.podajKursor();
        if (k.kod != Stos::kodXrm || k.podnumer >= 2) klucze.push_back(k); // sub-panel outputs 2..6
    } while (stos.czyKolejnyBlok());
    for (int i = 0; i < 64000; ++i) {
        const auto& k = klucze[(i * 7919) % klucze.size()];
        stos.dodajPrzypisanie(k.kod, k.numer, k.podnumer, 128, i % 2048, i % 32, k.indeks);
    }
    stos.ustalTrybZrodla([](const Stos::Klucz&) { return 128; });

    const auto start = std::chrono::steady_clock::now();
    std::vector<Bajty> bloki;
    stos.zerujKursor();
    for (PrzejscieTablicy p(*c, c->indStos, c->indStos + 1); !p.koniec(); p.dalej()) {
        bloki.emplace_back();
        p.biezacy().zapiszBlok(bloki.back());
    }
    stos.wyczysc();
    for (const auto& b : bloki) stos.odczytajBlok(b);
    const double s =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("assignment stack: %d entries, %zu blocks written and read back in %.3f s\n",
                stos.podajLiczbeWpisow(), bloki.size(), s);
    biezacaCentrala = nullptr;
    c.reset();
    jezyk = nullptr;
    return stos.podajLiczbeWpisow() == 64000 ? 0 : 1;
}
