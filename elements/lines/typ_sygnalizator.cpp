#include "elements/lines/typ_sygnalizator.h"

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

} // namespace

// --- HRN -----------------------------------------------------------------------------------

TypHRN::TypHRN() {
    kod = 80;
    trybDomyslny = 129;
}
int TypHRN::ustalNumer(int n) {
    return ustalNumerWZakresie(n, 0, liczba(&Centrala::liczbaHrn));
}
int TypHRN::ustalNumerZBajtow(int, int mlodszy) {
    return ustalNumer(mlodszy);
}
int TypHRN::ustalTryb(int m) {
    tryb = m;
    return 0;
}
int TypHRN::opisTrybu(std::string& out, int m) const {
    return opisBezListy(out, m, tryb);
}
void TypHRN::drukujTyp(std::string& out, int linia, int element,
                       const std::string& nrFabryczny) const {
    std::string wzor, bateria, zewnetrzne;
    opisWzoruDzwieku(wzor);
    opisKontroliZasBat(bateria);
    opisKontroliZasZew(zewnetrzne);
    out += formatujTekst(302, linia, element, nazwaTypu().c_str(), nrFabryczny.c_str(), numer,
                         wzor.c_str(), bateria.c_str(), zewnetrzne.c_str());
}
int TypHRN::ustalWzorDzwieku(int wzor) {
    tryb &= ~3;
    if (wzor >= 0 && wzor <= 2) tryb |= wzor + 1;
    return 0;
}
int TypHRN::ustalKontroleZasZew(int wl) {
    tryb = ustawBit(tryb, 7, wl);
    return 0;
}
int TypHRN::ustalKontroleZasBat(int wl) {
    tryb = ustawBit(tryb, 6, wl);
    return 0;
}
int TypHRN::opisWzoruDzwieku(std::string& out) const {
    const int bity = tryb & 3;
    if (bity != 0) out = tekst(298 + bity);
    return podajWzorDzwieku();
}
int TypHRN::opisKontroliZasZew(std::string& out) const {
    out = tekstTakNie(podajKontroleZasZew());
    return podajKontroleZasZew();
}
int TypHRN::opisKontroliZasBat(std::string& out) const {
    out = tekstTakNie(podajKontroleZasBat());
    return podajKontroleZasBat();
}
int TypHRN::podajWzorDzwieku() const {
    const int bity = tryb & 3;
    return bity != 0 ? bity - 1 : 0;
}
int TypHRN::podajKontroleZasZew() const {
    return (tryb >> 7) & 1;
}
int TypHRN::podajKontroleZasBat() const {
    return (tryb >> 6) & 1;
}

// --- HVA/HLT -------------------------------------------------------------------------------

TypHVA::TypHVA(int kodTypu) {
    kod = kodTypu;
    trybDomyslny = 176;
}
int TypHVA::ustalNumer(int n) {
    return ustalNumerWZakresie(n, 0, liczba(&Centrala::liczbaHva));
}
int TypHVA::ustalNumerZBajtow(int, int mlodszy) {
    return ustalNumer(mlodszy);
}
int TypHVA::ustalTryb(int m) {
    tryb = m;
    return 0;
}
int TypHVA::opisTrybu(std::string& out, int m) const {
    return opisBezListy(out, m, tryb);
}
void TypHVA::drukujTyp(std::string& out, int linia, int element,
                       const std::string& nrFabryczny) const {
    std::string sekwencja, glosnosc, bateria, zewnetrzne;
    opisSekwencji(sekwencja);
    opisGlosnosci(glosnosc);
    opisKontroliZasBat(bateria);
    opisKontroliZasZew(zewnetrzne);
    out += formatujTekst(503, linia, element, nazwaTypu().c_str(), nrFabryczny.c_str(), numer,
                         sekwencja.c_str(), glosnosc.c_str(), bateria.c_str(), zewnetrzne.c_str());
}
int TypHVA::ustalKontroleZasZew(int wl) {
    tryb = ustawBit(tryb, 7, wl);
    return 0;
}
int TypHVA::ustalKontroleZasBat(int wl) {
    tryb = ustawBit(tryb, 6, wl);
    return 0;
}
int TypHVA::opisKontroliZasZew(std::string& out) const {
    out = tekstTakNie(podajKontroleZasZew());
    return podajKontroleZasZew();
}
int TypHVA::opisKontroliZasBat(std::string& out) const {
    out = tekstTakNie(podajKontroleZasBat());
    return podajKontroleZasBat();
}
int TypHVA::podajKontroleZasZew() const {
    return (tryb >> 7) & 1;
}
int TypHVA::podajKontroleZasBat() const {
    return (tryb >> 6) & 1;
}
int TypHVA::ustalSekwencje(int sekwencja) {
    tryb = (tryb & ~0x0F) | (sekwencja & 0x0F);
    return 0;
}
int TypHVA::ustalGlosnosc(int glosnosc) {
    tryb = (tryb & ~0x30) | (((glosnosc + 1) & 3) << 4);
    return 0;
}
int TypHVA::opisSekwencji(std::string& out) const {
    out = std::to_string(podajSekwencje() + 1);
    return podajSekwencje();
}
int TypHVA::opisGlosnosci(std::string& out) const {
    out = std::to_string((tryb >> 4) & 3);
    return podajGlosnosc();
}
int TypHVA::podajSekwencje() const {
    return tryb & 0x0F;
}
int TypHVA::podajGlosnosc() const {
    return ((tryb >> 4) & 3) - 1;
}
