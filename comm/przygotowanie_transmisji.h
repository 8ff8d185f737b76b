// Setting up a read of the whole configuration or a write of a chosen part of it: which kinds
// travel (the user's choice less what the panel's firmware does not know), the stack size check
// and the block window handed to the engine.
#pragma once

class Centrala;
class Transmisja;

// The kinds a write may send, one switch each (the write window's check boxes).
struct WyborRodzajow {
    bool blc = true, elementy = true, strefy = true, pk = true, ls = true, lk = true, wio = true,
         wou = true, wmi = true, hrn = true, hva = true, xgn = true, xgn30 = true, xrm = true;
};

// Kinds that panels of type `t` with firmware `v` (tens * 10 + units) do not know yet.
bool czyBezHva(int t, int v);
bool czyBezXrm(int t, int v);
bool czyBezXgn30(int t, int v);

// Every kind's transfer flag from the choice (the BRX kinds keep theirs: the panel variant sets
// them), then the firmware exclusions of the root.
void ustalRodzajeTransmisji(const Centrala& c, const WyborRodzajow& w);

// A read: every kind chosen but the excluded ones, the stack emptied, each XGN 300 back at its
// first block, the engine in the read type over the whole table.
void przygotujOdczyt(Centrala& c, Transmisja& t);

// True when the stack holds more entries than the panel's firmware takes; the write must not
// start then (text 390).
bool czyStosZaDuzy(const Centrala& c);

// The table index a write starts at: the first index of the first chosen kind in table order;
// 0 when none is chosen.
int pierwszyBlokZapisu(const Centrala& c);

// A write of the chosen kinds: flags and exclusions, each XGN 300 back at its first block, the
// stack cursor at its start, the engine in the write type from the first chosen kind to the
// end of the table. False (nothing set up) when the stack is too large.
bool przygotujZapis(Centrala& c, Transmisja& t, const WyborRodzajow& w);
