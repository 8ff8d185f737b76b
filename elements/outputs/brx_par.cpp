#include "elements/outputs/brx_par.h"

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/xml.h"
#include "elements/outputs/brx.h"
#include "elements/outputs/brx_lk.h"
#include "elements/outputs/brx_pk.h"
#include "lang/language.h"

FlagiKlasy BrxPar::flagi{0, 0};

namespace {

constexpr int bRodzaj = 0;
constexpr int bPakiet = 1;   // package - 1
constexpr int bPary1do6 = 2; // minutes, seconds of pairs 1..6
constexpr int bWstrzymanie = 14;
constexpr int bSygnalizacja = 15;
constexpr int bPara7 = 16; // minutes, seconds of pair 7

constexpr int maksMinutPary[BrxPar::liczbaPar] = {30, 30, 30, 2, 30, 1, 30};

int pozycjaPary(int i) {
    return i < 6 ? bPary1do6 + 2 * i : bPara7;
}

// XML elements of the times in their export order (pair number, element).
struct CzasXML {
    int para;
    const char* znacznik;
};
constexpr CzasXML czasyXML[] = {
    {1, "activation_time_ev1"},      {2, "activation_time_ev2"},
    {3, "activation_time_ev3"},      {7, "activation_time_cev"},
    {4, "delay_time_sealing"},       {5, "disablement_time_activ_reset"},
    {6, "delay_time_extinguishing"},
};

} // namespace

BrxPar::BrxPar(int pakiet)
    : ElementSystemu(135, 179, "BRX" + std::to_string(pakiet) + tekst(322)),
      pakiet(pakiet), czasy{{{0, 5}, {0, 5}, {0, 5}, {0, 10}, {0, 0}, {1, 0}, {1, 0}}} {}

std::uint32_t BrxPar::podajKlucz() const {
    return static_cast<std::uint32_t>(pakiet) | 0xA300u;
}

int BrxPar::maksMinuty(int para) {
    return para >= 1 && para <= liczbaPar ? maksMinutPary[para - 1] : 0;
}

int BrxPar::ustalMinuty(int para, int wartosc) {
    if (para < 1 || para > liczbaPar || wartosc < 0) return 1;
    const int maks = maksMinuty(para);
    if (wartosc >= maks + 10) return 1;
    Czas& c = czasy[para - 1];
    c.minuty = static_cast<std::uint8_t>(std::min(wartosc, maks));
    if (wartosc >= maks) c.sekundy = 0;
    return 0;
}

int BrxPar::ustalSekundy(int para, int wartosc) {
    if (para < 1 || para > liczbaPar || wartosc < 0 || wartosc > 59) return 1;
    Czas& c = czasy[para - 1];
    if (wartosc > 0 && c.minuty == maksMinuty(para)) return 2;
    c.sekundy = static_cast<std::uint8_t>(wartosc);
    return 0;
}

int BrxPar::podajMinuty(int para) const {
    return para >= 1 && para <= liczbaPar ? czasy[para - 1].minuty : 0;
}

int BrxPar::podajSekundy(int para) const {
    return para >= 1 && para <= liczbaPar ? czasy[para - 1].sekundy : 0;
}

void BrxPar::zapiszBlok(Bajty& blok) {
    blok.assign(dlugosc, 0);
    blok[bRodzaj] = rodzaj;
    blok[bPakiet] = static_cast<std::uint8_t>(pakiet - 1);
    for (int i = 0; i < liczbaPar; ++i) {
        blok[pozycjaPary(i)] = czasy[i].minuty;
        blok[pozycjaPary(i) + 1] = czasy[i].sekundy;
    }
    blok[bWstrzymanie] = wstrzymanieGaszenia;
    blok[bSygnalizacja] = sygnalizacjaWyladowania;
}

int BrxPar::odczytajBlok(std::span<const std::uint8_t> blok) {
    if (blok.size() < static_cast<std::size_t>(dlugosc) || blok[bRodzaj] != rodzaj ||
        blok[bPakiet] + 1 != pakiet)
        return 1;
    // The panel's values are kept as they are, in range or not.
    for (int i = 0; i < liczbaPar; ++i) czasy[i] = {blok[pozycjaPary(i)], blok[pozycjaPary(i) + 1]};
    wstrzymanieGaszenia = blok[bWstrzymanie];
    sygnalizacjaWyladowania = blok[bSygnalizacja];
    return 0;
}

int BrxPar::ustalZapytanie(Bajty& zapytanie, std::uint8_t) {
    zapytanie = {rodzaj, static_cast<std::uint8_t>(pakiet - 1), 0};
    return 3;
}

void BrxPar::zapiszXML(std::string& bufor, std::uint8_t grupy) {
    if ((grupy & 4) == 0 || !czyPakietBrxZadeklarowany(pakiet)) return;
    bufor += "<module>";
    dopiszIdXML(bufor, podajKlucz());
    for (const auto& c : czasyXML) {
        const Czas& t = czasy[c.para - 1];
        dopiszXML(bufor, c.znacznik, t.minuty * 60 + t.sekundy);
    }
    dopiszXML(bufor, "discharge_signalling", sygnalizacjaWyladowania);
    dopiszXML(bufor, "function_extinguishing_disablement", wstrzymanieGaszenia);
    const Centrala& c = *biezacaCentrala;
    bufor += "<inputs>";
    for (int l = 0; l < 11; ++l) {
        const BrxLk* lk = c.brxLk[(pakiet - 1) * 11 + l];
        if (lk->podajFunkcje() > 0) {
            bufor += "<input>";
            dopiszIdXML(bufor, lk->podajKlucz());
            bufor += "</input>";
        }
    }
    bufor += "</inputs><outputs>";
    for (int r = 0; r < 16; ++r) {
        const BrxPk* pk = c.brxPk[(pakiet - 1) * 16 + r];
        if (pk->podajFunkcje() > 0) {
            bufor += "<output>";
            dopiszIdXML(bufor, pk->podajKlucz());
            bufor += "</output>";
        }
    }
    bufor += "</outputs></module>";
}
