// A scripted user interface for tests: answers questions from a queue and records what it was
// asked and told.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/otoczenie.h"

class OtoczenieTestowe : public Otoczenie {
public:
    std::deque<bool> odpowiedzi; // answers to the next questions; No when empty
    std::vector<std::string> pytania, bledy, komunikaty;
    int bledyPliku = 0;
    struct BladDanych {
        int indeks;
        std::string nazwa;
        int kod;
    };
    std::vector<BladDanych> bledyDanych;
    WyborBleduDanych wyborBleduDanych = WyborBleduDanych::pomin;
    int odswiezanie = 1; // refresh timer running
    int ponawianie = 1;  // retry timer running
    int odswiezeniaOkna = 0;

    bool pytanie(const std::string& tekst) override {
        pytania.push_back(tekst);
        if (odpowiedzi.empty()) return false;
        const bool t = odpowiedzi.front();
        odpowiedzi.pop_front();
        return t;
    }
    void blad(const std::string& tekst) override { bledy.push_back(tekst); }
    void komunikat(const std::string& tekst) override { komunikaty.push_back(tekst); }
    void bladPliku() override { ++bledyPliku; }
    WyborBleduDanych bladDanych(int indeks, const std::string& nazwa, int kod, bool) override {
        bledyDanych.push_back({indeks, nazwa, kod});
        return wyborBleduDanych;
    }
    void zatrzymajOdswiezanie() override { odswiezanie = 0; }
    void wznowOdswiezanie() override { odswiezanie = 1; }
    void zatrzymajPonawianie() override { ponawianie = 0; }
    void wznowPonawianie() override { ponawianie = 1; }
    void odswiezOknoGlowne() override { ++odswiezeniaOkna; }
};
