#include "core/centrala.h"

#include <cstdio>
#include <cstdlib>

#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/brx.h"
#include "elements/outputs/brx_lk.h"
#include "elements/outputs/brx_par.h"
#include "elements/outputs/brx_pk.h"
#include "elements/outputs/hrn.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/lk.h"
#include "elements/outputs/ls.h"
#include "elements/outputs/pk.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/wio.h"
#include "elements/outputs/wmi.h"
#include "elements/outputs/wou.h"
#include "elements/outputs/xgn.h"
#include "elements/outputs/xgn30.h"
#include "elements/outputs/xrm.h"

namespace {

// Releasing an object that does not exist is a programming error: stop at once.
[[noreturn]] void brakObiektu(const char* wyrazenie) {
    std::fprintf(stderr, "Assertion failed: %s, file CLASSES\\centrala\n", wyrazenie);
    std::abort();
}

template <class T>
void usun(T*& x) {
    if (x == nullptr) brakObiektu("x != NULL");
    delete x;
    x = nullptr;
}

template <class T, std::size_t N>
void usun(std::array<T*, N>& x, int liczba) {
    for (int i = 0; i < liczba; ++i) {
        if (x[i] == nullptr) brakObiektu("x[i] != NULL");
        delete x[i];
        x[i] = nullptr;
    }
}

} // namespace

Centrala::~Centrala() {
    if (zbudowana) usunTabliceElementow();
}

void Centrala::ustalTypZapamietany(int t) {
    if (t >= 3 && t <= 6) typZapamietany = t;
}

int Centrala::odczytajIdentyfikacje(std::string_view o) {
    // The version characters must be digits: anything else would give a version no panel has.
    const auto cyfra = [](char c) { return c >= '0' && c <= '9'; };
    if (o.size() < 11 || o[0] != 'P' || o[1] != 'S' || o[2] != 'C' || o[7] != 'V' || o[9] != '.' ||
        !cyfra(o[8]) || !cyfra(o[10]))
        return 0;
    wersjaOprogramowania = (o[8] - '0') * 10 + (o[10] - '0');
    identyfikacja = std::string(o.substr(0, o.find('\0')));
    return wersjaOprogramowania;
}

int Centrala::odczytajWersjePliku(std::string_view wersja) {
    if (wersja.size() >= 2 && wersja[0] == 'v' && wersja[1] >= '1' && wersja[1] <= '5')
        return wersja[1] - '0';
    return 0;
}

std::string Centrala::kodujXML(std::string_view zrodlo) {
    std::string wynik;
    wynik.reserve(zrodlo.size());
    for (char c : zrodlo) {
        switch (c) {
        case '&':
            wynik += "&amp;";
            break;
        case '<':
            wynik += "&lt;";
            break;
        case '>':
            wynik += "&gt;";
            break;
        default:
            wynik += c;
        }
    }
    return wynik;
}

void Centrala::rozmiescZakresy() {
    liczbaElementowLinii = liczbaLinii * liczbaAdresow;
    int i = 0;
    auto zakres = [&i](int& pocz, int liczba) {
        pocz = i;
        i += liczba;
    };
    zakres(poczElementyLinii, liczbaElementowLinii);
    zakres(poczStrefy, liczbaStref);
    zakres(poczWio, liczbaWio);
    zakres(poczPk, liczbaPk);
    zakres(poczLs, liczbaLs);
    zakres(poczLk, liczbaLk);
    zakres(indBlc, liczbaBlc);
    zakres(poczWou, liczbaGrupWou * 8);
    zakres(poczHrn, liczbaHrn);
    zakres(poczHva, liczbaHva);
    zakres(poczWmi, liczbaGrupWmi * 8);
    zakres(indBrx, 1);
    zakres(poczBrxPk, liczbaBrx * 16);
    zakres(poczBrxLk, liczbaBrx * 11);
    zakres(poczBrxPar, liczbaBrx);
    zakres(poczXgn, liczbaXgn);
    zakres(poczXgn30, liczbaXgn30);
    zakres(poczXrm, liczbaXrm);
    zakres(indStos, 1);
    liczbaElementowSystemu = i;
}

void Centrala::ustawLimityWspolne(int maksNrCentraliModelu) {
    maksNrCentrali = maksNrCentraliModelu;
    maksWariant = 19;
    maksParametrWyjscia = {0, 2, 2, 8, 22, 5, 0};
}

void Centrala::budujTabliceElementow() {
    auto& t = tablicaElementow;
    int linia = 1, adres = 1;
    auto kolejnyElementLinii = [&]() {
        auto* e = new Element(linia, adres);
        if (++adres > liczbaAdresow) {
            adres = 1;
            ++linia;
        }
        return e;
    };
    for (int i = 0; i < liczbaElementowLinii; ++i) {
        elementyLinii[i] = kolejnyElementLinii();
        t[poczElementyLinii + i] = elementyLinii[i];
    }
    for (int n = 1; n <= liczbaStref; ++n) t[poczStrefy + n - 1] = strefy[n - 1] = new Strefa(n);
    for (int n = 1; n <= liczbaWio; ++n) t[poczWio + n - 1] = wio[n - 1] = new Wio(n);
    for (int d = 1; d <= liczbaGrupWou; ++d) {
        for (int k = 1; k <= 8; ++k) {
            const int i = (d - 1) * 8 + k - 1;
            t[poczWou + i] = wou[i] = new Wou(d, k);
        }
    }
    for (int d = 1; d <= liczbaGrupWmi; ++d) {
        for (int k = 1; k <= 8; ++k) {
            const int i = (d - 1) * 8 + k - 1;
            t[poczWmi + i] = wmi[i] = new Wmi(d, k);
        }
    }
    for (int n = 1; n <= liczbaHrn; ++n) t[poczHrn + n - 1] = hrn[n - 1] = new Hrn(n);
    for (int n = 1; n <= liczbaHva; ++n) t[poczHva + n - 1] = hva[n - 1] = new Hva(n);
    for (int n = 1; n <= liczbaPk; ++n) t[poczPk + n - 1] = pk[n - 1] = new Pk(n);
    for (int n = 1; n <= liczbaLs; ++n) t[poczLs + n - 1] = ls[n - 1] = new Ls(n);
    for (int n = 1; n <= liczbaLk; ++n) t[poczLk + n - 1] = lk[n - 1] = new Lk(n);
    t[indBlc] = blc = new Blc(typCentrali);
    t[indBrx] = brx = new Brx();
    for (int p = 1; p <= liczbaBrx; ++p) {
        for (int r = 1; r <= 16; ++r) {
            const int i = (p - 1) * 16 + r - 1;
            t[poczBrxPk + i] = brxPk[i] = new BrxPk(p, r);
        }
        for (int l = 1; l <= 11; ++l) {
            const int i = (p - 1) * 11 + l - 1;
            t[poczBrxLk + i] = brxLk[i] = new BrxLk(p, l);
        }
        t[poczBrxPar + p - 1] = brxPar[p - 1] = new BrxPar(p);
    }
    for (int n = 1; n <= liczbaXgn; ++n) t[poczXgn + n - 1] = xgn[n - 1] = new Xgn(n);
    for (int n = 1; n <= liczbaXgn30; ++n) t[poczXgn30 + n - 1] = xgn30[n - 1] = new Xgn30(n);
    for (int n = 1; n <= liczbaXrm; ++n) t[poczXrm + n - 1] = xrm[n - 1] = new Xrm(n);
    // Fillers keep the table free of null entries; their numbering continues past the last line.
    for (int i = indStos + 1; i < rozmiarTablicy; ++i) t[i] = kolejnyElementLinii();
    t[indStos] = stos = new Stos();
    zbudowana = true;
}

void Centrala::usunTabliceElementow() {
    usun(blc);
    usun(elementyLinii, liczbaElementowLinii);
    usun(strefy, liczbaStref);
    usun(wio, liczbaWio);
    usun(wou, liczbaGrupWou * 8);
    usun(wmi, liczbaGrupWmi * 8);
    usun(hrn, liczbaHrn);
    usun(hva, liczbaHva);
    usun(pk, liczbaPk);
    usun(ls, liczbaLs);
    usun(lk, liczbaLk);
    usun(brx);
    usun(brxPk, liczbaBrx * 16);
    usun(brxLk, liczbaBrx * 11);
    usun(brxPar, liczbaBrx);
    usun(xgn, liczbaXgn);
    usun(xgn30, liczbaXgn30);
    usun(xrm, liczbaXrm);
    for (int i = indStos + 1; i < rozmiarTablicy; ++i) {
        if (tablicaElementow[i] == nullptr) brakObiektu("x[i] != NULL");
        delete tablicaElementow[i];
    }
    usun(stos);
    tablicaElementow.fill(nullptr);
    zbudowana = false;
}
