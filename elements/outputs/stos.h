// The assignment stack: every zone and input assignment of the outputs of a panel model,
// carried in blocks of 64 entries.
#pragma once

#include "core/rekord_nieobslugiwany.h"

class Stos : public RekordNieobslugiwany {
public:
    Stos();

    // Always saved, read and sent; never printed.
    bool czyPrzesylac() const override { return true; }
    bool czyDrukowac() const override { return false; }

    // Called by the table walk before slot 14: true while the current source has a further
    // page of 64 entries. An empty stack has none.
    bool nastepnaStrona() { return false; }
};
