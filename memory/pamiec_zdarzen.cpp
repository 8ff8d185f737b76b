#include "memory/pamiec_zdarzen.h"

int PamiecZdarzen::budujZapytanie(Bajty& wyjscie, std::uint8_t pierwszy) const {
    const int nr = pierwsze + liczbaOdczytanych;
    wyjscie.assign(dlugoscZapytania, 0);
    wyjscie[0] = pierwszy;
    wyjscie[1] = static_cast<std::uint8_t>(nr >> 8);
    wyjscie[2] = static_cast<std::uint8_t>(nr);
    wyjscie[3] = rodzajPamieci;
    wyjscie[4] = 0;
    return dlugoscZapytania;
}

int PamiecZdarzen::odczytajStatus(std::span<const std::uint8_t> dane) {
    namespace r = rekord_zdarzenia;
    if (dane.size() < r::liczba + 2) return 0;
    const int n = dane[r::liczba] << 8 | dane[r::liczba + 1];
    if (n < 1 || n > maksZdarzen) return 0;
    liczbaZdarzen = n;
    return n;
}

int PamiecZdarzen::dodajZdarzenie(std::span<const std::uint8_t> dane) {
    if (liczbaOdczytanych >= maksZdarzen) return 1;
    auto z = std::make_unique<Zdarzenie>(liczbaZdarzen);
    if (z->odczytajBlok(dane) != 0 || z->podajNumer() != pierwsze + liczbaOdczytanych) return 1;
    const auto i = static_cast<std::size_t>(liczbaOdczytanych);
    if (rekordy.size() <= i) rekordy.resize(i + 1);
    rekordy[i] = std::move(z);
    ++liczbaOdczytanych;
    return 0;
}

int PamiecZdarzen::podajNajnizszy() const {
    return czyAlarmy() ? 0 : 1;
}

int PamiecZdarzen::podajNajwyzszy() const {
    return czyAlarmy() ? liczbaZdarzen - 1 : liczbaZdarzen.load();
}

int PamiecZdarzen::ustalPierwsze(int n) {
    if (n < podajNajnizszy() || n > podajNajwyzszy()) return 1;
    pierwsze = n;
    return 0;
}

bool PamiecZdarzen::pominZdarzenie() {
    // The entry asked for is pierwsze + liczbaOdczytanych, and a record is accepted only under
    // that number: moving the start on keeps both in step.
    if (pierwsze + liczbaOdczytanych > ostatnie) return false;
    ++pierwsze;
    return true;
}

int PamiecZdarzen::ustalOstatnie(int n) {
    if (n < pierwsze || n < podajNajnizszy() || n > podajNajwyzszy()) return 1;
    ostatnie = n;
    return 0;
}

int PamiecZdarzen::ustalZakres(int od, int doNumeru) {
    if (czyAlarmy()) {
        if (ustalPierwsze(od - 1) != 0) return 1;
        return ustalOstatnie(doNumeru - 1) != 0 ? 2 : 0;
    }
    // The newest event is the highest panel number, so the user's upper number gives the first.
    const int n = liczbaZdarzen;
    if (ustalPierwsze(n - doNumeru + 1) != 0) return 2;
    return ustalOstatnie(n - od + 1) != 0 ? 1 : 0;
}

int PamiecZdarzen::ustalLiczbeZdarzen(int n) {
    if (n < 0 || n > maksZdarzen) return 1;
    liczbaZdarzen = n;
    return 0;
}

int PamiecZdarzen::ustalLiczbeOdczytanych(int n) {
    if (n < 0 || static_cast<std::size_t>(n) > rekordy.size()) return 1;
    liczbaOdczytanych = n;
    rekordy.resize(static_cast<std::size_t>(n));
    return 0;
}

int PamiecZdarzen::ustalRodzajPamieci(std::uint8_t rodzaj) {
    if (rodzaj != pamiecZdarzenRodzaj && rodzaj != pamiecAlarmowRodzaj) return 1;
    rodzajPamieci = rodzaj;
    return 0;
}

const Zdarzenie* PamiecZdarzen::podajZdarzenie(int i) const {
    if (i < 0 || i >= liczbaOdczytanych) return nullptr;
    return rekordy[static_cast<std::size_t>(i)].get();
}
