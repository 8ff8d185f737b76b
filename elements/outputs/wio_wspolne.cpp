#include "elements/outputs/wio_wspolne.h"

#include "core/centrala.h"
#include "core/globalne.h"
#include "elements/lines/element.h"
#include "elements/outputs/stos.h"
#include "lang/formatowanie.h"

namespace wejscia_wyjscia {

ElementLinii elementLinii(int kod, int numer) {
    ElementLinii wynik;
    const Centrala* c = biezacaCentrala;
    if (c == nullptr) return wynik;
    const int n = std::min<int>(c->liczbaElementowLinii, static_cast<int>(c->elementyLinii.size()));
    for (int i = 0; i < n; ++i) {
        const Element* e = c->elementyLinii[static_cast<std::size_t>(i)];
        if (e == nullptr) continue;
        const TypElementu& t = e->podajTyp();
        if (t.podajKod() != kod || t.podajNumer() != numer) continue;
        if (!wynik.zadeklarowany) {
            wynik.zadeklarowany = true;
            wynik.linia = e->podajLinie();
            wynik.adres = e->podajAdres();
        }
        wynik.tryb = t.podajTryb();
    }
    return wynik;
}

bool czyGeneryczna() {
    return biezacaCentrala == nullptr || biezacaCentrala->podajFormatRozszerzony() == 0;
}

bool czyOprogramowanieNajstarsze() {
    if (biezacaCentrala == nullptr) return false;
    const int t = biezacaCentrala->podajTypCentrali();
    const int v = biezacaCentrala->podajWersjeOprogramowania();
    return (t == 4 && v < 27) || (t == 5 && v < 17) || (t == 3 && v < 14);
}

bool czyOprogramowanieStarsze() {
    if (biezacaCentrala == nullptr) return false;
    const int t = biezacaCentrala->podajTypCentrali();
    const int v = biezacaCentrala->podajWersjeOprogramowania();
    return (t == 4 && v < 37) || (t == 5 && v < 27) || (t == 3 && v < 24) || (t == 6 && v < 20);
}

bool czyDrukowacRekord(int ustawienie, bool zadeklarowany) {
    if (ustawienie == 0) return false;
    return ustawienie == 2 || zadeklarowany;
}

std::string komunikat(std::string tekst) {
    return naSzerokosc(std::move(tekst), dlugoscKomunikatu);
}

std::string tekstKomunikatu(const std::string& k) {
    return k.substr(0, k.find('\0'));
}

void zapiszKomunikat(Bajty& blok, int od, const std::string& k) {
    const std::string t = ElementSystemu::kodujTekst(k);
    for (int i = 0; i < dlugoscKomunikatu && i < static_cast<int>(t.size()); ++i)
        blok[static_cast<std::size_t>(od + i)] =
            static_cast<std::uint8_t>(t[static_cast<std::size_t>(i)]);
}

std::string czytajKomunikat(std::span<const std::uint8_t> blok, int od) {
    const auto* p = reinterpret_cast<const char*>(blok.data() + od);
    return ElementSystemu::dekodujTekst(std::string_view(p, dlugoscKomunikatu));
}

void zapisz16(Bajty& blok, int od, int wartosc) {
    blok[static_cast<std::size_t>(od)] = static_cast<std::uint8_t>((wartosc >> 8) & 0xFF);
    blok[static_cast<std::size_t>(od + 1)] = static_cast<std::uint8_t>(wartosc & 0xFF);
}

int czytaj16(std::span<const std::uint8_t> blok, int od) {
    return blok[static_cast<std::size_t>(od)] << 8 | blok[static_cast<std::size_t>(od + 1)];
}

std::vector<std::string> opisyPrzypisan(const std::vector<std::pair<int, int>>& lista, int tryb) {
    std::vector<std::string> opisy;
    if (tryb == Stos::trybStrefy) {
        for (std::size_t i = 0; i < lista.size();) {
            std::size_t j = i;
            while (j + 1 < lista.size() && lista[j + 1].first == lista[j].first + 1 &&
                   lista[j + 1].second == lista[i].second)
                ++j;
            opisy.push_back(
                ElementSystemu::opisStref(lista[i].first, lista[j].first, lista[i].second));
            i = j + 1;
        }
    } else if (tryb != 0) {
        for (const auto& [element, maska] : lista)
            opisy.push_back(
                ElementSystemu::opisWejsc(element, static_cast<std::uint8_t>(maska), tryb));
    }
    return opisy;
}

std::vector<std::pair<int, int>> przypisania(int kod, int numer, int podnumer) {
    std::vector<std::pair<int, int>> pary;
    if (biezacaCentrala != nullptr && biezacaCentrala->stos != nullptr)
        biezacaCentrala->stos->podajPrzypisania(kod, numer, podnumer, 0, pary);
    return pary;
}

void usunPrzypisania(int kod, int numer, int podnumer) {
    if (biezacaCentrala != nullptr && biezacaCentrala->stos != nullptr)
        biezacaCentrala->stos->usunPrzypisania(kod, numer, podnumer, 0);
}

} // namespace wejscia_wyjscia
