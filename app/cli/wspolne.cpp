#include "app/cli/wspolne.h"

#include <algorithm>
#include <cstdio>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/modele.h"
#include "core/uruchomienie.h"
#include "core/zmiana_centrali.h"
#include "lang/kodowanie.h"
#include "lang/language.h"
#include "platform/pliki.h"

int uzycie(const std::string& co) {
    OtoczenieTerminala::wypisz(co + " (see panelcfg-cli --help)");
    return wynikUzycie;
}

int typModelu(const std::string& model) {
    static const std::map<std::string, int> modele = {
        {"generic", 0}, {"7600", 3}, {"7800", 4}, {"7400", 5}, {"7200", 6}};
    const auto it = modele.find(model);
    return it != modele.end() ? it->second : -1;
}

std::string nazwaModelu(const Centrala& c) {
    const std::string nazwa = c.podajNazweCentrali();
    return nazwa.empty() ? "generic root" : naUtf8(nazwa, jezyk->podajStroneKodowa());
}

bool przygotuj(OtoczenieTerminala& o, const Argumenty& a, int typ) {
    uruchom(o);
    const auto it = a.opcje.find("--lang");
    const std::string nazwa = it != a.opcje.end() ? it->second : "polish";
    jezyk->ustawJezyk(nazwa);
    if (jezyk->podajJezyk() != nazwa) return false;
    zmienTypCentrali(typ, o); // from the generic root nothing is asked
    return true;
}

int typPliku(const std::string& sciezka) {
    const auto dane = platform::czytajPlik(sciezka);
    if (!dane) {
        OtoczenieTerminala::wypisz("cannot read " + sciezka);
        return -2;
    }
    const std::string sygnatura(dane->begin(),
                                dane->begin() + std::min<std::size_t>(9, dane->size()));
    const int typ = typZSygnatury(sygnatura);
    if (typ < 0)
        OtoczenieTerminala::wypisz(sciezka + " is not a configuration file of any panel model");
    return typ;
}

bool wczytaj(OtoczenieTerminala& o, const Argumenty& a, WynikPliku& wynik) {
    const int typ = typPliku(a.pliki[0]);
    if (typ < 0 || !przygotuj(o, a, typ)) return false;
    wynik = odczytajKonfiguracje(a.pliki[0], o);
    return true;
}

bool wczytajCaly(OtoczenieTerminala& o, const Argumenty& a) {
    WynikPliku wynik;
    if (!wczytaj(o, a, wynik)) return false;
    if (wynik == WynikPliku::ok) return true;
    OtoczenieTerminala::wypisz(a.pliki[0] + " could not be read whole (see check)");
    return false;
}

std::vector<std::string> nazwyZListy(const std::string& lista) {
    std::vector<std::string> nazwy;
    for (std::size_t p = 0; p <= lista.size();) {
        const std::size_t k = std::min(lista.find(',', p), lista.size());
        nazwy.push_back(lista.substr(p, k - p));
        p = k + 1;
    }
    return nazwy;
}

std::unique_ptr<Centrala> wczytajDruga(OtoczenieTerminala& o, const std::string& sciezka) {
    const int typ = typPliku(sciezka);
    if (typ < 0) return nullptr;
    auto druga = utworzCentrale(typ);
    Centrala* pierwsza = biezacaCentrala;
    biezacaCentrala = druga.get();
    druga->ustawRozmiary();
    druga->budujTabliceElementow();
    const WynikPliku wynik = odczytajKonfiguracje(sciezka, o);
    biezacaCentrala = pierwsza;
    if (wynik != WynikPliku::ok) {
        OtoczenieTerminala::wypisz(sciezka + " could not be read whole (see check)");
        return nullptr;
    }
    return druga;
}

int wypiszWynik(const Argumenty& a, const std::string& tekst, bool juzUtf8) {
    if (a.opcje.count("-o")) {
        const std::vector<std::uint8_t> bajty(tekst.begin(), tekst.end());
        if (!platform::zapiszPlik(a.opcje.at("-o"), bajty)) {
            OtoczenieTerminala::wypisz("cannot write " + a.opcje.at("-o"));
            return wynikBledneDane;
        }
        return wynikGotowe;
    }
    const std::string wyjscie = juzUtf8 ? tekst : naUtf8(tekst, jezyk->podajStroneKodowa());
    std::fwrite(wyjscie.data(), 1, wyjscie.size(), stdout);
    return wynikGotowe;
}
