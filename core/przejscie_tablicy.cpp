#include "core/przejscie_tablicy.h"

#include <algorithm>

#include "core/centrala.h"
#include "elements/outputs/stos.h"

PrzejscieTablicy::PrzejscieTablicy(Centrala& c, int od, int doIndeksu)
    : centrala(c), indeks(od < 0 ? c.poczElementyLinii : od),
      granica(doIndeksu < 0 ? c.liczbaElementowSystemu
                            : std::min(doIndeksu, c.liczbaElementowSystemu)) {
    pominNieprzesylane();
}

ElementSystemu& PrzejscieTablicy::biezacy() const {
    return *centrala.tablicaElementow[indeks];
}

void PrzejscieTablicy::pominNieprzesylane() {
    while (!koniec() && !biezacy().czyPrzesylac()) ++indeks;
}

void PrzejscieTablicy::dalej() {
    if (koniec()) return;
    if (indeks >= centrala.poczXgn30 && indeks < centrala.indStos && biezacy().czyKolejnyBlok())
        return;
    if (indeks == centrala.indStos) {
        // The next page of the same source first, then the next source.
        if (centrala.stos->nastepnaStrona() || centrala.stos->czyKolejnyBlok()) return;
    }
    ++indeks;
    pominNieprzesylane();
}
