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
class TypKFA : public TypOstrzegacz {
public:
    explicit TypKFA(int linia) : TypKFA(linia, 1) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;

protected:
    TypKFA(int linia, int kod) : TypOstrzegacz(linia, kod, 1) {}
};

class TypKFA_213 : public TypKFA { // code 33
public:
    explicit TypKFA_213(int linia) : TypKFA(linia, 33) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
};

// KFB-210 (code 2): modes 1..3, list text 244, descriptions 245..247.
class TypKFB : public TypOstrzegacz {
public:
    explicit TypKFB(int linia) : TypKFB(linia, 2) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;

protected:
    TypKFB(int linia, int kod) : TypOstrzegacz(linia, kod, 1) {}
};

class TypKFB_213 : public TypKFB { // code 34
public:
    explicit TypKFB_213(int linia) : TypKFB(linia, 34) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
};

// KFC-210 (code 3): modes 1, 2, 3, 5..9 (not 4), list text 252, descriptions 253..261.
class TypKFC : public TypOstrzegacz {
public:
    explicit TypKFC(int linia) : TypKFC(linia, 3) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;

protected:
    TypKFC(int linia, int kod) : TypOstrzegacz(linia, kod, 1) {}
};

class TypKFC_213 : public TypKFC { // code 35
public:
    explicit TypKFC_213(int linia) : TypKFC(linia, 35) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
};

class TypKFC_310 : public TypKFC { // code 19
public:
    explicit TypKFC_310(int linia) : TypKFC(linia, 19) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
};

class TypKFC_313 : public TypKFC { // code 37
public:
    explicit TypKFC_313(int linia) : TypKFC(linia, 37) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
};

// KFE-210 (code 4): modes 1..9, list text 266, descriptions 267..273, 524, 525.
class TypKFE : public TypOstrzegacz {
public:
    explicit TypKFE(int linia) : TypOstrzegacz(linia, 4, 1) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;
};

// KFN-201 addressable adapter (code 5): modes 1..6, list text 274, descriptions 275..280.
class TypKFN : public TypOstrzegacz {
public:
    explicit TypKFN(int linia) : TypOstrzegacz(linia, 5, 1) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;
};

// KFM-210 (code 6): modes 1..3, list text 248, descriptions 249..251.
class TypKFM : public TypOstrzegacz {
public:
    explicit TypKFM(int linia) : TypKFM(linia, 6) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;

protected:
    TypKFM(int linia, int kod) : TypOstrzegacz(linia, kod, 1) {}
};

class TypKFM_213 : public TypKFM { // code 38
public:
    explicit TypKFM_213(int linia) : TypKFM(linia, 38) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
};

class TypKFM_217 : public TypKFM { // code 22
public:
    explicit TypKFM_217(int linia) : TypKFM(linia, 22) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
};

// KFH-210 (code 7): modes 1..3, list text 262, descriptions 263..265.
class TypKFH : public TypOstrzegacz {
public:
    explicit TypKFH(int linia) : TypOstrzegacz(linia, 7, 1) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;
};

// KFJ-310 (code 8): modes 1..7 (the list text 405 offers 1..6), descriptions 406..409, 467, 468
// and 406 again for mode 7.
class TypKFJ : public TypOstrzegacz {
public:
    explicit TypKFJ(int linia) : TypKFJ(linia, 8) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;

protected:
    TypKFJ(int linia, int kod) : TypOstrzegacz(linia, kod, 1) {}
};

// KFL-301 (code 9): modes 1..3, list text 410, descriptions 411..413.
class TypKFL : public TypOstrzegacz {
public:
    explicit TypKFL(int linia) : TypOstrzegacz(linia, 9, 1) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;
};

// KFS-201 (code 16): modes 1..10, list text 281 ("A" = 10), descriptions 282, 283, 416..423.
class TypKFS : public TypOstrzegacz {
public:
    explicit TypKFS(int linia) : TypOstrzegacz(linia, 16, 1) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override;
};

// KFP-301 (code 11): modes 0..1, no list; described with text 284.
class TypKFP : public TypOstrzegacz {
public:
    explicit TypKFP(int linia) : TypOstrzegacz(linia, 11, 1) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
    int ustalTryb(int m) override;
    // Text 284; always 0.
    int opisTrybu(std::string& out, int m) const override;
};

// KFR-201 (code 48): modes 0..1, default 0, no list.
class TypKFR : public TypOstrzegacz {
public:
    explicit TypKFR(int linia) : TypOstrzegacz(linia, 48, 0) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
};

// KFR-207 (code 54): as KFR, but its own family (not derived from `TypKFR`).
class TypKFR_207 : public TypOstrzegacz {
public:
    explicit TypKFR_207(int linia) : TypOstrzegacz(linia, 54, 0) {}
    std::unique_ptr<TypElementu> klonuj() const override;
    int podajNazweTypu(std::string& out) const override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
};
