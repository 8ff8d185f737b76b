// The user interface of the command-line tool: nobody answers questions (No), messages go to
// standard error as one line each, and refused records are collected for the report.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "core/globalne.h"
#include "core/otoczenie.h"
#include "lang/kodowanie.h"
#include "lang/language.h"

class OtoczenieTerminala : public Otoczenie {
public:
    struct Odmowa {
        int indeks;
        std::string nazwa; // UTF-8
        int kod;
    };
    std::vector<Odmowa> odmowy;
    bool bylBladPliku = false;
    bool cichy = false; // refused records are collected without a message

    bool pytanie(const std::string&) override { return false; }
    void blad(const std::string& tekst) override { wypisz(naUtf8(tekst, stronaKodowa())); }
    void komunikat(const std::string& tekst) override { wypisz(naUtf8(tekst, stronaKodowa())); }
    void bladPliku() override {
        bylBladPliku = true;
        wypisz(naUtf8(jezyk != nullptr ? jezyk->podajTekst(12002) : std::string(), stronaKodowa()));
    }
    WyborBleduDanych bladDanych(int indeks, const std::string& nazwa, int kod, bool) override {
        odmowy.push_back({indeks, naUtf8(nazwa, stronaKodowa()), kod});
        if (!cichy)
            wypisz("record refused: " + odmowy.back().nazwa + ", field " + std::to_string(kod));
        return WyborBleduDanych::pomin;
    }

    static void wypisz(const std::string& linia) {
        std::fprintf(stderr, "panelcfg-cli: %s\n", linia.c_str());
    }

private:
    static int stronaKodowa() { return jezyk != nullptr ? jezyk->podajStroneKodowa() : 1250; }
};
