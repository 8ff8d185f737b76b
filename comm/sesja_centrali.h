// A panel session without windows, for the command-line tool and the benchmarks: the clocks
// that the windows otherwise own (the engine's retry timer, the connection timer, the
// transmission window's watch on the flags) run here in the caller's thread, while the
// engine's worker carries the exchange.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

class PamiecZdarzen;
class PortRS;
class Transmisja;

class SesjaCentrali {
public:
    using Zegar = std::chrono::steady_clock;

    SesjaCentrali(Transmisja& t, PortRS& p);
    ~SesjaCentrali();
    SesjaCentrali(const SesjaCentrali&) = delete;
    SesjaCentrali& operator=(const SesjaCentrali&) = delete;

    // Finds the panel on the listed ports; `predkosc` 0 tries both speeds in turn. 0 when
    // connected, else the error code of the last failed attempt (1..7).
    int polacz(const std::vector<std::string>& porty, int predkosc);

    // Runs the transfer set up in the engine to its end, reporting the percentage done. 0 when
    // it ended, else the error code that stopped it (the engine is stopped then).
    int przeslij(const std::function<void(int)>& postep = {});

    // Back to idle polling after a transfer, as the end window does.
    void wrocDoTestu();

    // Asks for the status of the event memory of kind `rodzaj` (0 events, 2 alarms) until it
    // comes: true with the count in the memory, false when `limit` passes or the link fails.
    bool czekajNaStatus(PamiecZdarzen& pamiec, std::uint8_t rodzaj,
                        std::chrono::milliseconds limit = std::chrono::seconds(10));

    // The retry timer off and the port closed.
    void rozlacz();

    // Intervals of the timers; tests shorten them.
    void ustalOkresy(std::chrono::milliseconds ponowienie, std::chrono::milliseconds laczenie) {
        okresPonowienia = ponowienie;
        okresLaczenia = laczenie;
    }

private:
    // Sleeps until `chwila`, ticking the retry timer whenever it is due.
    void czekajDo(Zegar::time_point chwila);
    void tikPonowieniaJesliCzas();

    Transmisja& transmisja;
    PortRS& port;
    std::chrono::milliseconds okresPonowienia{1000};
    std::chrono::milliseconds okresLaczenia{1000};
    Zegar::time_point nastepnyTikPonowienia;
};
