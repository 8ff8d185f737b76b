#include "comm/port_rs.h"

#include <algorithm>
#include <cstring>
#include <span>

PortRS::PortRS(const char* nazwa) {
    dcb.predkosc = 9600;
    dcb.bityDanych = 8;
    dcb.parzystosc = platform::Parzystosc::parzysta;
    dcb.bityStopu = 1;
    dcb.dtr = false;
    dcb.rts = false;
    konfiguracja = dcb;
    timeouty.readIntervalTimeout = 35;
    timeouty.readTotalTimeoutMultiplier = 10;
    timeouty.readTotalTimeoutConstant = 2000;
    timeouty.writeTotalTimeoutMultiplier = 0;
    timeouty.writeTotalTimeoutConstant = 0;
    for (int i = 0; i < liczbaZdarzen; ++i) listaOczekiwania[i] = &zdarzenia[i];
    ustalNazwePortu(nazwa);
}

PortRS::~PortRS() {
    uchwyt.zamknij();
}

Otoczenie& PortRS::podajOtoczenie() {
    return otoczenie != nullptr ? *otoczenie : bezOkien;
}

void PortRS::ustalNazwePortu(const char* nazwa) {
    sciezka.fill('\0');
    std::memcpy(sciezka.data(), prefiksSciezki, dlugoscPrefiksu);
    if (nazwa == nullptr) return;
    std::size_t n = 0;
    while (n < maksDlugoscNazwy && nazwa[n] != '\0') ++n;
    std::memcpy(sciezka.data() + dlugoscPrefiksu, nazwa, n);
}

int PortRS::otworzPort() {
    if (uchwyt.otworz(sciezka.data()) != 0) {
        zamkniety = true;
        return 1;
    }
    zamkniety = false;
    awaria = false;
    return 0;
}

void PortRS::zamknijPort() {
    uchwyt.zamknij();
    // Marked closed too, so that reads and writes after a close are refused as after a failed
    // open, not started on a device that is gone.
    zamkniety = true;
}

bool PortRS::ustawKonfiguracje() {
    konfiguracja = dcb;
    if (const int blad = uchwyt.ustawLinie(konfiguracja); blad != 0) {
        podajOtoczenie().komunikat("SetCommConfig Error = " + std::to_string(blad));
        return false;
    }
    return true;
}

bool PortRS::ustawTimeouty() {
    if (const int blad = uchwyt.ustawCzasy(timeouty); blad != 0) {
        podajOtoczenie().komunikat("SetCommTimeOuts.Error = " + std::to_string(blad));
        return false;
    }
    return true;
}

void PortRS::odczytajTimeouty() {
    uchwyt.podajCzasy(timeouty);
}

int PortRS::zaladujNadawanie(const std::uint8_t* dane, int dlugosc) {
    nadawanie.fill(0);
    if (zamkniety) return 1;
    if (dlugosc < 0 || static_cast<std::size_t>(dlugosc) > nadawanie.size() ||
        (dane == nullptr && dlugosc > 0)) {
        dlugoscNadawania = 0;
        return 2;
    }
    std::copy_n(dane, dlugosc, nadawanie.begin());
    dlugoscNadawania = dlugosc;
    return 0;
}

void PortRS::nadaj() {
    if (zamkniety) return;
    uchwyt.rozpocznijZapis(std::span(nadawanie.data(), static_cast<std::size_t>(dlugoscNadawania)),
                           zdarzenia[nadanieGotowe], wyslano);
}

int PortRS::odbierz(int ile) {
    // The device must let go of the buffer before it is cleared.
    uchwyt.przerwijOdczyt();
    odbior.fill(0);
    if (zamkniety) return 1;
    const std::size_t n = static_cast<std::size_t>(std::clamp<int>(ile, 0, rozmiarBufora));
    uchwyt.rozpocznijOdczyt(std::span(odbior.data(), n), zdarzenia[odbiorGotowy], odebrano);
    return 0;
}

void PortRS::zglos(int indeks) {
    if (indeks >= 0 && indeks < liczbaZdarzen) zdarzenia[indeks].zglos();
}

// Each handled send request (index 3) counts one, each seen completed write (index 1) restarts
// the count; the eleventh request without a write in between marks the port as failed.
void PortRS::kasuj(int indeks) {
    if (indeks == nadanieGotowe) licznikZadan = 0;
    if (indeks == zadanieWysylki) ++licznikZadan;
    if (indeks >= 0 && indeks < liczbaZdarzen) zdarzenia[indeks].kasuj();
    if (licznikZadan > maksZadanBezNadania) {
        licznikZadan = 0;
        awaria = true;
    }
}

int PortRS::stanOdbioru(int indeks) const {
    if (indeks < 0 || indeks >= liczbaZdarzen) return 1;
    return odbior[0] != 0 ? 0 : 2;
}

int PortRS::czekaj() {
    return platform::czekajNaDowolne(listaOczekiwania);
}

int PortRS::czekaj(std::chrono::milliseconds limit) {
    return platform::czekajNaDowolne(listaOczekiwania, limit);
}
