// The protocol engine: the transmission types, the walk through the element table, the frames
// sent through the serial port and the worker thread that waits on the port's events and runs
// the reply handlers. The retry timer belongs to the window side; its owner calls
// zgloszenieTimerPonowienia on every tick.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <span>
#include <thread>

#include "comm/stan_transmisji.h"

class Centrala;
class PamiecZdarzen;
class PortRS;

class Transmisja {
public:
    // Starts in the test type on the block window [pierwszy, koniec), off-line.
    Transmisja(PortRS& port, int pierwszy, int koniec);
    ~Transmisja();
    Transmisja(const Transmisja&) = delete;
    Transmisja& operator=(const Transmisja&) = delete;

    // The root and the event memory the engine works on; none means the process-wide ones.
    void ustalCentrale(Centrala* c);
    void ustalPamiec(PamiecZdarzen* p);

    // The worker thread; started once, ended by zakonczWatek (also by the destructor).
    void uruchomWatek();
    void zakonczWatek();

    // Stops handling: from its return no reply is applied and no frame built until wznow, so
    // the root may be replaced or its table rebuilt in between. Waits for a handler running on
    // the worker to finish.
    void wstrzymaj();
    void wznow();
    bool czyWstrzymana() const { return wstrzymana; }

    // Setting up a run (window side).
    void ustalTypTransmisji(int typ);
    // `liczbaBlokow` comes from the kinds whose transfer flag is set.
    void ustalBlokDanych(int pierwszy, int koniec);
    void ustalBlokPamieci(int pierwszy, int koniec);
    void ustalStop(std::uint8_t f);
    void ustalKoniec(std::uint8_t f);
    void ustalZapis(std::uint8_t f);
    void ustalBlad(std::uint8_t f);
    bool czyStop() const;
    bool czyKoniec() const;
    bool czyZapis() const;
    bool czyBlad() const;
    bool czyTrybOffLine() const;
    // Called by czyKoniec under the engine's lock: it must not call the engine back.
    void ustalSygnalKonca(std::function<void()> s);

    // True when the timer is to run (only with the port open).
    bool timerPonowieniaOn();
    void timerPonowieniaOff();
    // One tick of the retry timer.
    void zgloszenieTimerPonowienia();
    void dopalLicznikPonowienia();
    int podajLicznikPonowienia() const;

    void zerujLicznikiBledow();
    void zerujLicznikBleduKomunikacji();
    void zerujLicznikBrakuPortu();
    // Counted by the connection procedure when a port cannot be opened or set up.
    void zwiekszLicznikBrakuPortu();
    void zerujLicznikPonowienia();
    void ustalBladTransmisji(std::uint32_t b);
    int podajLicznikBledowDanych(int ktory) const;
    int podajLicznikBrakuOdpowiedzi(int ktory) const;
    int podajLicznikBledowTransmisji(int ktory) const;
    int podajLicznikBledowDostepu(int ktory) const;
    int podajLicznikBledowZakresu(int ktory) const;
    int podajLicznikBledowTypuCentrali(int ktory) const;
    int podajLicznikBrakuPortu(int ktory) const;
    int podajTypBleduDanych() const;
    std::uint32_t podajBladTransmisji() const;
    int sprawdzLicznikiBledow() const;
    int sprawdzLicznikiBledowMin() const;

    int podajTypTransmisji() const;
    int podajElement() const;
    bool sprawdzNrBloku() const;
    // Skips the current block (the data error window's "skip"): the next one in the table, or in
    // the memory type the next entry of the panel's memory.
    void zwiekszNrBloku();
    int podajPostep() const;
    int podajFazeTestu() const;

    // The request for the current block into `wyjscie`; its length, 0 when there is nothing to
    // send (the run is past its range, or the entry is missing). Takes the engine's lock.
    int wyslijDane(std::span<std::uint8_t> wyjscie);
    // Handles the bytes one read received; 0 handled, another value names the check that
    // refused it. Takes the engine's lock.
    int odbierzDane(std::span<const std::uint8_t> ramka);

    // The blocks the kinds with their transfer flag set bring to a run.
    static int liczbaBlokowDoPrzeslania(Centrala& c);

private:
    Centrala* podajCentrale() const;
    PamiecZdarzen* podajPamiecZdarzen() const;
    void petla();
    void obsluzOdbior();
    void obsluzWysylke();
    // wyslijDane and odbierzDane with the engine's lock already held.
    int budujWysylke(std::span<std::uint8_t> wyjscie);
    int obsluzRamke(std::span<const std::uint8_t> ramka);
    int odbierzDaneZapis(std::span<const std::uint8_t> ramka);
    int odbierzDaneOdczyt(std::span<const std::uint8_t> ramka);
    int odbierzDaneTest(std::span<const std::uint8_t> ramka);
    int odbierzDanePamiec(std::span<const std::uint8_t> ramka);

    PortRS& port;
    Centrala* centrala = nullptr;
    PamiecZdarzen* pamiec = nullptr;
    // Guards the state: the worker holds it for a whole handler, the window side for each call.
    mutable std::mutex blokada;
    StanTransmisji stan;
    std::atomic<bool> wstrzymana{false};
    std::thread watek;
};
