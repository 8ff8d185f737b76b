#include "elements/outputs/xgn.h"

#include <algorithm>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/xml.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/xgn_wspolne.h"
#include "lang/formatowanie.h"
#include "lang/language.h"

FlagiKlasy Xgn::flagi{1, 1};

namespace {

// Record layout.
constexpr int bNumer = 0;
constexpr int bWariant = 4;
constexpr int bStrefaStarszy = 5; // bit 7 group B, bits 0-6 zone high bits
constexpr int bStrefaMlodszy = 6;
constexpr int bStrefyK = 7;       // big-endian, high byte written as 0
constexpr int bAlarm = 9;         // technical-alarm messages P1, P2, P3
constexpr int bUszkodzenie = 105; // fault messages P1, P2, P3
constexpr int dl = xgn::dlugoscKomunikatu;

constexpr int tekstKomunikatu = 378; // 378..383 in the order of `komunikaty`
constexpr int wierszyOpisu = 12;

bool czyGeneryczna() {
    return biezacaCentrala == nullptr || biezacaCentrala->podajFormatRozszerzony() == 0;
}

} // namespace

Xgn::Xgn(int numer)
    : ElementSystemu(139, 183, tekst(377) + std::to_string(numer)), numer(numer), strefa(numer) {
    for (int i = 0; i < liczbaKomunikatow; ++i)
        komunikaty[static_cast<std::size_t>(i)] = xgn::komunikat(tekst(tekstKomunikatu + i));
}

int Xgn::ustalWariant(int w) {
    if (w < 0 || w > xgn::maksWariant()) return 1;
    wariant = w;
    strefyK = xgn::strefyKDla(w, strefyK);
    return 0;
}

int Xgn::ustalStrefyK(int k) {
    strefyK = xgn::strefyKDla(wariant, k);
    return 0;
}

int Xgn::ustalStrefe(int s) {
    if (s < 0 || s > 0x7FFF) return 1;
    strefa = s;
    return 0;
}

int Xgn::ustalGrupeB(int b) {
    if (b != 0 && b != 1) return 1;
    grupaB = b;
    return 0;
}

int Xgn::ustalKomunikat(int ktory, const std::string& t) {
    if (ktory < 0 || ktory >= liczbaKomunikatow) return 1;
    komunikaty[static_cast<std::size_t>(ktory)] = xgn::komunikat(t);
    return 0;
}

std::string Xgn::podajKomunikat(int ktory) const {
    if (ktory < 0 || ktory >= liczbaKomunikatow) return {};
    return komunikaty[static_cast<std::size_t>(ktory)];
}

int Xgn::opisWariantu(std::string& bufor, int w) const {
    const int uzyty = w == 0 ? wariant : w;
    bufor = xgn::opisWariantu(uzyty);
    return uzyty;
}

int Xgn::trybPrzypisania() const {
    return xgn::trybPrzypisania(wariant);
}

int Xgn::linia() const {
    return xgn::znajdzNaLinii(kodLinii, numer).linia;
}

int Xgn::adres() const {
    return xgn::znajdzNaLinii(kodLinii, numer).adres;
}

bool Xgn::czyZadeklarowany() const {
    return xgn::znajdzNaLinii(kodLinii, numer).zadeklarowany;
}

std::uint32_t Xgn::podajKlucz() const {
    const auto p = xgn::znajdzNaLinii(kodLinii, numer);
    return ((static_cast<std::uint32_t>(p.linia) << 24) & 0x0FFFFFFFu) |
           ((static_cast<std::uint32_t>(p.adres) << 16) & 0x00FFFFFFu) | 0x6000u |
           (static_cast<std::uint32_t>(numer) & 0xFFu);
}

void Xgn::zapiszBlok(Bajty& blok) {
    blok.assign(dlugosc, 0);
    blok[bNumer] = static_cast<std::uint8_t>(numer);
    blok[bWariant] = static_cast<std::uint8_t>(wariant);
    blok[bStrefaStarszy] = static_cast<std::uint8_t>(grupaB << 7 | ((strefa >> 8) & 0x7F));
    blok[bStrefaMlodszy] = static_cast<std::uint8_t>(strefa & 0xFF);
    blok[bStrefyK + 1] = static_cast<std::uint8_t>(strefyK & 0xFF);
    for (int p = 0; p < 3; ++p) {
        xgn::zapiszKomunikat(blok, bAlarm + p * dl, komunikaty[static_cast<std::size_t>(3 + p)]);
        xgn::zapiszKomunikat(blok, bUszkodzenie + p * dl, komunikaty[static_cast<std::size_t>(p)]);
    }
    // A unit whose output P1 no longer takes zones loses them when it is saved or sent.
    if (!czyGeneryczna() && trybPrzypisania() == 0 && biezacaCentrala->stos != nullptr)
        biezacaCentrala->stos->usunPrzypisania(Stos::kodXgn, numer, 0, 0);
}

int Xgn::odczytajBlok(std::span<const std::uint8_t> blok) {
    const std::size_t n = blok.size();
    if (n <= bNumer || blok[bNumer] != numer) return 1;
    if (n <= bWariant || ustalWariant(blok[bWariant]) != 0) return 2;
    if (n <= bStrefaMlodszy) return 3;
    grupaB = blok[bStrefaStarszy] >> 7;
    strefa = (blok[bStrefaStarszy] & 0x7F) << 8 | blok[bStrefaMlodszy];
    if (n <= bStrefyK + 1) return 4;
    ustalStrefyK(blok[bStrefyK] << 8 | blok[bStrefyK + 1]);
    if (n < static_cast<std::size_t>(dlugosc)) return 5;
    for (int p = 0; p < 3; ++p) {
        komunikaty[static_cast<std::size_t>(3 + p)] = xgn::czytajKomunikat(blok, bAlarm + p * dl);
        komunikaty[static_cast<std::size_t>(p)] = xgn::czytajKomunikat(blok, bUszkodzenie + p * dl);
    }
    return 0;
}

int Xgn::ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) {
    zapytanie = {pierwszy, static_cast<std::uint8_t>(numer)};
    return 2;
}

void Xgn::zapiszXML(std::string& bufor, std::uint8_t grupy) {
    if ((grupy & 16) == 0 || !czyZadeklarowany()) return;
    const std::uint32_t klucz = podajKlucz();
    if (wariant > 0) {
        bufor += "<output>";
        dopiszIdXML(bufor, klucz | 0x10000000u);
        dopiszXML(bufor, "hardware_type", 1);
        dopiszXML(bufor, "variant", wariant);
        if (xgn::czyKzN(wariant)) dopiszXML(bufor, "zones_k", strefyK);
        if (trybPrzypisania() == Stos::trybStrefy)
            xgn::dopiszStrefyXML(bufor, xgn::przypisania(Stos::kodXgn, numer, 0, 0));
        dopiszTekstXML(bufor, "tech_alarm_message", komunikaty[3]);
        dopiszTekstXML(bufor, "fault_message", komunikaty[0]);
        bufor += "</output>";
    }
    // P2 and P3 carry only their messages and are always there.
    for (int p = 1; p < 3; ++p) {
        bufor += "<output>";
        dopiszIdXML(bufor, klucz | static_cast<std::uint32_t>(p + 1) << 28);
        dopiszXML(bufor, "hardware_type", 1);
        dopiszTekstXML(bufor, "tech_alarm_message", komunikaty[static_cast<std::size_t>(3 + p)]);
        dopiszTekstXML(bufor, "fault_message", komunikaty[static_cast<std::size_t>(p)]);
        bufor += "</output>";
    }
}

int Xgn::drukujWiersz(std::string& bufor) {
    const auto p = xgn::znajdzNaLinii(kodLinii, numer);
    auto opisy =
        xgn::opisyPrzypisan(trybPrzypisania(), xgn::przypisania(Stos::kodXgn, numer, 0, 0));
    const std::size_t wszystkie = opisy.size();
    if (opisy.size() < wierszyOpisu) opisy.resize(wierszyOpisu);
    auto o = [&](int i) { return opisy[static_cast<std::size_t>(i)].c_str(); };
    auto k = [&](int i) { return komunikaty[static_cast<std::size_t>(i)].c_str(); };
    bufor += formatujTekst(386, numer, p.linia, p.adres, wariant, strefa, o(0), k(0), o(1), o(2),
                           k(3), o(3), o(4), k(1), o(5), o(6), k(4), o(7), o(8), k(2), o(9), o(10),
                           k(5), o(11));
    for (std::size_t i = wierszyOpisu; i < wszystkie; ++i)
        bufor += sformatuj(
            "|     |     |        |           |      |                                  |%-32s|\n",
            opisy[i].c_str());
    bufor += '|' + std::string(107, '-') + "|\n";
    return static_cast<int>(std::max(wszystkie, static_cast<std::size_t>(wierszyOpisu))) + 1;
}

void Xgn::drukujNaglowek(std::string& bufor) {
    bufor += tekst(384);
}

bool Xgn::czyDrukowac() const {
    if (flagi.drukowanie == 0) return false;
    return flagi.drukowanie == 2 || czyZadeklarowany();
}
