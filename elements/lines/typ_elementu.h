// The type descriptor of a line element: which device sits at a loop address, with
// its three type-dependent settings (mode byte, group, zone or logical number). One class per
// device model; the line element owns exactly one descriptor and replaces it when the
// type code changes (creation by code, `utworzZKodu`).
//
// Text conventions: the `opis*`, `podajNazweTypu` and `listaTrybow` operations replace `out` with
// their text (and leave it untouched where they write nothing); `drukujTyp` appends its printout
// rows to `out`. Texts are in the current language's code page.
#pragma once

#include <memory>
#include <string>

class Centrala;

class TypElementu {
public:
    virtual ~TypElementu() = default;

    // A copy of the same class (line elements copy their descriptor with it).
    virtual std::unique_ptr<TypElementu> klonuj() const = 0;

    // Non-virtual accessors.
    int podajTryb() const { return tryb; }
    int podajGrupe() const { return grupa; }
    // Stores any value; 0.
    int ustalGrupe(int g) {
        grupa = g;
        return 0;
    }
    int podajNumer() const { return numer; }
    int podajTrybDomyslny() const { return trybDomyslny; }
    int podajNumerDomyslny() const { return numerDomyslny; }
    // The type's defaults: `trybDomyslny` to `tryb`, `numerDomyslny` to `numer`.
    void ustawDomyslne() {
        tryb = trybDomyslny;
        numer = numerDomyslny;
    }

    // Virtual operations in slot order. Setters answer 0 (accepted) or 1 (refused,
    // value unchanged).
    virtual int podajKod() const { return kod; }
    virtual bool czyWStrefie() const { return false; }
    // Writes the display name; the type code.
    virtual int podajNazweTypu(std::string& out) const {
        (void)out;
        return 0;
    }
    virtual int ustalNumer(int n) {
        (void)n;
        numer = 0;
        return 0;
    }
    // `starsza` is the high part already shifted left by 8.
    virtual int ustalNumerZBajtow(int starsza, int mlodszy) {
        (void)starsza;
        (void)mlodszy;
        numer = 0;
        return 0;
    }
    virtual int ustalTryb(int m) {
        (void)m;
        tryb = 0;
        return 0;
    }
    // `m` 0 means the current mode; the mode described.
    virtual int opisTrybu(std::string& out, int m) const {
        (void)out;
        (void)m;
        return 0;
    }
    // The string of selectable mode characters ("1".."9", "A" for 10); its length.
    virtual int listaTrybow(std::string& out) const {
        (void)out;
        return 0;
    }
    // Appends the printout row(s) of this type.
    virtual void drukujTyp(std::string& out, int linia, int element,
                           const std::string& nrFabryczny) const = 0;

    // WIO (code 64) and WMI (code 66) bit fields.
    virtual int podajKontroleCiaglosci() const { return 0; }
    virtual int podajOpoznieniePk() const { return 0; }
    virtual int podajKontroleWej1() const { return 0; }
    virtual int podajKontroleWej2() const { return 0; }
    // Input 1..8: 0 normally open (NO), 1 normally closed (NC).
    virtual int podajSposobWej(int wejscie) const {
        (void)wejscie;
        return 0;
    }
    virtual int ustalKontroleCiaglosci(int wl) {
        (void)wl;
        return 0;
    }
    virtual int ustalOpoznieniePk(int opoznienie) {
        (void)opoznienie;
        return 0;
    }
    virtual int ustalKontroleWej1(int kontrola) {
        (void)kontrola;
        return 0;
    }
    virtual int ustalKontroleWej2(int wl) {
        (void)wl;
        return 0;
    }
    virtual int ustalSposobWej(int wejscie, int nc) {
        (void)wejscie;
        (void)nc;
        return 0;
    }
    int podajSposobWej1() const { return podajSposobWej(1); }
    int podajSposobWej2() const { return podajSposobWej(2); }
    int podajSposobWej3() const { return podajSposobWej(3); }
    int podajSposobWej4() const { return podajSposobWej(4); }
    int podajSposobWej5() const { return podajSposobWej(5); }
    int podajSposobWej6() const { return podajSposobWej(6); }
    int podajSposobWej7() const { return podajSposobWej(7); }
    int podajSposobWej8() const { return podajSposobWej(8); }
    int ustalSposobWej1(int nc) { return ustalSposobWej(1, nc); }
    int ustalSposobWej2(int nc) { return ustalSposobWej(2, nc); }
    int ustalSposobWej3(int nc) { return ustalSposobWej(3, nc); }
    int ustalSposobWej4(int nc) { return ustalSposobWej(4, nc); }
    int ustalSposobWej5(int nc) { return ustalSposobWej(5, nc); }
    int ustalSposobWej6(int nc) { return ustalSposobWej(6, nc); }
    int ustalSposobWej7(int nc) { return ustalSposobWej(7, nc); }
    int ustalSposobWej8(int nc) { return ustalSposobWej(8, nc); }

    // HRN (code 80) and HVA/HLT (codes 81..88) bit fields.
    virtual int ustalWzorDzwieku(int wzor) {
        (void)wzor;
        return 0;
    }
    virtual int ustalKontroleZasZew(int wl) {
        (void)wl;
        return 0;
    }
    virtual int ustalKontroleZasBat(int wl) {
        (void)wl;
        return 0;
    }
    virtual int opisWzoruDzwieku(std::string& out) const {
        (void)out;
        return 0;
    }
    virtual int opisKontroliZasZew(std::string& out) const {
        (void)out;
        return 0;
    }
    virtual int opisKontroliZasBat(std::string& out) const {
        (void)out;
        return 0;
    }
    virtual int podajWzorDzwieku() const { return 0; }
    virtual int podajKontroleZasZew() const { return 0; }
    virtual int podajKontroleZasBat() const { return 0; }
    virtual int ustalSekwencje(int sekwencja) {
        (void)sekwencja;
        return 0;
    }
    virtual int ustalGlosnosc(int glosnosc) {
        (void)glosnosc;
        return 0;
    }
    virtual int opisSekwencji(std::string& out) const {
        (void)out;
        return 0;
    }
    virtual int opisGlosnosci(std::string& out) const {
        (void)out;
        return 0;
    }
    virtual int podajSekwencje() const { return 0; }
    virtual int podajGlosnosc() const { return 0; }

    // Multi-sensor detectors (KFD, KFG family, KFJ_310N, KFE_3 family).
    virtual int podajSensorIR() const { return 0; }
    virtual int opisSensoraIR(std::string& out) const {
        (void)out;
        return 0;
    }
    virtual int podajSensorUV() const { return 0; }
    virtual int opisSensoraUV(std::string& out) const {
        (void)out;
        return 0;
    }
    virtual int podajSensorCO() const { return 0; }
    virtual int opisSensoraCO(std::string& out) const {
        (void)out;
        return 0;
    }
    virtual int podajSensorCiepla() const { return 0; }
    virtual int opisSensoraCiepla(std::string& out) const {
        (void)out;
        return 0;
    }
    virtual int podajInterakcje() const { return 0; }
    virtual int podajCzulosc() const { return 0; }
    virtual int opisCzulosci(std::string& out) const {
        (void)out;
        return 0;
    }

    // Creation by code. Whether the code is in the catalogue at all.
    static bool czyWKatalogu(int kod);
    // Whether the current panel type refuses the code (33, 34, 35 and 38 on types 3 and 4).
    static bool czyOdrzuconyPrzezCentrale(int kod);
    // A fresh descriptor of the code with its constructor's values, for a line; null when the
    // code is not in the catalogue.
    static std::unique_ptr<TypElementu> utworz(int kod, int linia);
    // Steps 1 to 5 of creation by code: the new descriptor with the compatible settings of
    // `stary` carried over; null (refused) when the panel type refuses the code or the code is
    // not in the catalogue.
    static std::unique_ptr<TypElementu> utworzZKodu(int kod, const TypElementu& stary, int linia);

protected:
    TypElementu() = default;
    TypElementu(const TypElementu&) = default;
    TypElementu& operator=(const TypElementu&) = default;

    // A count of the current root (0 when there is none), e.g. `&Centrala::liczbaStref`.
    static int liczba(int Centrala::*pole);
    // Sets `numer` when 0 <= n <= gorna (with `dolna` as the lower bound); 0/1.
    int ustalNumerWZakresie(int n, int dolna, int gorna);

    // Texts shared by several families.
    static std::string tekstTakNie(int wl); // texts 288 "TAK" / 289 "NIE"
    static std::string tekstNoNc(int nc);   // texts 294 "NC" / 295 "NO"
    std::string nazwaTypu() const;          // the display name
    // Appends the closing line of every printout block: 65 dashes between bars.
    static void zamknij(std::string& out);

    int kod = 0;
    int tryb = 1;
    int trybDomyslny = 0;
    int grupa = 0;
    int numer = 0;
    int numerDomyslny = 0;
};

std::string tekst(int numer, const std::string& domyslny);

// What every concrete type writes the same way: its copy and its display name (text
// `numerNazwy`). Each type derives from this with itself, its base and its name's number.
template <class Pochodna, class Baza, int numerNazwy>
class TypZNazwa : public Baza {
public:
    using Baza::Baza;
    std::unique_ptr<TypElementu> klonuj() const override {
        return std::make_unique<Pochodna>(static_cast<const Pochodna&>(*this));
    }
    int podajNazweTypu(std::string& out) const override {
        out = tekst(numerNazwy, "0");
        return this->kod;
    }
};

// Code 0: no element at the address. Its number field is a zone, 0..`liczbaStref`.
class TypBRAK : public TypZNazwa<TypBRAK, TypElementu, 239> {
public:
    explicit TypBRAK(int linia);
    int ustalNumer(int n) override;
    int ustalNumerZBajtow(int starsza, int mlodszy) override;
    // Writes nothing.
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;
};
