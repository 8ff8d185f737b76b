#include "elements/outputs/xgn_wspolne.h"

#include <cstdio>

#include "core/centrala.h"
#include "core/element_systemu.h"
#include "core/globalne.h"
#include "core/xml.h"
#include "elements/lines/element.h"
#include "elements/outputs/stos.h"
#include "lang/formatowanie.h"
#include "lang/language.h"

namespace xgn {

namespace {
constexpr int wariantNajwyzszy = 8;
constexpr int wariantNajwyzszyStary = 6;
} // namespace

int maksWariant() {
    const Centrala* c = biezacaCentrala;
    if (c == nullptr) return wariantNajwyzszy;
    const int t = c->podajTypCentrali();
    const int v = c->podajWersjeOprogramowania();
    const bool stara =
        (t == 4 && v < 37) || (t == 5 && v < 27) || (t == 3 && v < 24) || (t == 6 && v < 20);
    return stara ? wariantNajwyzszyStary : wariantNajwyzszy;
}

int trybPrzypisania(int w) {
    switch (w) {
    case 2:
    case 3:
    case 5:
    case 6:
    case 7:
    case 8:
        return Stos::trybStrefy;
    default:
        return 0;
    }
}

bool czyKzN(int w) {
    return w == 7 || w == 8;
}

int strefyKDla(int w, int k) {
    return czyKzN(w) ? k : 1;
}

std::string opisWariantu(int w) {
    if (w >= 0 && w <= 6) return tekst(151 + w);
    if (w == 7 || w == 8) return tekst(435 + w - 7);
    return {};
}

Polozenie znajdzNaLinii(int kod, int numer) {
    Polozenie p;
    const Centrala* c = biezacaCentrala;
    if (c == nullptr) return p;
    for (int i = 0; i < c->liczbaElementowLinii; ++i) {
        const Element* e = c->elementyLinii[static_cast<std::size_t>(i)];
        if (e == nullptr || e->podajTyp().podajKod() != kod || e->podajTyp().podajNumer() != numer)
            continue;
        p = {e->podajLinie(), e->podajAdres(), true};
        break;
    }
    return p;
}

std::string komunikat(std::string tekst) {
    return naSzerokosc(std::move(tekst), dlugoscKomunikatu);
}

void zapiszKomunikat(std::span<std::uint8_t> blok, int od, const std::string& tekst) {
    const std::string t = ElementSystemu::kodujTekst(komunikat(tekst));
    for (int i = 0; i < dlugoscKomunikatu; ++i)
        blok[static_cast<std::size_t>(od + i)] =
            static_cast<std::uint8_t>(t[static_cast<std::size_t>(i)]);
}

std::string czytajKomunikat(std::span<const std::uint8_t> blok, int od) {
    return ElementSystemu::dekodujTekst(
        std::string_view(reinterpret_cast<const char*>(blok.data() + od), dlugoscKomunikatu));
}

std::vector<std::pair<int, int>> przypisania(int kod, int numer, int podnumer, int indeks) {
    std::vector<std::pair<int, int>> pary;
    if (biezacaCentrala != nullptr && biezacaCentrala->stos != nullptr)
        biezacaCentrala->stos->podajPrzypisania(kod, numer, podnumer, indeks, pary);
    return pary;
}

void dopiszStrefyXML(std::string& bufor, const std::vector<std::pair<int, int>>& lista) {
    bufor += "<zones>";
    for (const auto& [strefa, centrala] : lista) {
        bufor += "<zone>";
        dopiszXML(bufor, "zone_nr", strefa);
        dopiszXML(bufor, "control_panel_nr", centrala);
        bufor += "</zone>";
    }
    bufor += "</zones>";
}

std::vector<std::string> opisyPrzypisan(int tryb, const std::vector<std::pair<int, int>>& lista) {
    std::vector<std::string> opisy;
    if (tryb == 0) return {"             ---"};
    // Consecutive zones of one panel form one range.
    for (std::size_t i = 0; i < lista.size();) {
        std::size_t j = i;
        while (j + 1 < lista.size() && lista[j + 1].first == lista[j].first + 1 &&
               lista[j + 1].second == lista[i].second)
            ++j;
        opisy.push_back(ElementSystemu::opisStref(lista[i].first, lista[j].first, lista[i].second));
        i = j + 1;
    }
    if (opisy.empty()) opisy.push_back(" ");
    return opisy;
}

} // namespace xgn
