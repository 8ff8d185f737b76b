#include "elements/outputs/blc.h"

#include "lang/language.h"

FlagiKlasy Blc::flagi{1, 0};

namespace {

// Block layout: discriminator, then one byte per package (bit 0 declared, bits 4-7 lines radial).
constexpr int bPodkod = 0;
constexpr int bPakiet1 = 1;
constexpr int bPakiet2 = 2;
constexpr int bGrupa3 = 3;

} // namespace

Blc::Blc(int typCentrali) : ElementSystemu(122, 170, tekst(320)) {
    pakiet1.zadeklarowany = typCentrali == 6;
}

std::uint8_t Blc::spakuj(const Pakiet& p) {
    if (!p.zadeklarowany) return 0;
    std::uint8_t b = 1;
    for (int i = 0; i < 4; ++i)
        if (p.liniaPromieniowa[i]) b |= static_cast<std::uint8_t>(0x10 << i);
    return b;
}

Blc::Pakiet Blc::rozpakuj(std::uint8_t b) {
    Pakiet p;
    p.zadeklarowany = (b & 1) != 0;
    for (int i = 0; i < 4; ++i) p.liniaPromieniowa[i] = (b & (0x10 << i)) != 0;
    return p;
}

void Blc::zapiszBlok(Bajty& blok) {
    blok.assign(dlugosc, 0);
    blok[bPodkod] = podkod;
    blok[bPakiet1] = spakuj(pakiet1);
    blok[bPakiet2] = spakuj(pakiet2);
}

int Blc::odczytajBlok(std::span<const std::uint8_t> blok) {
    if (blok.size() < static_cast<std::size_t>(dlugosc) || blok[bPodkod] != podkod) return 1;
    pakiet1 = rozpakuj(blok[bPakiet1]);
    pakiet2 = rozpakuj(blok[bPakiet2]);
    grupa3 = rozpakuj(blok[bGrupa3]);
    return 0;
}

int Blc::ustalZapytanie(Bajty& zapytanie, std::uint8_t) {
    zapytanie = {podkod};
    return 1;
}

const Blc::Pakiet* Blc::pakietNr(int pakiet) const {
    return pakiet == 1 ? &pakiet1 : pakiet == 2 ? &pakiet2 : nullptr;
}

Blc::Pakiet* Blc::pakietNr(int pakiet) {
    return pakiet == 1 ? &pakiet1 : pakiet == 2 ? &pakiet2 : nullptr;
}

bool Blc::podajZadeklarowany(int pakiet) const {
    const Pakiet* p = pakietNr(pakiet);
    return p != nullptr && p->zadeklarowany;
}

void Blc::ustalZadeklarowany(int pakiet, bool z) {
    if (auto* p = pakietNr(pakiet)) p->zadeklarowany = z;
}

bool Blc::podajLiniePromieniowa(int pakiet, int linia) const {
    const Pakiet* p = pakietNr(pakiet);
    return p != nullptr && linia >= 0 && linia < 4 && p->liniaPromieniowa[linia];
}

void Blc::ustalLiniePromieniowa(int pakiet, int linia, bool promieniowa) {
    auto* p = pakietNr(pakiet);
    if (p != nullptr && linia >= 0 && linia < 4) p->liniaPromieniowa[linia] = promieniowa;
}
