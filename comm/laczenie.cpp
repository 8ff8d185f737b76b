#include "comm/laczenie.h"

#include <charconv>

#include "comm/port_rs.h"
#include "comm/transmisja.h"

namespace {

constexpr int poprawnychDoPolaczenia = 3;

int liczba(const std::string& s) {
    int n = 0;
    std::from_chars(s.data(), s.data() + s.size(), n);
    return n;
}

} // namespace

void Laczenie::rozpocznij(std::vector<std::string> lista) {
    porty = std::move(lista);
    transmisja.zerujLicznikiBledow();
    transmisja.ustalBlad(1);
    liczbaPoprawnych = 0;
    liczbaNiepowodzen = 0;
    nrPortu = 0;
    wybranyPort = "0";
    wybranaPredkosc = "0";
    kodBledu = 0;
}

void Laczenie::ustalWybranyPort(const std::string& nazwa) {
    wybranyPort = nazwa;
    liczbaNiepowodzen = 0;
    nastepnyPort = 1;
    nrPortu = 0;
}

void Laczenie::ustalWybranaPredkosc(const std::string& predkosc) {
    wybranaPredkosc = predkosc;
}

void Laczenie::ograniczListe() {
    porty.clear();
    porty.push_back(wybranyPort);
}

void Laczenie::wznowLaczenie() {
    liczbaPoprawnych = 0;
    liczbaNiepowodzen = 0;
}

int Laczenie::tekstBleduLaczenia(int kod) {
    switch (kod) {
    case 1:
        return 16002;
    case 3:
    case 4:
        return 14002;
    case 5:
        return 385;
    case 6:
        return 11002;
    case 7:
        return 404;
    default:
        return 103;
    }
}

void Laczenie::otworzNastepny() {
    transmisja.timerPonowieniaOff();
    for (int i = 0; i < 3; ++i) port.zamknijPort();
    if (nrPortu >= static_cast<int>(porty.size())) {
        port.ustalPredkosc(port.podajPredkosc() == "9600" ? 19200 : 9600);
        nrPortu = 0;
    }
    // The chosen speed goes with the chosen port; a speed chosen alone holds as well.
    if (wybranaPredkosc != "0" && liczba(wybranaPredkosc) > 0)
        port.ustalPredkosc(liczba(wybranaPredkosc));
    if (porty.empty()) {
        // No port to take: the attempt fails like a missing port.
        transmisja.zwiekszLicznikBrakuPortu();
    } else {
        port.ustalNazwePortu(porty[static_cast<std::size_t>(nrPortu)].c_str());
        if (port.otworzPort() != 0) {
            transmisja.zwiekszLicznikBrakuPortu();
        } else if (port.ustawKonfiguracje()) {
            if (port.ustawTimeouty())
                liczbaPoprawnych = 0;
            else
                transmisja.zwiekszLicznikBrakuPortu();
        }
    }
    nastepnyPort = 0;
    ++nrPortu;
    transmisja.zerujLicznikiBledow();
    transmisja.ustalBlad(1);
    transmisja.timerPonowieniaOn();
}

Laczenie::Wynik Laczenie::tik() {
    if (liczbaPoprawnych == 0 && nastepnyPort != 0) otworzNastepny();
    if (!transmisja.czyBlad()) {
        if (++liczbaPoprawnych >= poprawnychDoPolaczenia) {
            transmisja.zerujLicznikiBledow();
            return Wynik::polaczono;
        }
        return Wynik::trwa;
    }
    const int e = transmisja.sprawdzLicznikiBledowMin();
    if (e != 0) {
        kodBledu = e;
        ++liczbaNiepowodzen;
        transmisja.timerPonowieniaOff();
        // A panel of no known type will not become one on another port.
        if (e == 5) liczbaNiepowodzen += limitNiepowodzen();
        transmisja.zerujLicznikiBledow();
        transmisja.ustalBlad(1);
        if (liczbaNiepowodzen > limitNiepowodzen()) return Wynik::niepowodzenie;
        nastepnyPort = 1;
        return Wynik::trwa;
    }
    if (!port.czyOtwarty()) transmisja.zwiekszLicznikBrakuPortu();
    return Wynik::trwa;
}
