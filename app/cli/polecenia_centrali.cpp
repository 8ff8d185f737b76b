#include "app/cli/polecenia_centrali.h"

#include <charconv>
#include <cstdio>
#include <ctime>
#include <filesystem>

#include <unistd.h>

#include "comm/laczenie.h"
#include "comm/port_rs.h"
#include "comm/przygotowanie_transmisji.h"
#include "comm/sesja_centrali.h"
#include "comm/transmisja.h"
#include "core/centrala.h"
#include "core/element_systemu.h"
#include "core/globalne.h"
#include "core/zmiana_centrali.h"
#include "lang/kodowanie.h"
#include "lang/language.h"
#include "memory/dokument_pamieci.h"
#include "memory/pamiec_zdarzen.h"
#include "platform/lista_portow.h"
#include "platform/pliki.h"
#include "report/kontrola.h"

namespace {

std::string tekstUtf8(int nr) {
    std::string t = naUtf8(tekst(nr), jezyk->podajStroneKodowa());
    const auto p = t.find_first_not_of(' ');
    const auto k = t.find_last_not_of(' ');
    return p == std::string::npos ? std::string() : t.substr(p, k - p + 1);
}

int liczba(const std::string& s, int& n) {
    const auto [k, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    return ec == std::errc() && k == s.data() + s.size() ? 0 : 1;
}

// The words of a transfer's error code, as the error windows give them.
std::string opisBleduPrzesylania(int e) {
    switch (e) {
    case 1:
        return tekstUtf8(16002);
    case 2:
        return tekstUtf8(15002) + " " + tekstUtf8(15003);
    case 3:
    case 4:
        return tekstUtf8(14002);
    case 5:
    case 6: {
        std::string s = tekstUtf8(11002);
        const Centrala* c = biezacaCentrala;
        const int i = transmisja->podajElement();
        if (transmisja->podajTypTransmisji() != 4 && c != nullptr && i >= 0 &&
            i < c->liczbaElementowSystemu && c->tablicaElementow[i] != nullptr)
            s += " " + naUtf8(c->tablicaElementow[i]->podajNazwe(), jezyk->podajStroneKodowa());
        else if (transmisja->podajTypTransmisji() == 4)
            s += " " + std::to_string(i);
        return s;
    }
    case 7:
        return tekstUtf8(404);
    default:
        return tekstUtf8(364);
    }
}

int bladKomunikacji(const std::string& opis) {
    OtoczenieTerminala::wypisz(opis);
    return wynikBladKomunikacji;
}

// Progress on standard error: one line updated in place on a terminal, otherwise a line at
// every tenth.
class Postep {
public:
    explicit Postep(std::string co) : co(std::move(co)), terminal(::isatty(2) != 0) {}
    ~Postep() {
        if (terminal && pokazany >= 0) std::fputc('\n', stderr);
    }
    void operator()(int p) {
        if (terminal) {
            if (p == pokazany) return;
            std::fprintf(stderr, "\r%s %3d%%", co.c_str(), p);
        } else {
            if (p / 10 == pokazany / 10 && pokazany >= 0) return;
            std::fprintf(stderr, "%s %3d%%\n", co.c_str(), p);
        }
        std::fflush(stderr);
        pokazany = p;
    }

private:
    std::string co;
    bool terminal;
    int pokazany = -1;
};

struct Polaczenie {
    int wynik = wynikGotowe;
};

// The ports to try: the one named, or every listed port for "auto".
bool portyDoProby(const Argumenty& a, std::vector<std::string>& porty, int& predkosc) {
    if (!a.opcje.count("--port")) {
        uzycie(a.polecenie + " needs --port NAME (or --port auto)");
        return false;
    }
    predkosc = 0;
    if (a.opcje.count("--speed")) {
        const std::string& s = a.opcje.at("--speed");
        if (s != "9600" && s != "19200") {
            uzycie("--speed is 9600 or 19200");
            return false;
        }
        predkosc = std::stoi(s);
    }
    const std::string& nazwa = a.opcje.at("--port");
    if (nazwa == "auto") {
        porty = platform::listaPortow();
        if (porty.empty()) {
            OtoczenieTerminala::wypisz("no serial port is listed");
            return false;
        }
        return true;
    }
    if (!platform::czyPoprawnaNazwaPortu(nazwa) ||
        !std::filesystem::exists(std::string(PortRS::prefiksSciezki) + nazwa)) {
        OtoczenieTerminala::wypisz("no serial port " + nazwa + ": " + tekstUtf8(404));
        return false;
    }
    porty = {nazwa};
    return true;
}

// Connects to the panel; wynikGotowe or the exit code with its message printed.
int polacz(SesjaCentrali& s, const Argumenty& a) {
    std::vector<std::string> porty;
    int predkosc = 0;
    if (!portyDoProby(a, porty, predkosc)) return wynikBladKomunikacji;
    const int e = s.polacz(porty, predkosc);
    if (e != 0) return bladKomunikacji(tekstUtf8(Laczenie::tekstBleduLaczenia(e)));
    return wynikGotowe;
}

// The root becomes the model the panel reported.
void przejdzNaWykryty(OtoczenieTerminala& o) {
    zmienTypCentrali(biezacaCentrala->podajTypWykryty(), o);
}

int przeslij(SesjaCentrali& s, const char* co) {
    Postep p(co);
    const int e = s.przeslij([&p](int procent) { p(procent); });
    s.wrocDoTestu();
    return e != 0 ? bladKomunikacji(opisBleduPrzesylania(e)) : wynikGotowe;
}

bool wyborRodzajowZapisu(const Argumenty& a, WyborRodzajow& w) {
    if (!a.opcje.count("--kinds")) return true;
    w = WyborRodzajow{false, false, false, false, false, false, false,
                      false, false, false, false, false, false, false};
    const std::map<std::string, bool*> rodzaje = {
        {"elements", &w.elementy}, {"zones", &w.strefy}, {"wio", &w.wio}, {"wou", &w.wou},
        {"wmi", &w.wmi},           {"hrn", &w.hrn},      {"hva", &w.hva}, {"xgn", &w.xgn},
        {"xgn300", &w.xgn30},      {"pk", &w.pk},        {"ls", &w.ls},   {"lk", &w.lk},
        {"blc", &w.blc},           {"xrm", &w.xrm}};
    for (const std::string& r : nazwyZListy(a.opcje.at("--kinds"))) {
        if (!rodzaje.count(r)) {
            uzycie("unknown kind " + r);
            return false;
        }
        *rodzaje.at(r) = true;
    }
    return true;
}

std::string data(const char* format) {
    const std::time_t t = std::time(nullptr);
    std::tm czas{};
    localtime_r(&t, &czas);
    char b[32];
    return std::strftime(b, sizeof b, format, &czas) > 0 ? b : "";
}

bool zapiszTekst(const std::string& sciezka, const std::string& tekst) {
    if (platform::zapiszPlik(sciezka, std::vector<std::uint8_t>(tekst.begin(), tekst.end())))
        return true;
    OtoczenieTerminala::wypisz("cannot write " + sciezka);
    return false;
}

} // namespace

int odczytajZCentrali(OtoczenieTerminala& o, const Argumenty& a) {
    if (!przygotuj(o, a, 0)) return wynikBledneDane;
    SesjaCentrali s(*transmisja, *portRS);
    if (const int w = polacz(s, a); w != wynikGotowe) return w;
    przejdzNaWykryty(o);
    przygotujOdczyt(*biezacaCentrala, *transmisja);
    const int w = przeslij(s, "reading");
    s.rozlacz();
    return w;
}

int odczyt(OtoczenieTerminala& o, const Argumenty& a) {
    if (!a.pliki.empty() || !a.opcje.count("-o"))
        return uzycie("read needs --port NAME and -o FILE");
    o.cichy = true;
    if (const int w = odczytajZCentrali(o, a); w != wynikGotowe) return w;
    biezacaCentrala->ustalZmiany(1);
    return zapiszKonfiguracje(a.opcje.at("-o"), o) == WynikPliku::ok ? wynikGotowe
                                                                     : wynikBledneDane;
}

int zapis(OtoczenieTerminala& o, const Argumenty& a) {
    if (a.pliki.size() != 1) return uzycie("write needs --port NAME and one FILE");
    WyborRodzajow wybor;
    if (!wyborRodzajowZapisu(a, wybor)) return wynikUzycie;
    o.cichy = true;
    if (!wczytajCaly(o, a)) return wynikBledneDane;
    Centrala& c = *biezacaCentrala;
    if (c.podajTypCentrali() == 0) {
        OtoczenieTerminala::wypisz(a.pliki[0] + " is a generic configuration of no panel model");
        return wynikBledneDane;
    }
    const auto uwagi = sprawdzKonfiguracje(c);
    if (czySaBledy(uwagi, false))
        OtoczenieTerminala::wypisz("the configuration has findings marked error (see lint)");

    SesjaCentrali s(*transmisja, *portRS);
    if (const int w = polacz(s, a); w != wynikGotowe) return w;
    if (c.podajTypWykryty() != c.podajTypCentrali()) {
        s.rozlacz();
        OtoczenieTerminala::wypisz(tekstUtf8(385) + " (" + a.pliki[0] + ": " + nazwaModelu(c) +
                                   ", panel type " + std::to_string(c.podajTypWykryty()) +
                                   "); nothing was written");
        return wynikBledneDane;
    }
    if (!przygotujZapis(c, *transmisja, wybor)) {
        s.rozlacz();
        OtoczenieTerminala::wypisz(naUtf8(tekst(390), jezyk->podajStroneKodowa()));
        return wynikBledneDane;
    }
    const int w = przeslij(s, "writing");
    s.rozlacz();
    return w;
}

int zdarzenia(OtoczenieTerminala& o, const Argumenty& a) {
    if (!a.pliki.empty()) return uzycie("events takes no FILE (see -o and --xml)");
    int pierwszy = 1, ostatni = 0;
    if ((a.opcje.count("--first") && liczba(a.opcje.at("--first"), pierwszy) != 0) ||
        (a.opcje.count("--last") && liczba(a.opcje.at("--last"), ostatni) != 0))
        return uzycie("--first and --last take numbers");
    if (!przygotuj(o, a, 0)) return wynikBledneDane;
    SesjaCentrali s(*transmisja, *portRS);
    if (const int w = polacz(s, a); w != wynikGotowe) return w;
    przejdzNaWykryty(o);
    PamiecZdarzen& p = *pamiecZdarzen;
    const std::uint8_t rodzaj =
        a.flagaAlarms ? PamiecZdarzen::pamiecAlarmowRodzaj : PamiecZdarzen::pamiecZdarzenRodzaj;
    if (!s.czekajNaStatus(p, rodzaj)) {
        const int e = transmisja->sprawdzLicznikiBledowMin();
        return bladKomunikacji(e != 0 ? opisBleduPrzesylania(e) : tekstUtf8(16002));
    }
    const int liczbaWPamieci = p.podajLiczbeZdarzen();
    if (!a.opcje.count("--last")) ostatni = liczbaWPamieci;
    const int z = p.ustalZakres(pierwszy, ostatni);
    if (z != 0) {
        s.rozlacz();
        return uzycie("the panel holds " + std::to_string(liczbaWPamieci) +
                      " entries: --first and --last must satisfy 1 <= first <= last <= " +
                      std::to_string(liczbaWPamieci));
    }
    p.ustalLiczbeOdczytanych(0);
    transmisja->ustalTypTransmisji(4);
    transmisja->ustalBlokPamieci(p.podajPierwsze(), p.podajOstatnie() + 1);
    const int w = przeslij(s, "reading");
    s.rozlacz();
    if (w != wynikGotowe) return w;

    const auto linie =
        liniePamieci(p, biezacaCentrala->podajNazweCentrali(), data("%Y-%m-%d"), data("%H:%M:%S"));
    std::string listing;
    for (const auto& l : linie) listing += l + "\n";
    if (a.opcje.count("--xml") && !zapiszTekst(a.opcje.at("--xml"), dokumentXMLPamieci(p)))
        return wynikBledneDane;
    if (a.opcje.count("-o"))
        return zapiszTekst(a.opcje.at("-o"), listing) ? wynikGotowe : wynikBledneDane;
    if (!a.opcje.count("--xml")) {
        const std::string u = naUtf8(listing, jezyk->podajStroneKodowa());
        std::fwrite(u.data(), 1, u.size(), stdout);
    }
    return wynikGotowe;
}
