// Sounders: HRN (code 80) and the HVA/HLT family (codes 81..88). The number field is
// the logical number of the sounder's record, 0..`liczbaHrn` or 0..`liczbaHva`; the
// mode byte holds the sound settings and the supply monitoring; any byte is accepted, there is no
// mode list and every mode is described with text 284.
#pragma once

#include "elements/lines/typ_elementu.h"

// HRN-201 (code 80), mode byte default 129: bits 0..1 = sound pattern + 1 (0 reads as pattern 0),
// bit 6 battery supply monitoring, bit 7 external supply monitoring.
class TypHRN : public TypZNazwa<TypHRN, TypElementu, 235> {
public:
    TypHRN();
    int ustalNumer(int n) override;
    int ustalNumerZBajtow(int starsza, int mlodszy) override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    // Row family 7 (text 302).
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;
    // Pattern 0..2; any other argument clears bits 0..1.
    int ustalWzorDzwieku(int wzor) override;
    int ustalKontroleZasZew(int wl) override;
    int ustalKontroleZasBat(int wl) override;
    // Texts 299..301; writes nothing while bits 0..1 are 0.
    int opisWzoruDzwieku(std::string& out) const override;
    int opisKontroliZasZew(std::string& out) const override;
    int opisKontroliZasBat(std::string& out) const override;
    int podajWzorDzwieku() const override;
    int podajKontroleZasZew() const override;
    int podajKontroleZasBat() const override;
};

// HVA-301 (code 81) and its models, mode byte default 176: bits 0..3 = sound sequence - 1
// (sequence 1..16), bits 4..5 = volume index + 1 (volume 1..3), bit 6 battery supply monitoring,
// bit 7 external supply monitoring.
class TypHVA : public TypZNazwa<TypHVA, TypElementu, 500> {
public:
    TypHVA() : TypHVA(81) {}
    int ustalNumer(int n) override;
    int ustalNumerZBajtow(int starsza, int mlodszy) override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    // Row family 8 (text 503).
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;
    int ustalKontroleZasZew(int wl) override;
    int ustalKontroleZasBat(int wl) override;
    int opisKontroliZasZew(std::string& out) const override;
    int opisKontroliZasBat(std::string& out) const override;
    int podajKontroleZasZew() const override;
    int podajKontroleZasBat() const override;
    int ustalSekwencje(int sekwencja) override; // 0..15 into bits 0..3
    int ustalGlosnosc(int glosnosc) override;   // 0..2 into bits 4..5 as glosnosc + 1
    // "%d" of bits 0..3 plus 1; the sequence index (bits 0..3).
    int opisSekwencji(std::string& out) const override;
    // "%d" of bits 4..5 (printed as stored); the volume index (bits 4..5 minus 1).
    int opisGlosnosci(std::string& out) const override;
    int podajSekwencje() const override;
    int podajGlosnosc() const override;

protected:
    explicit TypHVA(int kod);
};

class TypHVA_306 : public TypZNazwa<TypHVA_306, TypHVA, 504> { // code 82
public:
    TypHVA_306() : TypZNazwa(82) {}
};

class TypHLT_301 : public TypZNazwa<TypHLT_301, TypHVA, 520> { // code 83
public:
    TypHLT_301() : TypZNazwa(83) {}
};

class TypHLT_306 : public TypZNazwa<TypHLT_306, TypHVA, 521> { // code 84
public:
    TypHLT_306() : TypZNazwa(84) {}
};

class TypHVA_101 : public TypZNazwa<TypHVA_101, TypHVA, 532> { // code 85
public:
    TypHVA_101() : TypZNazwa(85) {}
};

class TypHVA_106 : public TypZNazwa<TypHVA_106, TypHVA, 533> { // code 86
public:
    TypHVA_106() : TypZNazwa(86) {}
};

class TypHLT_101 : public TypZNazwa<TypHLT_101, TypHVA, 534> { // code 87
public:
    TypHLT_101() : TypZNazwa(87) {}
};

class TypHLT_106 : public TypZNazwa<TypHLT_106, TypHVA, 535> { // code 88
public:
    TypHLT_106() : TypZNazwa(88) {}
};
