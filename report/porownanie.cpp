#include "report/porownanie.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/centrala.h"
#include "core/element_systemu.h"
#include "core/przejscie_tablicy.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/brx.h"
#include "elements/outputs/brx_lk.h"
#include "elements/outputs/brx_par.h"
#include "elements/outputs/brx_pk.h"
#include "elements/outputs/stos.h"
#include "lang/formatowanie.h"
#include "lang/language.h"
#include "report/zrodla_przypisan.h"

namespace {

constexpr int tStronaA = 52001, tStronaB = 52002, tPole = 52003, tNieDrukowany = 52004,
              tUsuniete = 52005, tDodane = 52006, tWpisStrefy = 52007, tWpisWejsc = 52008,
              tPodsumowanie = 52009, tLiczbaZmian = 52010, tIdentyczne = 52011, tRozne = 52012,
              tInneModele = 52013, tTak = 52014, tNie = 52015, tBajt = 52016, tBlc = 52017,
              tBlcLinia = 52018, tBrx = 52019, tFunkcja = 52020, tKontrola = 52021,
              tKomunikat = 52022, tCzas = 52023, tWstrzymanie = 52024, tWyladowanie = 52025;
// Names of the kinds in table order, then the assignment sources.
constexpr int tPierwszyRodzaj = 52030;
constexpr int liczbaRodzajow = 19;

// The first index of every kind in table order; the last entry is the stack.
std::array<int, liczbaRodzajow> poczatkiRodzajow(const Centrala& c) {
    return {c.poczElementyLinii,
            c.poczStrefy,
            c.poczWio,
            c.poczPk,
            c.poczLs,
            c.poczLk,
            c.indBlc,
            c.poczWou,
            c.poczHrn,
            c.poczHva,
            c.poczWmi,
            c.indBrx,
            c.poczBrxPk,
            c.poczBrxLk,
            c.poczBrxPar,
            c.poczXgn,
            c.poczXgn30,
            c.poczXrm,
            c.indStos};
}

int rodzajIndeksu(const std::array<int, liczbaRodzajow>& poczatki, int indeks) {
    int r = 0;
    for (int k = 0; k < liczbaRodzajow; ++k)
        if (poczatki[static_cast<std::size_t>(k)] <= indeks) r = k;
    return r;
}

// Every block of every transferred object before the stack, joined per object.
std::vector<Bajty> blokiObiektow(Centrala& c) {
    CentralaNaCzas naCzas(c);
    std::vector<Bajty> bloki(static_cast<std::size_t>(std::max(c.indStos, 0)));
    Bajty blok;
    for (PrzejscieTablicy p(c, -1, c.indStos); !p.koniec(); p.dalej()) {
        p.biezacy().zapiszBlok(blok);
        Bajty& b = bloki[static_cast<std::size_t>(p.podajIndeks())];
        b.insert(b.end(), blok.begin(), blok.end());
    }
    return bloki;
}

std::string takNie(bool b) {
    return tekst(b ? tTak : tNie);
}

using Pola = std::vector<std::pair<std::string, std::string>>;

// The fields of a record that has no printout rows, by name and value.
Pola polaObiektu(ElementSystemu& e, const Bajty& bajty) {
    Pola p;
    if (const auto* blc = dynamic_cast<const Blc*>(&e)) {
        for (int n = 1; n <= 2; ++n) {
            p.emplace_back(formatujTekst(tBlc, n), takNie(blc->podajZadeklarowany(n)));
            for (int l = 1; l <= 4; ++l)
                p.emplace_back(formatujTekst(tBlcLinia, n, l),
                               takNie(blc->podajLiniePromieniowa(n, l)));
        }
    } else if (const auto* brx = dynamic_cast<const Brx*>(&e)) {
        for (int n = 1; n <= Brx::liczbaPakietow; ++n)
            p.emplace_back(formatujTekst(tBrx, n), takNie(brx->podajZadeklarowany(n)));
    } else if (const auto* pk = dynamic_cast<const BrxPk*>(&e)) {
        p.emplace_back(tekst(tFunkcja), std::to_string(pk->podajFunkcje()));
        p.emplace_back(tekst(tKontrola), takNie(pk->podajKontroleZadzialania()));
    } else if (const auto* lk = dynamic_cast<const BrxLk*>(&e)) {
        p.emplace_back(tekst(tFunkcja), std::to_string(lk->podajFunkcje()));
        p.emplace_back(tekst(tKomunikat), "\"" + lk->podajKomunikat() + "\"");
    } else if (const auto* par = dynamic_cast<const BrxPar*>(&e)) {
        for (int n = 1; n <= BrxPar::liczbaPar; ++n) {
            const int s = par->podajSekundy(n);
            p.emplace_back(formatujTekst(tCzas, n), std::to_string(par->podajMinuty(n)) +
                                                        (s < 10 ? ":0" : ":") + std::to_string(s));
        }
        p.emplace_back(tekst(tWstrzymanie), std::to_string(par->podajWstrzymanieGaszenia()));
        p.emplace_back(tekst(tWyladowanie), std::to_string(par->podajSygnalizacjeWyladowania()));
    } else {
        // Any other kind without rows: its record bytes.
        for (std::size_t i = 0; i < bajty.size(); ++i)
            p.emplace_back(formatujTekst(tBajt, static_cast<int>(i) + 1), std::to_string(bajty[i]));
    }
    return p;
}

Pola pola(Centrala& c, int indeks, const Bajty& bajty) {
    CentralaNaCzas naCzas(c);
    return polaObiektu(*c.tablicaElementow[static_cast<std::size_t>(indeks)], bajty);
}

std::string wiersze(Centrala& c, int indeks) {
    CentralaNaCzas naCzas(c);
    std::string w;
    c.tablicaElementow[static_cast<std::size_t>(indeks)]->drukujWiersz(w);
    if (!w.empty() && w.back() != '\n') w += '\n';
    return w;
}

std::string opisWpisu(int tryb, const std::pair<int, int>& wpis) {
    if (tryb != Stos::trybWio && tryb != Stos::trybWmi)
        return formatujTekst(tWpisStrefy, wpis.first, wpis.second);
    std::string wejscia;
    for (int bit = 0; bit < 8; ++bit)
        if ((wpis.second >> bit & 1) != 0)
            wejscia += (wejscia.empty() ? "" : ",") + std::to_string(bit + 1);
    return formatujTekst(tWpisWejsc, wpis.first, wejscia.c_str());
}

// Entries of `z` missing from `w`, counting repeated entries.
std::vector<std::pair<int, int>> roznica(std::vector<std::pair<int, int>> z,
                                         std::vector<std::pair<int, int>> w) {
    std::sort(z.begin(), z.end());
    std::sort(w.begin(), w.end());
    std::vector<std::pair<int, int>> r;
    std::set_difference(z.begin(), z.end(), w.begin(), w.end(), std::back_inserter(r));
    return r;
}

class Porownywarka {
public:
    Porownywarka(Centrala& a, Centrala& b) : a(a), b(b) {}

    Porownanie wykonaj() {
        obiekty();
        przypisania();
        Porownanie p;
        p.wynik = liczbaZmian == 0 ? Porownanie::Wynik::identyczne : Porownanie::Wynik::rozne;
        if (liczbaZmian > 0) {
            p.raport = std::move(raport);
            p.raport += tekst(tPodsumowanie) + '\n';
            for (int k = 0; k < liczbaRodzajow; ++k)
                if (zmianyRodzaju[static_cast<std::size_t>(k)] > 0)
                    p.raport += formatujTekst(tLiczbaZmian, tekst(tPierwszyRodzaj + k).c_str(),
                                              zmianyRodzaju[static_cast<std::size_t>(k)]) +
                                '\n';
        }
        p.raport += tekst(liczbaZmian == 0 ? tIdentyczne : tRozne) + '\n';
        return p;
    }

private:
    void zmiana(int rodzaj) {
        ++zmianyRodzaju[static_cast<std::size_t>(rodzaj)];
        ++liczbaZmian;
    }

    void obiekty() {
        const std::vector<Bajty> blokiA = blokiObiektow(a), blokiB = blokiObiektow(b);
        const auto poczatki = poczatkiRodzajow(a);
        for (std::size_t i = 0; i < blokiA.size() && i < blokiB.size(); ++i) {
            if (blokiA[i] == blokiB[i]) continue;
            const int indeks = static_cast<int>(i);
            zmiana(rodzajIndeksu(poczatki, indeks));
            {
                CentralaNaCzas naCzas(a);
                raport += a.tablicaElementow[i]->podajNazwe() + '\n';
            }
            const std::string wA = wiersze(a, indeks), wB = wiersze(b, indeks);
            if (wA.empty() && wB.empty()) {
                const Pola pA = pola(a, indeks, blokiA[i]), pB = pola(b, indeks, blokiB[i]);
                for (std::size_t n = 0; n < pA.size() && n < pB.size(); ++n)
                    if (pA[n].second != pB[n].second)
                        raport += "  " +
                                  formatujTekst(tPole, pA[n].first.c_str(), pA[n].second.c_str(),
                                                pB[n].second.c_str()) +
                                  '\n';
            } else {
                raport += tekst(tStronaA) + '\n' + (wA.empty() ? tekst(tNieDrukowany) + '\n' : wA);
                raport += tekst(tStronaB) + '\n' + (wB.empty() ? tekst(tNieDrukowany) + '\n' : wB);
            }
            raport += '\n';
        }
    }

    void przypisania() {
        std::vector<ZrodloPrzypisan> zA, zB;
        {
            CentralaNaCzas naCzas(a);
            zA = zrodlaPrzypisan(a);
        }
        {
            CentralaNaCzas naCzas(b);
            zB = zrodlaPrzypisan(b);
        }
        for (std::size_t i = 0; i < zA.size() && i < zB.size(); ++i) {
            const auto wA = wpisyZrodla(a, zA[i].klucz), wB = wpisyZrodla(b, zB[i].klucz);
            // The order of a source's entries drives nothing: only what is in the list counts.
            const auto usuniete = roznica(wA, wB), dodane = roznica(wB, wA);
            if (usuniete.empty() && dodane.empty()) continue;
            zmiana(liczbaRodzajow - 1);
            raport += zA[i].etykieta + '\n';
            for (const auto& w : usuniete)
                raport += "  " + formatujTekst(tUsuniete, opisWpisu(zA[i].tryb, w).c_str()) + '\n';
            for (const auto& w : dodane)
                raport += "  " + formatujTekst(tDodane, opisWpisu(zB[i].tryb, w).c_str()) + '\n';
            raport += '\n';
        }
    }

    Centrala& a;
    Centrala& b;
    std::string raport;
    std::array<int, liczbaRodzajow> zmianyRodzaju{};
    int liczbaZmian = 0;
};

} // namespace

Porownanie porownajKonfiguracje(Centrala& a, Centrala& b) {
    if (a.podajTypCentrali() != b.podajTypCentrali())
        return {Porownanie::Wynik::inneModele,
                formatujTekst(tInneModele, a.podajNazweCentrali().c_str(),
                              b.podajNazweCentrali().c_str()) +
                    '\n'};
    return Porownywarka(a, b).wykonaj();
}
