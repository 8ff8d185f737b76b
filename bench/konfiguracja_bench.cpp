// A fully populated 7800 configuration (every kind in use, 64000 assignments) saved, loaded,
// exported as XML and composed as a printout: the jobs a user waits for. Prints each time in
// milliseconds.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/modele.h"
#include "core/otoczenie.h"
#include "core/plik_konfiguracji.h"
#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/lines/typ_elementu.h"
#include "elements/outputs/lk.h"
#include "elements/outputs/ls.h"
#include "elements/outputs/pk.h"
#include "elements/outputs/stos.h"
#include "lang/language.h"
#include "report/eksport_xml.h"
#include "report/flagi_wydruku.h"
#include "report/wydruk.h"
#include "tests/wspolne/konfiguracja_pelna.h"

namespace {

// Every kind in use, then the relays' and signal lines' lists filled up to 64000 assignments.
void wypelnij(Centrala& c) {
    wypelnijKonfiguracje(c);
    for (int i = 0; c.stos->podajLiczbeWpisow() < 64000; ++i) {
        const int numer = 2 + i % (c.liczbaPk - 1);
        c.stos->dodajPrzypisanie(Stos::kodPk, numer, 0, Stos::trybStrefy, 1 + i % c.liczbaStref, 0,
                                 0);
    }
}

template <class F>
double ms(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main() {
    Language j;
    jezyk = &j;
    auto c = utworzCentrale(4);
    biezacaCentrala = c.get();
    c->ustawRozmiary();
    c->budujTabliceElementow();
    wypelnij(*c);

    const auto katalog = std::filesystem::temp_directory_path() / "panelcfg-bench";
    std::filesystem::create_directories(katalog);
    const std::string plikCtr = (katalog / "pelna.ctr").string();
    OtoczenieBezOkien o;
    WynikPliku zapis{}, odczyt{};
    const double tZapis = ms([&] { zapis = zapiszKonfiguracje(plikCtr, o); });
    const double tOdczyt = ms([&] { odczyt = odczytajKonfiguracje(plikCtr, o); });
    const double tXml = ms([&] { eksportujXML((katalog / "pelna.xml").string()); });
    WyborWydruku w;
    w.zaznaczWszystkie(true);
    ustalFlagiDrukowania(w);
    std::size_t dlugoscRaportu = 0;
    const double tRaport = ms([&] { dlugoscRaportu = zlozRaport(*c)->size(); });

    std::printf("populated 7800: %d line elements, %d zones, %d assignments, file %ju bytes\n",
                c->liczbaElementowLinii, c->liczbaStref, c->stos->podajLiczbeWpisow(),
                static_cast<std::uintmax_t>(std::filesystem::file_size(plikCtr)));
    std::printf("save %.1f ms, load %.1f ms, XML export %.1f ms (%ju bytes), printout %.1f ms (%zu "
                "bytes)\n",
                tZapis, tOdczyt, tXml,
                static_cast<std::uintmax_t>(std::filesystem::file_size(katalog / "pelna.xml")),
                tRaport, dlugoscRaportu);
    std::filesystem::remove_all(katalog);
    biezacaCentrala = nullptr;
    c.reset();
    jezyk = nullptr;
    return zapis == WynikPliku::ok && odczyt == WynikPliku::ok ? 0 : 1;
}
