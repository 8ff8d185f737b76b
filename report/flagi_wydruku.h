// The choice of what the configuration printout lists, and the print flags it sets.
#pragma once

// One kind with a choice between its used elements and all of them.
struct WyborRodzaju {
    bool zaznaczony = false;
    bool wszystkie = false; // "Wszystkie" instead of the first choice of the pair

    // The kind's print flag: 0 not listed, 1 the used ones, 2 all.
    int flaga() const { return zaznaczony ? (wszystkie ? 2 : 1) : 0; }
};

// What the user ticked in the selection window.
struct WyborWydruku {
    bool elementyLiniowe = false;
    WyborRodzaju strefy;                              // the first choice is "Tylko niepuste"
    WyborRodzaju wio, wou, wmi, hrn, hva, xgn, xgn30; // the first choice is "Tylko przypisane"
    bool pk = false, ls = false, lk = false;

    // The window is shown again: every pair back to its first choice, the ticks kept.
    void przywrocPierwszeWybory();
    // The "Wszystkie" box: ticks or clears the twelve kinds at once.
    void zaznaczWszystkie(bool z);
};

// Sets the print flags of every kind the window offers, and clears that of the line packages;
// the extension packages, the sub-panels and the assignment stack keep theirs.
void ustalFlagiDrukowania(const WyborWydruku& wybor);
