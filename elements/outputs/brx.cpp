#include "elements/outputs/brx.h"

#include "core/centrala.h"
#include "core/globalne.h"
#include "lang/language.h"

FlagiKlasy Brx::flagi{0, 0};

namespace {

constexpr int bPodkod = 0;
constexpr int bZadeklarowany = 1; // one byte per package; bytes 5-42 carry nothing

} // namespace

Brx::Brx() : ElementSystemu(122, 170, tekst(330)) {}

void Brx::zapiszBlok(Bajty& blok) {
    blok.assign(dlugosc, 0);
    blok[bPodkod] = podkod;
    for (int p = 0; p < liczbaPakietow; ++p) blok[bZadeklarowany + p] = zadeklarowany[p] ? 1 : 0;
}

int Brx::odczytajBlok(std::span<const std::uint8_t> blok) {
    if (blok.size() < static_cast<std::size_t>(dlugosc) || blok[bPodkod] != podkod) return 1;
    for (int p = 0; p < liczbaPakietow; ++p) zadeklarowany[p] = blok[bZadeklarowany + p] != 0;
    return 0;
}

int Brx::ustalZapytanie(Bajty& zapytanie, std::uint8_t) {
    zapytanie = {podkod};
    return 1;
}

bool Brx::podajZadeklarowany(int pakiet) const {
    return pakiet >= 1 && pakiet <= liczbaPakietow && zadeklarowany[pakiet - 1];
}

void Brx::ustalZadeklarowany(int pakiet, bool z) {
    if (pakiet >= 1 && pakiet <= liczbaPakietow) zadeklarowany[pakiet - 1] = z;
}

bool czyPakietBrxZadeklarowany(int pakiet) {
    return biezacaCentrala != nullptr && biezacaCentrala->brx != nullptr &&
           biezacaCentrala->brx->podajZadeklarowany(pakiet);
}
