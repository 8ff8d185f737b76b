#include "core/plik_konfiguracji.h"

#include <fstream>
#include <vector>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/otoczenie.h"
#include "core/plik.h"
#include "core/przejscie_tablicy.h"
#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/blc.h"
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
#include "lang/language.h"
#include "platform/katalogi.h"
#include "platform/pliki.h"

namespace {

constexpr std::size_t dlugoscSygnatury = 9;
constexpr std::size_t dlugoscStempla = 4;
constexpr std::size_t dlugoscNaglowka = dlugoscSygnatury + dlugoscStempla;
constexpr std::size_t dlugoscSumy = 2;

// Every kind but the extension packages takes part in a file; the packages keep what the model set.
void ustawFlagiPliku(bool zHva) {
    for (FlagiKlasy* f : {&Strefa::flagi, &Element::flagi, &Pk::flagi, &Ls::flagi, &Lk::flagi,
                          &Blc::flagi, &Wio::flagi, &Wou::flagi, &Wmi::flagi, &Hrn::flagi,
                          &Xgn::flagi, &Xgn30::flagi, &Xrm::flagi})
        f->ustalPrzesylanie(1);
    if (zHva) Hva::flagi.ustalPrzesylanie(1);
}

void zerujKursory(Centrala& c) {
    c.stos->zerujKursor();
    for (int i = 0; i < c.liczbaXgn30; ++i) c.xgn30[i]->zerujKursor();
}

std::string komunikatBrakuPliku(const std::string& sciezka) {
    return tekst(100) + sciezka;
}

} // namespace

std::uint16_t sumaKontrolna(std::span<const std::uint8_t> dane) {
    std::uint32_t suma = 0;
    for (std::uint8_t b : dane) suma += b;
    return static_cast<std::uint16_t>(suma);
}

RodzajeWersji rodzajeWersji(std::string_view s) {
    const char M = s.size() > 1 ? s[1] : 0, m = s.size() > 3 ? s[3] : 0;
    return {M > '1' || m > '2', (M == '2' && m > '2') || M > '2', (M == '2' && m > '7') || M > '2',
            (M == '3' && m > '0') || M > '3'};
}

int dopiszSumeKontrolna(const std::string& sciezka) {
    auto dane = platform::czytajPlik(sciezka);
    if (!dane) return 1;
    const std::uint16_t suma = sumaKontrolna(*dane);
    std::ofstream plik(sciezka, std::ios::binary | std::ios::app);
    if (!plik) return 1;
    const char trailer[2] = {static_cast<char>(suma >> 8), static_cast<char>(suma & 0xFF)};
    return plik.write(trailer, 2) && plik.flush() ? 0 : 2;
}

int sprawdzSumeKontrolna(const std::string& sciezka) {
    const auto dane = platform::czytajPlik(sciezka);
    if (!dane) return 2;
    if (dane->size() < dlugoscSumy) return 1;
    const std::size_t n = dane->size() - dlugoscSumy;
    const std::uint16_t zapisana = static_cast<std::uint16_t>((*dane)[n] << 8 | (*dane)[n + 1]);
    return sumaKontrolna(std::span(*dane).first(n)) == zapisana ? 0 : 1;
}

WynikPliku zapiszKonfiguracje(const std::string& sciezka, Otoczenie& otoczenie) {
    Centrala& c = *biezacaCentrala;
    ustawFlagiPliku(true);
    otoczenie.zatrzymajPonawianie();
    zerujKursory(c);

    std::vector<std::uint8_t> dane(c.podajSygnature().begin(), c.podajSygnature().end());
    dane.resize(dlugoscSygnatury, 0);
    const std::string stempel = Centrala::podajWersjeProgramu().substr(0, dlugoscStempla);
    dane.insert(dane.end(), stempel.begin(), stempel.end());
    Bajty blok;
    for (PrzejscieTablicy p(c); !p.koniec(); p.dalej()) {
        p.biezacy().zapiszBlok(blok);
        dane.push_back(static_cast<std::uint8_t>(blok.size()));
        dane.insert(dane.end(), blok.begin(), blok.end());
    }
    const std::uint16_t suma = sumaKontrolna(dane);
    dane.push_back(static_cast<std::uint8_t>(suma >> 8));
    dane.push_back(static_cast<std::uint8_t>(suma & 0xFF));

    std::string powod;
    WynikPliku wynik = WynikPliku::ok;
    if (!platform::zapiszPlik(sciezka, dane, &powod)) {
        otoczenie.blad(komunikatBrakuPliku(sciezka));
        wynik = WynikPliku::bladZapisu;
    } else {
        if (plik != nullptr) plik->ustalOstatniKatalog(platform::katalogPliku(sciezka));
        c.ustalZmiany(0);
    }
    otoczenie.wznowPonawianie();
    return wynik;
}

WynikPliku odczytajKonfiguracje(const std::string& sciezka, Otoczenie& otoczenie) {
    const auto dane = platform::czytajPlik(sciezka);
    if (!dane) {
        otoczenie.blad(komunikatBrakuPliku(sciezka));
        return WynikPliku::brakPliku;
    }
    if (plik != nullptr) plik->ustalOstatniKatalog(platform::katalogPliku(sciezka));
    return odczytajKonfiguracje(*dane, otoczenie);
}

WynikPliku odczytajKonfiguracje(std::span<const std::uint8_t> dane, Otoczenie& otoczenie) {
    Centrala& c = *biezacaCentrala;
    // Everything is checked before anything changes: a rejected file leaves the configuration,
    // the assignment stack and the transfer flags as they were.
    const std::size_t koniecRekordow = dane.size() >= dlugoscSumy ? dane.size() - dlugoscSumy : 0;
    if (dane.size() < dlugoscSumy ||
        sumaKontrolna(dane.first(koniecRekordow)) !=
            static_cast<std::uint16_t>(dane[koniecRekordow] << 8 | dane[koniecRekordow + 1])) {
        otoczenie.bladPliku();
        return WynikPliku::bladSumy;
    }
    const std::string_view tekstPliku(reinterpret_cast<const char*>(dane.data()), koniecRekordow);
    if (koniecRekordow < dlugoscNaglowka ||
        !c.czyTaSygnatura(tekstPliku.substr(0, dlugoscSygnatury)) ||
        Centrala::odczytajWersjePliku(tekstPliku.substr(dlugoscSygnatury, dlugoscStempla)) == 0) {
        otoczenie.bladPliku();
        return WynikPliku::bladFormatu;
    }

    otoczenie.zatrzymajPonawianie();
    ustawFlagiPliku(false);
    const RodzajeWersji w = rodzajeWersji(tekstPliku.substr(dlugoscSygnatury, dlugoscStempla));
    Xgn::flagi.ustalPrzesylanie(w.xgn);
    Xgn30::flagi.ustalPrzesylanie(w.xgn30);
    Hva::flagi.ustalPrzesylanie(w.hva);
    Xrm::flagi.ustalPrzesylanie(w.xrm);
    zerujKursory(c);
    c.stos->wyczysc();

    WynikPliku wynik = WynikPliku::ok;
    std::size_t pozycja = dlugoscNaglowka;
    for (PrzejscieTablicy p(c); !p.koniec(); p.dalej()) {
        if (pozycja >= koniecRekordow || pozycja + 1 + dane[pozycja] > koniecRekordow) {
            // The file ends before the table does.
            otoczenie.bladPliku();
            wynik = WynikPliku::bladFormatu;
            break;
        }
        const std::size_t dlugosc = dane[pozycja];
        const auto rekord = dane.subspan(pozycja + 1, dlugosc);
        pozycja += 1 + dlugosc;
        const int kod = p.biezacy().odczytajBlok(rekord);
        if (kod != 0 && otoczenie.bladDanych(p.podajIndeks(), p.biezacy().podajNazwe(), kod,
                                             false) == WyborBleduDanych::zakoncz) {
            wynik = WynikPliku::przerwano;
            break;
        }
    }
    if (wynik == WynikPliku::ok && pozycja != koniecRekordow) {
        // Bytes after the last record that the table has no place for.
        otoczenie.bladPliku();
        wynik = WynikPliku::bladFormatu;
    }
    c.ustalZmiany(1);
    otoczenie.odswiezOknoGlowne();
    otoczenie.wznowPonawianie();
    return wynik;
}
