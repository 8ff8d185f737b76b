#include "elements/lines/typ_urzadzenia.h"

#include "core/centrala.h"
#include "lang/formatowanie.h"
#include "lang/language.h"

namespace {

int opisBezListy(std::string& out, int m, int tryb) {
    out = tekst(284);
    return m == 0 ? tryb : m;
}

int ustawBit(int tryb, int n, int wl) {
    return wl != 0 ? tryb | (1 << n) : tryb & ~(1 << n);
}

// Input-1 actuation monitoring 0..3: "NIE", "TAK-40s", "TAK-70s", "TAK-130s".
std::string tekstKontroliWejscia(int kontrola) {
    static const int teksty[] = {289, 296, 297, 298};
    return tekst(teksty[kontrola & 3]);
}

// Row families 10 (WOU) and 11 (XGN-200, XGN-300, XRM-300): one line of fixed text.
std::string wierszWou(int linia, int element, const std::string& nazwa, const std::string& nr,
                      int numer) {
    return wypelnijSzablon(std::string("|  %d  |   %-3d  | %-10s | %s |    %-4d  |  -  |  -  |\n"),
                           linia, element, nazwa.c_str(), nr.c_str(), numer);
}

std::string wierszXgn(int linia, int element, const std::string& nazwa, const std::string& nr,
                      int numer) {
    return wypelnijSzablon(std::string("|  %d  |   %-3d  | %-10s | %s |    %-3d   |  -  |  -  |\n"),
                           linia, element, nazwa.c_str(), nr.c_str(), numer);
}

} // namespace

// --- WIO -----------------------------------------------------------------------------------

TypWIO::TypWIO() {
    kod = 64;
    trybDomyslny = 128;
}
int TypWIO::ustalNumer(int n) {
    return ustalNumerWZakresie(n, 0, liczba(&Centrala::liczbaWio));
}
int TypWIO::ustalNumerZBajtow(int, int mlodszy) {
    return ustalNumer(mlodszy);
}
int TypWIO::ustalTryb(int m) {
    tryb = m;
    return 0;
}
int TypWIO::opisTrybu(std::string& out, int m) const {
    return opisBezListy(out, m, tryb);
}
void TypWIO::drukujTyp(std::string& out, int linia, int element,
                       const std::string& nrFabryczny) const {
    const std::string ciaglosc = tekstTakNie(podajKontroleCiaglosci());
    const std::string opoznienie = tekst(290 + podajOpoznieniePk());
    const std::string wej1 = tekstKontroliWejscia(podajKontroleWej1());
    // Input 2 uses the time of input 1.
    const std::string wej2 =
        tekstKontroliWejscia(podajKontroleWej2() != 0 ? podajKontroleWej1() : 0);
    const std::string sposob1 = tekstNoNc(podajSposobWej(1));
    const std::string sposob2 = tekstNoNc(podajSposobWej(2));
    out += formatujTekst(287, linia, element, nazwaTypu().c_str(), nrFabryczny.c_str(), numer,
                         ciaglosc.c_str(), opoznienie.c_str(), wej1.c_str(), wej2.c_str(),
                         sposob1.c_str(), sposob2.c_str());
}
int TypWIO::podajKontroleCiaglosci() const {
    return (tryb >> 7) & 1;
}
int TypWIO::podajOpoznieniePk() const {
    return ((tryb >> 6) & 1) * 2 + ((tryb >> 5) & 1);
}
int TypWIO::podajKontroleWej1() const {
    return tryb & 3;
}
int TypWIO::podajKontroleWej2() const {
    return (tryb >> 2) & 1;
}
int TypWIO::podajSposobWej(int wejscie) const {
    if (wejscie == 1) return (tryb >> 3) & 1;
    if (wejscie == 2) return (tryb >> 4) & 1;
    return 0;
}
int TypWIO::ustalKontroleCiaglosci(int wl) {
    tryb = ustawBit(tryb, 7, wl);
    return 0;
}
int TypWIO::ustalOpoznieniePk(int opoznienie) {
    tryb = ustawBit(tryb, 5, opoznienie & 1);
    tryb = ustawBit(tryb, 6, opoznienie & 2);
    return 0;
}
int TypWIO::ustalKontroleWej1(int kontrola) {
    tryb = (tryb & ~3) | (kontrola & 3);
    return 0;
}
int TypWIO::ustalKontroleWej2(int wl) {
    tryb = ustawBit(tryb, 2, wl);
    return 0;
}
int TypWIO::ustalSposobWej(int wejscie, int nc) {
    if (wejscie == 1) tryb = ustawBit(tryb, 3, nc);
    if (wejscie == 2) tryb = ustawBit(tryb, 4, nc);
    return 0;
}

// --- WOU -----------------------------------------------------------------------------------

TypWOU::TypWOU() {
    kod = 65;
    trybDomyslny = 0;
}
int TypWOU::ustalNumer(int n) {
    return ustalNumerWZakresie(n, 0, liczba(&Centrala::liczbaGrupWou));
}
int TypWOU::ustalNumerZBajtow(int, int mlodszy) {
    return ustalNumer(mlodszy);
}
int TypWOU::ustalTryb(int m) {
    tryb = m;
    return 0;
}
int TypWOU::opisTrybu(std::string& out, int m) const {
    return opisBezListy(out, m, tryb);
}
void TypWOU::drukujTyp(std::string& out, int linia, int element,
                       const std::string& nrFabryczny) const {
    out += wierszWou(linia, element, nazwaTypu(), nrFabryczny, numer);
    zamknij(out);
}

// --- WMI -----------------------------------------------------------------------------------

TypWMI::TypWMI() {
    kod = 66;
    trybDomyslny = 0;
}
int TypWMI::ustalNumer(int n) {
    return ustalNumerWZakresie(n, 0, liczba(&Centrala::liczbaGrupWmi));
}
int TypWMI::ustalNumerZBajtow(int, int mlodszy) {
    return ustalNumer(mlodszy);
}
int TypWMI::ustalTryb(int m) {
    tryb = m;
    return 0;
}
int TypWMI::opisTrybu(std::string& out, int m) const {
    return opisBezListy(out, m, tryb);
}
void TypWMI::drukujTyp(std::string& out, int linia, int element,
                       const std::string& nrFabryczny) const {
    std::string s[8];
    for (int n = 1; n <= 8; ++n) s[n - 1] = tekstNoNc(podajSposobWej(n));
    out += formatujTekst(303, linia, element, nazwaTypu().c_str(), nrFabryczny.c_str(), numer,
                         s[0].c_str(), s[1].c_str(), s[2].c_str(), s[3].c_str(), s[4].c_str(),
                         s[5].c_str(), s[6].c_str(), s[7].c_str());
}
int TypWMI::podajSposobWej(int wejscie) const {
    if (wejscie < 1 || wejscie > 8) return 0;
    return (tryb >> (wejscie - 1)) & 1;
}
int TypWMI::ustalSposobWej(int wejscie, int nc) {
    if (wejscie >= 1 && wejscie <= 8) tryb = ustawBit(tryb, wejscie - 1, nc);
    return 0;
}

// --- XGN-200, XGN-300, XRM-300 -------------------------------------------------------------

TypXGN_200::TypXGN_200() {
    kod = 96;
    trybDomyslny = 0;
}
int TypXGN_200::ustalNumer(int n) {
    return ustalNumerWZakresie(n, 0, liczba(&Centrala::liczbaXgn));
}
int TypXGN_200::ustalNumerZBajtow(int, int mlodszy) {
    return ustalNumer(mlodszy);
}
int TypXGN_200::ustalTryb(int m) {
    tryb = m;
    return 0;
}
int TypXGN_200::opisTrybu(std::string& out, int) const {
    out = tekst(284);
    return 0;
}
void TypXGN_200::drukujTyp(std::string& out, int linia, int element,
                           const std::string& nrFabryczny) const {
    out += wierszXgn(linia, element, nazwaTypu(), nrFabryczny, numer);
    zamknij(out);
}

TypXGN_300::TypXGN_300() {
    kod = 97;
    trybDomyslny = 0;
}
int TypXGN_300::ustalNumer(int n) {
    return ustalNumerWZakresie(n, 0, liczba(&Centrala::liczbaXgn));
}
int TypXGN_300::ustalNumerZBajtow(int, int mlodszy) {
    return ustalNumer(mlodszy);
}
int TypXGN_300::ustalTryb(int m) {
    tryb = m;
    return 0;
}
int TypXGN_300::opisTrybu(std::string& out, int) const {
    out = tekst(284);
    return 0;
}
void TypXGN_300::drukujTyp(std::string& out, int linia, int element,
                           const std::string& nrFabryczny) const {
    out += wierszXgn(linia, element, nazwaTypu(), nrFabryczny, numer);
    zamknij(out);
}

TypXRM_300::TypXRM_300() {
    kod = 103;
    trybDomyslny = 0;
}
int TypXRM_300::ustalNumer(int n) {
    return ustalNumerWZakresie(n, 0, liczba(&Centrala::liczbaXrm));
}
int TypXRM_300::ustalNumerZBajtow(int, int mlodszy) {
    return ustalNumer(mlodszy);
}
int TypXRM_300::ustalTryb(int m) {
    tryb = m;
    return 0;
}
int TypXRM_300::opisTrybu(std::string& out, int) const {
    out = tekst(284);
    return 0;
}
void TypXRM_300::drukujTyp(std::string& out, int linia, int element,
                           const std::string& nrFabryczny) const {
    out += wierszXgn(linia, element, nazwaTypu(), nrFabryczny, numer);
    zamknij(out);
}
