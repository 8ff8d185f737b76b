// Addressable devices with a record of their own: WIO, WOU, WMI, XGN 200, XGN 300 and
// XRM 300. Their number field is the logical number (0 = unassigned, up to the kind's count) that
// ties the address to the device's record; their mode byte accepts any
// value; they have no mode list and describe every mode with text 284.
#pragma once

#include "elements/lines/typ_elementu.h"

// WIO-201 (code 64): logical number 0..`liczbaWio`; mode byte default 128.
// Bit 7 control-line continuity monitoring; bits 5 (value 1) and 6 (value 2) the relay switch-on
// delay 0..3; bits 0..1 input-1 actuation monitoring 0..3; bit 2 input-2 actuation monitoring
// (with the time of bits 0..1); bits 3 and 4 inputs 1 and 2 normally closed.
class TypWIO : public TypZNazwa<TypWIO, TypElementu, 232> {
public:
    TypWIO();
    int ustalNumer(int n) override;
    int ustalNumerZBajtow(int starsza, int mlodszy) override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    // Row family 6 (text 287).
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;
    int podajKontroleCiaglosci() const override;
    int podajOpoznieniePk() const override;
    int podajKontroleWej1() const override;
    int podajKontroleWej2() const override;
    int podajSposobWej(int wejscie) const override; // inputs 1, 2 = bits 3, 4
    int ustalKontroleCiaglosci(int wl) override;
    int ustalOpoznieniePk(int opoznienie) override;
    int ustalKontroleWej1(int kontrola) override;
    int ustalKontroleWej2(int wl) override;
    int ustalSposobWej(int wejscie, int nc) override;
};

// WOU-201 (code 65): device number 0..`liczbaGrupWou`; the mode byte carries no meaning.
class TypWOU : public TypZNazwa<TypWOU, TypElementu, 233> {
public:
    TypWOU();
    int ustalNumer(int n) override;
    int ustalNumerZBajtow(int starsza, int mlodszy) override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    // Row family 10.
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;
};

// WMI-201 (code 66): device number 0..`liczbaGrupWmi`; bit n-1 of the mode byte = input n
// normally closed, n = 1..8.
class TypWMI : public TypZNazwa<TypWMI, TypElementu, 234> {
public:
    TypWMI();
    int ustalNumer(int n) override;
    int ustalNumerZBajtow(int starsza, int mlodszy) override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    // Row family 9 (text 303).
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;
    int podajSposobWej(int wejscie) const override;
    int ustalSposobWej(int wejscie, int nc) override;
};

// XGN-200 (code 96): XGN number 0..`liczbaXgn`; the mode byte carries no meaning.
class TypXGN_200 : public TypZNazwa<TypXGN_200, TypElementu, 237> {
public:
    TypXGN_200();
    int ustalNumer(int n) override;
    int ustalNumerZBajtow(int starsza, int mlodszy) override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override; // text 284; always 0
    // Row family 11.
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;
};

// XGN-300 (code 97): Xgn30 number 0..`liczbaXgn` (the XGN count, as the catalogue says).
class TypXGN_300 : public TypZNazwa<TypXGN_300, TypElementu, 238> {
public:
    TypXGN_300();
    int ustalNumer(int n) override;
    int ustalNumerZBajtow(int starsza, int mlodszy) override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override; // text 284; always 0
    // Row family 11.
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;
};

// XRM-300 (code 103): XRM number 0..`liczbaXrm`.
class TypXRM_300 : public TypZNazwa<TypXRM_300, TypElementu, 531> {
public:
    TypXRM_300();
    int ustalNumer(int n) override;
    int ustalNumerZBajtow(int starsza, int mlodszy) override;
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override; // text 284; always 0
    // Row family 11.
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;
};
