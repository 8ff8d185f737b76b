// The protocol engine's state without the port, the worker thread or the timer: the
// transmission type, the block run and its progress, the flags the windows watch, the error
// counters and the retry pacing. The timer's tick and the replies come in as calls, so every
// step can be driven and watched one at a time.
#pragma once

#include <cstdint>
#include <functional>

#include "comm/bledy_transmisji.h"

class Centrala;

namespace typTransmisji {
constexpr int Zapis = 1;
constexpr int Odczyt = 2;
constexpr int Test = 3;
constexpr int Pamiec = 4;
} // namespace typTransmisji

// What advancing through the element table asks of it.
class WidokBlokow {
public:
    virtual ~WidokBlokow() = default;
    virtual bool czyKolejnyBlok(int indeks) = 0;
    virtual bool czyPrzesylac(int indeks) = 0;
    // The assignment stack: moves on by one block of entries; true while the current source has
    // further entries.
    virtual bool nastepnaStrona() = 0;
    virtual int podajPoczXgn30() const = 0;
    virtual int podajIndStos() const = 0;
};

// The element table of a root; an index outside the table, or an empty entry, answers false.
class WidokTablicy : public WidokBlokow {
public:
    explicit WidokTablicy(Centrala& c) : c(c) {}
    bool czyKolejnyBlok(int indeks) override;
    bool czyPrzesylac(int indeks) override;
    bool nastepnaStrona() override;
    int podajPoczXgn30() const override;
    int podajIndStos() const override;

private:
    Centrala& c;
};

// What the retry timer's tick asks the engine to do.
enum class DzialanieTiku { brak, wyslij, zamknijPort };

class StanTransmisji {
public:
    // Starts in the test type on the block window [pierwszy, koniec), with the timer running.
    StanTransmisji(int pierwszy, int koniec);

    // Both counts of every counter but the range counter, the retry count, the test phase and
    // the flags koniec, stop and zapis.
    void ustalTypTransmisji(int typ);
    int podajTypTransmisji() const { return typ; }
    // `liczba` is the 100 % mark: the blocks the selected kinds bring.
    void ustalBlokDanych(int pierwszy, int koniec, int liczba);
    void ustalBlokPamieci(int pierwszy, int koniec);

    int podajElement() const { return nrBloku; }
    int podajKoniecBlokow() const { return koniecBlokow; }
    bool sprawdzNrBloku() const { return nrBloku < koniecBlokow; }
    // Moves to the next block to send: the next block of a multi-block object, or the next
    // entry whose kind is transferred.
    void zwiekszNrBloku(WidokBlokow& t);
    // Blocks done in percent of the expected ones; 0 when none are expected.
    int podajPostep() const;
    int podajLiczbeBlokow() const { return liczbaBlokow; }

    int podajFazeTestu() const { return fazaTestu; }
    void ustalFazeTestu(int f) { fazaTestu = f; }

    void ustalStop(std::uint8_t f) { stop = f; }
    void ustalKoniec(std::uint8_t f) { koniec = f; }
    void ustalZapis(std::uint8_t f) { zapis = f; }
    void ustalBlad(std::uint8_t f) { bledy.ustalBlad(f); }
    bool czyStop() const { return stop != 0; }
    bool czyZapis() const { return zapis != 0; }
    bool czyBlad() const { return bledy.czyBlad(); }
    bool czyTrybOffLine() const { return trybOffLine != 0; }
    // Reads `koniec`; whenever it is set, also calls the end signal (the end sound).
    bool czyKoniec() const;
    void ustalSygnalKonca(std::function<void()> s) { sygnalKonca = std::move(s); }

    // Only with the port open: leaves off-line mode; true when the timer is to run.
    bool timerPonowieniaOn(bool portOtwarty);
    void timerPonowieniaOff() { trybOffLine = 1; }

    void zwiekszLicznikPonowienia() { ++licznikPonowienia; }
    void zerujLicznikPonowienia() { licznikPonowienia = 0; }
    // The next tick sends at once.
    void dopalLicznikPonowienia() { licznikPonowienia = 10; }
    int podajLicznikPonowienia() const { return licznikPonowienia; }
    // Whether a send is due: the test type every 3 ticks; the others after 7 ticks, or after 2
    // once an error other than a range error has been counted.
    bool sprawdzLicznikPonowienia() const;
    // One tick of the retry timer; `awariaPortu` is the port's failure report.
    DzialanieTiku tikPonowienia(bool awariaPortu);

    // A send request reached the worker: one more frame awaits its reply; true unless sending
    // is suspended.
    bool zglosWysylke();
    int podajOczekujaceWysylki() const { return oczekujaceWysylki; }
    // An accepted write reply: advances unless the block had been sent more than once (the
    // replies to the repeats must not skip blocks); true when the next send is to be signalled,
    // false when the run has ended.
    bool przyjmijZapis(WidokBlokow& t);
    // An accepted read or memory reply for the current block: true when the next send is to
    // be signalled. A reply past the end only ends the run.
    bool przyjmijOdczyt(WidokBlokow& t);

    BledyTransmisji bledy;

private:
    int typ = typTransmisji::Test;
    int oczekujaceWysylki = 0;
    int fazaTestu = 3;
    int licznikPonowienia = 0;
    int nrBloku = 0;
    int koniecBlokow = 0;
    int postep = 0;
    int liczbaBlokow = 0;
    std::uint8_t trybOffLine = 1;
    std::uint8_t koniec = 0;
    std::uint8_t stop = 0;
    std::uint8_t zapis = 0;
    std::function<void()> sygnalKonca;
};
