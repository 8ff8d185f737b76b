#include "elements/outputs/stos.h"

#include <algorithm>
#include <array>

#include "core/centrala.h"
#include "core/globalne.h"
#include "elements/outputs/hrn.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/ls.h"
#include "elements/outputs/pk.h"
#include "elements/outputs/stos_uklad.h"
#include "elements/outputs/wio.h"
#include "elements/outputs/wou.h"
#include "elements/outputs/xgn.h"
#include "elements/outputs/xgn30.h"
#include "elements/outputs/xrm.h"
#include "lang/language.h"

namespace {

using namespace stos_uklad;
constexpr int bWpisy = Stos::dlugoscNaglowka;

// One kind of source in walk order: its key kind, how many sources, and the module indexes and
// sub-numbers each source is walked with.
struct Odcinek {
    int kod;
    int liczba;
    int pierwszyIndeks, liczbaIndeksow;
    int pierwszyPodnumer, liczbaPodnumerow;
    bool przesylany;
    int tekstEtykiety;

    int kluczy() const { return liczba * liczbaIndeksow * liczbaPodnumerow; }
};

constexpr int odcinekXgn = 6; // the walk ends after it unless XGN 300 units travel
constexpr int odcinekBtz = 8; // the walk ends after it unless sub-panels travel
constexpr int liczbaOdcinkow = 10;

std::array<Odcinek, liczbaOdcinkow> odcinki(const Centrala& c) {
    return {{
        {Stos::kodWio, c.liczbaWio, 0, 1, 0, 1, Wio::flagi.przesylanie != 0, 326},
        {Stos::kodWou, c.liczbaGrupWou, 0, 1, 1, 8, Wou::flagi.przesylanie != 0, 327},
        {Stos::kodHrn, c.liczbaHrn, 0, 1, 0, 1, Hrn::flagi.przesylanie != 0, 329},
        {Stos::kodHva, c.liczbaHva, 0, 1, 0, 1, Hva::flagi.przesylanie != 0, 502},
        {Stos::kodLs, c.liczbaLs, 0, 1, 0, 1, Ls::flagi.przesylanie != 0, 318},
        {Stos::kodPk, c.liczbaPk, 0, 1, 0, 1, Pk::flagi.przesylanie != 0, 317},
        {Stos::kodXgn, c.liczbaXgn, 0, 1, 0, 1, Xgn::flagi.przesylanie != 0, 377},
        {Stos::kodBqa, c.liczbaXgn30, 1, 8, 0, 1, Xgn30::flagi.przesylanie != 0, 424},
        {Stos::kodBtz, c.liczbaXgn30, 1, 5, 1, 2, Xgn30::flagi.przesylanie != 0, 424},
        {Stos::kodXrm, c.liczbaXrm, 0, 1, 1, 6, Xrm::flagi.przesylanie != 0, 469},
    }};
}

int odcinekKodu(int kod) {
    const int kody[liczbaOdcinkow] = {Stos::kodWio, Stos::kodWou, Stos::kodHrn, Stos::kodHva,
                                      Stos::kodLs,  Stos::kodPk,  Stos::kodXgn, Stos::kodBqa,
                                      Stos::kodBtz, Stos::kodXrm};
    for (int i = 0; i < liczbaOdcinkow; ++i)
        if (kody[i] == kod) return i;
    return -1;
}

Stos::Klucz kluczNaPozycji(const Odcinek& o, int pozycja) {
    const int naZrodlo = o.liczbaIndeksow * o.liczbaPodnumerow;
    const int wZrodle = pozycja % naZrodlo;
    return {o.kod, pozycja / naZrodlo + 1, o.pierwszyPodnumer + wZrodle % o.liczbaPodnumerow,
            o.pierwszyIndeks + wZrodle / o.liczbaPodnumerow};
}

int pozycjaKlucza(const Odcinek& o, const Stos::Klucz& k) {
    return ((k.numer - 1) * o.liczbaIndeksow + (k.indeks - o.pierwszyIndeks)) * o.liczbaPodnumerow +
           (k.podnumer - o.pierwszyPodnumer);
}

// Sources whose blocks may carry entries: the kinds of the walk, sub-panels only with their
// outputs 2..6.
bool czyZrodloPrzypisan(int kod, int podnumer) {
    if (odcinekKodu(kod) < 0) return false;
    return kod != Stos::kodXrm || (podnumer >= 2 && podnumer <= 6);
}

void zapisz16(Bajty& b, int pozycja, int wartosc) {
    b[pozycja] = static_cast<std::uint8_t>((wartosc >> 8) & 0xFF);
    b[pozycja + 1] = static_cast<std::uint8_t>(wartosc & 0xFF);
}

int czytaj16(std::span<const std::uint8_t> b, int pozycja) {
    return b[pozycja] << 8 | b[pozycja + 1];
}

} // namespace

Stos::Stos() : ElementSystemu(141, 185, tekst(323)), opis(nazwa) {}

std::uint8_t Stos::podajNrFunkcjiZapisu() const {
    const Centrala* c = biezacaCentrala;
    if (c == nullptr) return kodZapisu;
    const int t = c->podajTypCentrali(), v = c->podajWersjeOprogramowania();
    // Older firmware knows the stack under other function numbers.
    const bool starsze =
        (t == 4 && v < 31) || (t == 5 && v < 21) || (t == 6 && v < 14) || (t == 3 && v < 18);
    return starsze ? 138 : kodZapisu;
}

std::uint8_t Stos::podajNrFunkcjiOdczytu() const {
    return podajNrFunkcjiZapisu() == 138 ? 182 : kodOdczytu;
}

std::uint64_t Stos::spakuj(const Klucz& k) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(k.kod)) << 48 |
           static_cast<std::uint64_t>(static_cast<std::uint16_t>(k.numer)) << 32 |
           static_cast<std::uint64_t>(static_cast<std::uint16_t>(k.podnumer)) << 16 |
           static_cast<std::uint16_t>(k.indeks);
}

const std::vector<int>* Stos::pozycje(const Klucz& k) const {
    const auto it = indeksKluczy.find(spakuj(k));
    return it != indeksKluczy.end() ? &it->second : nullptr;
}

void Stos::przebudujIndeks() {
    indeksKluczy.clear();
    for (int i = 0; i < podajLiczbeWpisow(); ++i)
        indeksKluczy[spakuj({kodZrodla[i], numerZrodla[i], podnumer[i], indeks[i]})].push_back(i);
}

void Stos::usunKlucz(const Klucz& k) {
    if (pozycje(k) == nullptr) return;
    int doc = 0;
    for (int i = 0; i < podajLiczbeWpisow(); ++i) {
        if (Klucz{kodZrodla[i], numerZrodla[i], podnumer[i], indeks[i]} == k) continue;
        for (auto* kolumna :
             {&kodZrodla, &numerZrodla, &podnumer, &trybWpisu, &wartosc1, &wartosc2, &indeks})
            (*kolumna)[doc] = (*kolumna)[i];
        ++doc;
    }
    ustalLiczbeWpisow(doc);
}

void Stos::usunPrzypisania(int kod, int numer, int podnr, int ind) {
    usunKlucz({kod, numer, podnr, ind});
}

int Stos::dodajPrzypisanie(int kod, int numer, int podnr, int tryb, int w1, int w2, int ind) {
    if (podajLiczbeWpisow() >= pojemnoscStosu) return 1;
    indeksKluczy[spakuj({kod, numer, podnr, ind})].push_back(podajLiczbeWpisow());
    kodZrodla.push_back(kod);
    numerZrodla.push_back(numer);
    podnumer.push_back(podnr);
    trybWpisu.push_back(tryb);
    wartosc1.push_back(w1);
    wartosc2.push_back(w2);
    indeks.push_back(ind);
    return 0;
}

int Stos::liczbaPrzypisan(int kod, int numer, int podnr, int ind) const {
    const auto* p = pozycje({kod, numer, podnr, ind});
    return p != nullptr ? static_cast<int>(p->size()) : 0;
}

int Stos::podajPrzypisania(int kod, int numer, int podnr, int ind,
                           std::vector<std::pair<int, int>>& pary) const {
    pary.clear();
    if (const auto* p = pozycje({kod, numer, podnr, ind})) {
        for (int i : *p) pary.emplace_back(wartosc1[i], wartosc2[i]);
    }
    return static_cast<int>(pary.size());
}

void Stos::ustalLiczbeWpisow(int n) {
    if (n < 0 || n > podajLiczbeWpisow()) return;
    for (auto* kolumna :
         {&kodZrodla, &numerZrodla, &podnumer, &trybWpisu, &wartosc1, &wartosc2, &indeks})
        kolumna->resize(n);
    przebudujIndeks();
}

void Stos::wyczysc() {
    ustalLiczbeWpisow(0);
    zerujKursor();
}

void Stos::zerujKursor() {
    kursor = Klucz{};
    kursorPrzesuniecie = 0;
    czyDalej = false;
}

bool Stos::nastepnaStrona() {
    if (czyDalej) {
        kursorPrzesuniecie += wpisowNaBlok;
        return true;
    }
    kursorPrzesuniecie = 0;
    return false;
}

void Stos::zapiszBlok(Bajty& blok) {
    static const std::vector<int> brak;
    const auto* p = pozycje(kursor);
    const std::vector<int>& lista = p != nullptr ? *p : brak;
    const int razem = static_cast<int>(lista.size());
    if (!czyDalej) kursorPrzesuniecie = 0;
    const int reszta = std::max(0, razem - kursorPrzesuniecie);
    const int n = std::min(reszta, wpisowNaBlok);
    czyDalej = reszta > wpisowNaBlok;

    blok.assign(bWpisy + 2 * n, 0);
    blok[bKod] = static_cast<std::uint8_t>(kursor.kod);
    blok[bIndeks] = static_cast<std::uint8_t>(kursor.indeks);
    zapisz16(blok, bNumer, kursor.numer);
    blok[bPodnumer] = static_cast<std::uint8_t>(kursor.podnumer);
    zapisz16(blok, bRazem, razem);
    zapisz16(blok, bPrzesuniecie, kursorPrzesuniecie);
    blok[bLiczba] = static_cast<std::uint8_t>(n);
    for (int k = 0; k < n; ++k) {
        const int i = lista[kursorPrzesuniecie + k];
        const int b = bWpisy + 2 * k;
        if (trybWpisu[i] == trybStrefy) {
            zapisz16(blok, b, (wartosc2[i] & 0x1F) << 11 | (wartosc1[i] & 0x7FF));
        } else {
            blok[b] = static_cast<std::uint8_t>(wartosc2[i]);
            blok[b + 1] = static_cast<std::uint8_t>(wartosc1[i]);
        }
    }
    dlugoscBloku = static_cast<int>(blok.size());
}

int Stos::odczytajBlok(std::span<const std::uint8_t> blok) {
    if (blok.size() < static_cast<std::size_t>(bWpisy)) return 1;
    const int n = blok[bLiczba];
    if (n > wpisowNaBlok || blok.size() < static_cast<std::size_t>(bWpisy + 2 * n)) return 1;
    const Klucz k{blok[bKod], blok[bNumer + 1], blok[bPodnumer], blok[bIndeks]};
    if (n > 0 && !czyZrodloPrzypisan(k.kod, k.podnumer)) return 2;
    const int tryb = n > 0 ? (trybZrodla ? trybZrodla(k) : trybZrodlaZTablicy(k)) : 0;
    if (tryb != 0 && podajLiczbeWpisow() + n > pojemnoscStosu) return 3;

    kursor = k;
    kursorPrzesuniecie = czytaj16(blok, bPrzesuniecie);
    czyDalej = n + kursorPrzesuniecie < czytaj16(blok, bRazem);
    if (tryb == 0) {
        usunKlucz(k);
        return 0;
    }
    for (int e = 0; e < n; ++e) {
        const int b = bWpisy + 2 * e;
        if (tryb == trybStrefy) {
            const int slowo = czytaj16(blok, b);
            dodajPrzypisanie(k.kod, k.numer, k.podnumer, tryb, slowo & 0x7FF, slowo >> 11,
                             k.indeks);
        } else {
            dodajPrzypisanie(k.kod, k.numer, k.podnumer, tryb, blok[b + 1], blok[b], k.indeks);
        }
    }
    return 0;
}

int Stos::ustalZapytanie(Bajty& zapytanie, std::uint8_t) {
    zapytanie.assign(dlugoscZapytania, 0);
    zapytanie[zKod] = static_cast<std::uint8_t>(kursor.kod);
    zapytanie[zIndeks] = static_cast<std::uint8_t>(kursor.indeks);
    zapytanie[zNumer] = static_cast<std::uint8_t>(kursor.numer);
    zapytanie[zPodnumer] = static_cast<std::uint8_t>(kursor.podnumer);
    zapytanie[zPrzesuniecie] = static_cast<std::uint8_t>((kursorPrzesuniecie >> 8) & 0xFF);
    zapytanie[zPrzesuniecie + 1] = static_cast<std::uint8_t>(kursorPrzesuniecie & 0xFF);
    return dlugoscZapytania;
}

int Stos::trybZrodlaZTablicy(const Klucz& k) const {
    const Centrala* c = biezacaCentrala;
    if (c == nullptr) return 0;
    if (k.kod == kodPk && k.numer >= 1 && k.numer <= c->liczbaPk)
        return c->pk[k.numer - 1]->trybPrzypisania();
    if (k.kod == kodLs && k.numer >= 1 && k.numer <= c->liczbaLs)
        return c->ls[k.numer - 1]->trybPrzypisania();
    if (k.kod == kodWio && k.numer >= 1 && k.numer <= c->liczbaWio) {
        const Wio* w = c->wio[static_cast<std::size_t>(k.numer - 1)];
        return w != nullptr ? w->trybPrzypisania() : 0;
    }
    if (k.kod == kodWou && k.numer >= 1 && k.numer <= c->liczbaGrupWou && k.podnumer >= 1 &&
        k.podnumer <= 8) {
        const Wou* w = c->wou[static_cast<std::size_t>((k.numer - 1) * 8 + k.podnumer - 1)];
        return w != nullptr ? w->trybPrzypisania() : 0;
    }
    // A sounder's list has sub-number 0 and index 0; other keys of its kind name no source.
    if (k.kod == kodHrn && k.podnumer == 0 && k.indeks == 0 && k.numer >= 1 &&
        k.numer <= c->liczbaHrn)
        return c->hrn[static_cast<std::size_t>(k.numer - 1)]->trybPrzypisania();
    if (k.kod == kodHva && k.podnumer == 0 && k.indeks == 0 && k.numer >= 1 &&
        k.numer <= c->liczbaHva)
        return c->hva[static_cast<std::size_t>(k.numer - 1)]->trybPrzypisania();
    if (k.kod == kodXgn && k.numer >= 1 && k.numer <= c->liczbaXgn)
        return c->xgn[static_cast<std::size_t>(k.numer - 1)]->trybPrzypisania();
    // BQA modules by index; BTZ (1..4) and BKV (5) modules by index and output.
    if ((k.kod == kodBqa || k.kod == kodBtz) && k.numer >= 1 && k.numer <= c->liczbaXgn30)
        return c->xgn30[static_cast<std::size_t>(k.numer - 1)]->trybZrodla(k.kod, k.indeks,
                                                                           k.podnumer);
    // Sub-number 2 is output PK, 3..6 the BHU outputs 1..4.
    if (k.kod == kodXrm && k.numer >= 1 && k.numer <= c->liczbaXrm)
        return c->xrm[static_cast<std::size_t>(k.numer - 1)]->trybPodnumeru(k.podnumer);
    return 0;
}

bool Stos::czyKolejnyBlok() {
    return przejdzDalej();
}

bool Stos::przejdzDalej() {
    if (biezacaCentrala == nullptr) return false;
    const auto o = odcinki(*biezacaCentrala);
    int i = odcinekKodu(kursor.kod);
    if (i < 0) return false;
    // A kind that does not travel is visited with its first key only.
    int nastepna = o[i].przesylany ? pozycjaKlucza(o[i], kursor) + 1 : o[i].kluczy();
    while (nastepna >= o[i].kluczy()) {
        const bool koniec = i == liczbaOdcinkow - 1 ||
                            (i == odcinekXgn && !o[odcinekXgn + 1].przesylany) ||
                            (i == odcinekBtz && !o[liczbaOdcinkow - 1].przesylany);
        if (koniec) return false;
        ++i;
        nastepna = 0;
    }
    kursor = kluczNaPozycji(o[i], nastepna);
    kursorPrzesuniecie = 0;
    czyDalej = false;
    ustalOpis();
    return true;
}

void Stos::ustalOpis() {
    const int i = odcinekKodu(kursor.kod);
    if (i < 0) return;
    opis = nazwa + ": " + tekst(odcinki(*biezacaCentrala)[i].tekstEtykiety) +
           std::to_string(kursor.numer);
    if (kursor.kod == kodBqa) opis += "; BQA " + std::to_string(kursor.indeks);
    if (kursor.kod == kodBtz) opis += "; BTKV " + std::to_string(kursor.indeks);
    if (kursor.kod == kodXrm) opis += "; Nr " + std::to_string(kursor.podnumer);
}

int Stos::limitPaneli(int t, int v) {
    if ((t == 4 && v < 23) || (t == 5 && v < 14)) return 10000;
    if ((t == 4 && v <= 30) || (t == 5 && v <= 20) || (t == 6 && v < 14) || (t == 3 && v < 18))
        return 64000;
    return 0;
}

bool Stos::czyPrzekroczonyLimit() const {
    if (biezacaCentrala == nullptr) return false;
    const int limit = limitPaneli(biezacaCentrala->podajTypCentrali(),
                                  biezacaCentrala->podajWersjeOprogramowania());
    return limit != 0 && podajLiczbeWpisow() > limit;
}
