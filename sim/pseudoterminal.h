// The simulator's end of a pseudo-terminal. The slave side is held open in raw mode for the whole
// life of the object: replies are never echoed back before a client sets raw mode itself, and
// the master never sees a hang-up when a client closes and reopens the port.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

namespace sim {

class Pseudoterminal {
public:
    Pseudoterminal();
    ~Pseudoterminal();
    Pseudoterminal(const Pseudoterminal&) = delete;
    Pseudoterminal& operator=(const Pseudoterminal&) = delete;

    // Empty when opening failed; `blad` then says what failed.
    const std::string& nazwa() const { return nazwaPortu; } // below /dev, e.g. "pts/4"
    const std::string& blad() const { return opisBledu; }

    // Waits at most `limit` for bytes and reads what is there: the count, 0 when none came (or a
    // signal cut the wait short), -1 when the device failed.
    int czytaj(std::span<std::uint8_t> cel, std::chrono::milliseconds limit);
    bool pisz(std::span<const std::uint8_t> dane);
    // Waits, at most `limit`, until a client has taken everything written: closing the master
    // would throw away what still waits on the slave side.
    void czekajNaOdbior(std::chrono::milliseconds limit);
    void zamknij();

private:
    int glowny = -1;
    int podrzedny = -1;
    std::string nazwaPortu;
    std::string opisBledu;
};

} // namespace sim
