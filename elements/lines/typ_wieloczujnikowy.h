// Multi-sensor detectors: KFD, the KFG family, KFJ_310N and the KFE_3 family. Their
// mode byte is a sensor bit field: any byte is accepted, there is no mode list, and every mode is
// described with text 284.
//
// | bits | KFD | KFG family | KFJ_310N | KFE_3 family |
// | 0 smoke UV, 1 smoke IR | yes | yes | yes | yes |
// | 2 heat | yes | reads 0 ("NIE") | yes | part of the heat class |
// | 3 CO | yes | reads 0 ("NIE") | reads 0 ("NIE") | part of the heat class |
// | 2..4 heat class | | | | yes |
// | 4..5 sensitivity | yes | yes | yes | |
// | 5 smoke sensitivity | | | | yes |
// | 6..7 interaction | yes | yes | yes | yes |
#pragma once

#include "elements/lines/typ_ostrzegacz.h"

// KFD-310 (code 20): all four sensors; printout text 522.
class TypKFD : public TypZNazwa<TypKFD, TypOstrzegacz, 514> {
public:
    explicit TypKFD(int linia) : TypZNazwa(linia, 20, 1) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;
    int podajSensorIR() const override;
    int opisSensoraIR(std::string& out) const override;
    int podajSensorUV() const override;
    int opisSensoraUV(std::string& out) const override;
    int podajSensorCO() const override;
    int opisSensoraCO(std::string& out) const override;
    int podajSensorCiepla() const override;
    int opisSensoraCiepla(std::string& out) const override;
    int podajInterakcje() const override;
    int podajCzulosc() const override;
    int opisCzulosci(std::string& out) const override;
};

// KFG-310 (code 17) and its models: smoke sensors only; printout text 523.
class TypKFG : public TypZNazwa<TypKFG, TypOstrzegacz, 516> {
public:
    explicit TypKFG(int linia) : TypKFG(linia, 17) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;
    int podajSensorIR() const override;
    int opisSensoraIR(std::string& out) const override;
    int podajSensorUV() const override;
    int opisSensoraUV(std::string& out) const override;
    int podajSensorCO() const override;                     // 0
    int opisSensoraCO(std::string& out) const override;     // always "NIE"
    int podajSensorCiepla() const override;                 // 0
    int opisSensoraCiepla(std::string& out) const override; // always "NIE"
    int podajInterakcje() const override;
    int podajCzulosc() const override;
    int opisCzulosci(std::string& out) const override;

protected:
    TypKFG(int linia, int kod) : TypZNazwa(linia, kod, 1) {}
};

class TypKFG_310N : public TypZNazwa<TypKFG_310N, TypKFG, 526> { // code 18
public:
    explicit TypKFG_310N(int linia) : TypZNazwa(linia, 18) {}
};

class TypKFG_330 : public TypZNazwa<TypKFG_330, TypKFG, 515> { // code 23
public:
    explicit TypKFG_330(int linia) : TypZNazwa(linia, 23) {}
};

class TypKFG_313 : public TypZNazwa<TypKFG_313, TypKFG, 517> { // code 39
public:
    explicit TypKFG_313(int linia) : TypZNazwa(linia, 39) {}
};

// KFJ-310N (code 24): a KFJ with a sensor bit field (smoke and heat, no CO); printout text 528.
class TypKFJ_310N : public TypZNazwa<TypKFJ_310N, TypKFJ, 527> {
public:
    explicit TypKFJ_310N(int linia) : TypZNazwa(linia, 24) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    int listaTrybow(std::string& out) const override; // none: writes nothing, 0
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;
    int podajSensorIR() const override;
    int opisSensoraIR(std::string& out) const override;
    int podajSensorUV() const override;
    int opisSensoraUV(std::string& out) const override;
    int podajSensorCO() const override;                 // 0
    int opisSensoraCO(std::string& out) const override; // always "NIE"
    int podajSensorCiepla() const override;
    int opisSensoraCiepla(std::string& out) const override;
    int podajInterakcje() const override;
    int podajCzulosc() const override;
    int opisCzulosci(std::string& out) const override;
};

// KFE-310 (code 12) and KFE-313: smoke sensors, a heat class in bits 2..4 and a smoke
// sensitivity in bit 5; printout text 528 with the heat class on the heat line.
class TypKFE_3 : public TypZNazwa<TypKFE_3, TypOstrzegacz, 529> {
public:
    explicit TypKFE_3(int linia) : TypKFE_3(linia, 12) {}
    int ustalTryb(int m) override;
    int opisTrybu(std::string& out, int m) const override;
    void drukujTyp(std::string& out, int linia, int element,
                   const std::string& nrFabryczny) const override;
    int podajSensorIR() const override;
    int opisSensoraIR(std::string& out) const override;
    int podajSensorUV() const override;
    int opisSensoraUV(std::string& out) const override;
    int podajInterakcje() const override;
    int podajCzulosc() const override;                 // bit 5
    int opisCzulosci(std::string& out) const override; // "Normal" / "-20%"

    // Only this family: heat class 0 "Off", 1 "A1R", 2 "A2R", 3 "BR", 4 "A2S", 5 "BS" (6, 7 "Off").
    virtual int podajKlaseCiepla() const;
    virtual int opisKlasyCiepla(std::string& out) const;

protected:
    TypKFE_3(int linia, int kod) : TypZNazwa(linia, kod, 1) {}
};

class TypKFE_313 : public TypZNazwa<TypKFE_313, TypKFE_3, 530> { // code 44
public:
    explicit TypKFE_313(int linia) : TypZNazwa(linia, 44) {}
};
