#include "comm/bledy_transmisji.h"

void BledyTransmisji::zwieksz(Licznik l) {
    ++liczniki[indeks(l)][biezacy];
    ++liczniki[indeks(l)][skumulowany];
}

void BledyTransmisji::zwiekszLicznikBledowDanych(int typ) {
    typBleduDanych = typ;
    zwieksz(Licznik::bledowDanych);
}

int BledyTransmisji::podaj(Licznik l, int ktory) const {
    if (ktory != biezacy && ktory != skumulowany) return 0;
    return liczniki[indeks(l)][static_cast<std::size_t>(ktory)];
}

void BledyTransmisji::zerujLicznikiBledow() {
    for (auto& l : liczniki) l[biezacy] = 0;
    blad = 0;
}

void BledyTransmisji::zerujDlaNowegoTypu() {
    for (std::size_t i = 0; i < liczniki.size(); ++i)
        if (i != indeks(Licznik::bledowZakresu)) liczniki[i] = {0, 0};
}

bool BledyTransmisji::czyBledyPonowienia() const {
    for (std::size_t i = 0; i < liczniki.size(); ++i)
        if (i != indeks(Licznik::bledowZakresu) && liczniki[i][biezacy] != 0) return true;
    return false;
}

int BledyTransmisji::kodWedlug(const std::array<ProgBledu, 7>& tablica) const {
    for (const ProgBledu& p : tablica)
        if (liczniki[indeks(p.licznik)][biezacy] > p.prog) return p.kod;
    return kodBledu::brak;
}
