// Process-wide objects for a test: a Polish language object and a root of the chosen type, both
// released at the end of the test.
#pragma once

#include <gtest/gtest.h>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/modele.h"
#include "lang/language.h"

class Srodowisko {
public:
    explicit Srodowisko(int typ = 0) {
        jezyk = &j;
        biezacaCentrala = utworzCentrale(typ).release();
        biezacaCentrala->ustawRozmiary();
        biezacaCentrala->budujTabliceElementow();
    }
    ~Srodowisko() {
        delete biezacaCentrala;
        biezacaCentrala = nullptr;
        jezyk = nullptr;
    }
    Centrala& c() { return *biezacaCentrala; }

    Language j;
};
