// Detectors and call points with a mode list, and the call points KFP, KFR and KFR_207.
// They belong to a fire zone: the number field is a zone 1..`liczbaStref`, with a group A/B.
#pragma once

#include <initializer_list>

#include "elements/lines/typ_elementu.h"

// Base of every detector and call point: zone number, group; printout row family 1.
class TypOstrzegacz : public TypElementu {
public:
    bool czyWStrefie() const override { return true; }
    // Zone 1..`liczbaStref`.
    int ustalNumer(int n) override;
    int ustalNumerZBajtow(int starsza, int mlodszy) override;
    // Row family 1: zone, group letter and mode number, then the closing line.
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;

protected:
    // `numer` and `numerDomyslny` = the line number: a new detector is in the zone of its line.
    TypOstrzegacz(int linia, int kod, int trybDomyslny);

    // Shared parts of the families with a mode list.
    int ustalTrybZ(int m, std::initializer_list<int> dozwolone);
    int ustalTrybOd1Do(int m, int ostatni);
    // Description from the family's texts of modes 1..n; outside them the mode-1 text.
    int opisZTekstow(std::string& out, int m, std::initializer_list<int> teksty) const;
    static int lista(std::string& out, int nrTekstu);
    // Text 284 "Nie dotyczy aktualnego typu." for types without a mode list.
    static void nieDotyczy(std::string& out);
    // The group letter of the printout: text 285 "A" or 286 "B".
    std::string literaGrupy() const;
};

// KFA-210 (code 1): modes 1..3, list text 240, descriptions 241..243.
class TypKFA : public TypZNazwa<TypKFA, TypOstrzegacz, 219> {
public:
    explicit TypKFA(int linia) : TypKFA(linia, 1) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;

protected:
    TypKFA(int linia, int kod) : TypZNazwa(linia, kod, 1) {}
};

class TypKFA_213 : public TypZNazwa<TypKFA_213, TypKFA, 220> { // code 33
public:
    explicit TypKFA_213(int linia) : TypZNazwa(linia, 33) {}
};

// KFB-210 (code 2): modes 1..3, list text 244, descriptions 245..247.
class TypKFB : public TypZNazwa<TypKFB, TypOstrzegacz, 221> {
public:
    explicit TypKFB(int linia) : TypKFB(linia, 2) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;

protected:
    TypKFB(int linia, int kod) : TypZNazwa(linia, kod, 1) {}
};

class TypKFB_213 : public TypZNazwa<TypKFB_213, TypKFB, 222> { // code 34
public:
    explicit TypKFB_213(int linia) : TypZNazwa(linia, 34) {}
};

// KFC-210 (code 3): modes 1, 2, 3, 5..9 (not 4), list text 252, descriptions 253..261.
class TypKFC : public TypZNazwa<TypKFC, TypOstrzegacz, 223> {
public:
    explicit TypKFC(int linia) : TypKFC(linia, 3) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;

protected:
    TypKFC(int linia, int kod) : TypZNazwa(linia, kod, 1) {}
};

class TypKFC_213 : public TypZNazwa<TypKFC_213, TypKFC, 224> { // code 35
public:
    explicit TypKFC_213(int linia) : TypZNazwa(linia, 35) {}
};

class TypKFC_310 : public TypZNazwa<TypKFC_310, TypKFC, 512> { // code 19
public:
    explicit TypKFC_310(int linia) : TypZNazwa(linia, 19) {}
};

class TypKFC_313 : public TypZNazwa<TypKFC_313, TypKFC, 513> { // code 37
public:
    explicit TypKFC_313(int linia) : TypZNazwa(linia, 37) {}
};

// KFE-210 (code 4): modes 1..9, list text 266, descriptions 267..273, 524, 525.
class TypKFE : public TypZNazwa<TypKFE, TypOstrzegacz, 229> {
public:
    explicit TypKFE(int linia) : TypZNazwa(linia, 4, 1) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;
};

// KFN-201 addressable adapter (code 5): modes 1..6, list text 274, descriptions 275..280.
class TypKFN : public TypZNazwa<TypKFN, TypOstrzegacz, 230> {
public:
    explicit TypKFN(int linia) : TypZNazwa(linia, 5, 1) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;
};

// KFM-210 (code 6): modes 1..3, list text 248, descriptions 249..251.
class TypKFM : public TypZNazwa<TypKFM, TypOstrzegacz, 226> {
public:
    explicit TypKFM(int linia) : TypKFM(linia, 6) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;

protected:
    TypKFM(int linia, int kod) : TypZNazwa(linia, kod, 1) {}
};

class TypKFM_213 : public TypZNazwa<TypKFM_213, TypKFM, 227> { // code 38
public:
    explicit TypKFM_213(int linia) : TypZNazwa(linia, 38) {}
};

class TypKFM_217 : public TypZNazwa<TypKFM_217, TypKFM, 228> { // code 22
public:
    explicit TypKFM_217(int linia) : TypZNazwa(linia, 22) {}
};

// KFH-210 (code 7): modes 1..3, list text 262, descriptions 263..265.
class TypKFH : public TypZNazwa<TypKFH, TypOstrzegacz, 225> {
public:
    explicit TypKFH(int linia) : TypZNazwa(linia, 7, 1) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;
};

// KFJ-310 (code 8): modes 1..7 (the list text 405 offers 1..6), descriptions 406..409, 467, 468
// and 406 again for mode 7.
class TypKFJ : public TypZNazwa<TypKFJ, TypOstrzegacz, 415> {
public:
    explicit TypKFJ(int linia) : TypKFJ(linia, 8) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;

protected:
    TypKFJ(int linia, int kod) : TypZNazwa(linia, kod, 1) {}
};

// KFL-301 (code 9): modes 1..3, list text 410, descriptions 411..413.
class TypKFL : public TypZNazwa<TypKFL, TypOstrzegacz, 414> {
public:
    explicit TypKFL(int linia) : TypZNazwa(linia, 9, 1) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;
};

// KFS-201 (code 16): modes 1..10, list text 281 ("A" = 10), descriptions 282, 283, 416..423.
class TypKFS : public TypZNazwa<TypKFS, TypOstrzegacz, 236> {
public:
    explicit TypKFS(int linia) : TypZNazwa(linia, 16, 1) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;
};

// KFP-301 (code 11): modes 0..1, no list; described with text 284.
class TypKFP : public TypZNazwa<TypKFP, TypOstrzegacz, 519> {
public:
    explicit TypKFP(int linia) : TypZNazwa(linia, 11, 1) {}
    int ustalTryb(int m) override;
    // Text 284; always 0.
    int opisTrybu(std::string& out, int m) const override;
};

// KFR-201 (code 48): modes 0..1, default 0, no list.
class TypKFR : public TypZNazwa<TypKFR, TypOstrzegacz, 231> {
public:
    explicit TypKFR(int linia) : TypZNazwa(linia, 48, 0) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
};

// KFR-207 (code 54): as KFR, but its own family (not derived from `TypKFR`).
class TypKFR_207 : public TypZNazwa<TypKFR_207, TypOstrzegacz, 505> {
public:
    explicit TypKFR_207(int linia) : TypZNazwa(linia, 54, 0) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
};
