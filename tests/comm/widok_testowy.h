// A stand-in for the element table when advancing through blocks.
#pragma once

#include <vector>

#include "comm/stan_transmisji.h"

struct WidokTestowy : WidokBlokow {
    std::vector<bool> przesylane;  // per index; beyond it, transferred
    std::vector<int> kolejneBloki; // per index: how many more blocks the object has
    int stronyStosu = 0;           // further pages of the stack's current source
    int zrodlaStosu = 0;           // further sources of the stack
    int poczXgn30 = 100;
    int indStos = 200;

    static bool odejmij(int& n) {
        if (n <= 0) return false;
        --n;
        return true;
    }
    bool czyKolejnyBlok(int i) override {
        if (i == indStos) return odejmij(zrodlaStosu);
        if (i < 0 || i >= static_cast<int>(kolejneBloki.size())) return false;
        return odejmij(kolejneBloki[static_cast<std::size_t>(i)]);
    }
    bool czyPrzesylac(int i) override {
        return i < 0 || i >= static_cast<int>(przesylane.size()) ||
               przesylane[static_cast<std::size_t>(i)];
    }
    bool nastepnaStrona() override { return odejmij(stronyStosu); }
    int podajPoczXgn30() const override { return poczXgn30; }
    int podajIndStos() const override { return indStos; }
};
