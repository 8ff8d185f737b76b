// One serial device opened for asynchronous reads and writes: at most one read and one write are
// outstanding, and each signals its event when it ends, so one thread can wait for either.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "platform/zdarzenie.h"

namespace platform {

enum class Parzystosc : std::uint8_t { brak, nieparzysta, parzysta };

// Line settings. There is never any flow control.
struct UstawieniaLinii {
    std::uint32_t predkosc = 9600; // bit/s
    std::uint8_t bityDanych = 8;   // 5 to 8
    Parzystosc parzystosc = Parzystosc::parzysta;
    std::uint8_t bityStopu = 1; // 1 or 2
    bool dtr = false;           // line held active
    bool rts = false;
};

// Time-outs in milliseconds, with the meaning the panel protocol was designed around:
// - a read ends when the gap between two bytes exceeds `readIntervalTimeout` (0: unused), or
//   when `readTotalTimeoutMultiplier` x bytes asked + `readTotalTimeoutConstant` has passed since
//   it started (both 0: no limit), with the bytes it has;
// - `readIntervalTimeout` kBezCzekania with both totals 0 ends a read at once with what is there;
//   kBezCzekania for interval and multiplier with a constant ends it at the first byte, or after
//   the constant;
// - a write ends after `writeTotalTimeoutMultiplier` x bytes + `writeTotalTimeoutConstant` with
//   what it wrote (both 0: no limit).
struct CzasyOczekiwania {
    std::uint32_t readIntervalTimeout = 0;
    std::uint32_t readTotalTimeoutMultiplier = 0;
    std::uint32_t readTotalTimeoutConstant = 0;
    std::uint32_t writeTotalTimeoutMultiplier = 0;
    std::uint32_t writeTotalTimeoutConstant = 0;

    static constexpr std::uint32_t kBezCzekania = 0xFFFFFFFFu;
};

class UrzadzenieSzeregowe {
public:
    UrzadzenieSzeregowe() = default;
    ~UrzadzenieSzeregowe();
    UrzadzenieSzeregowe(const UrzadzenieSzeregowe&) = delete;
    UrzadzenieSzeregowe& operator=(const UrzadzenieSzeregowe&) = delete;

    // Opens a terminal device for exclusive use (an open device is closed first). 0, or the
    // system error number; a file that is not a terminal is refused with ENOTTY.
    int otworz(const std::string& sciezka);
    // Abandons outstanding operations without signalling them. Nothing happens when closed.
    void zamknij();
    bool czyOtwarte() const;

    // 0, or the system error number (EBADF when closed, EINVAL for a setting the device does
    // not take). A pseudo-terminal keeps no parity and is still accepted.
    int ustawLinie(const UstawieniaLinii& u);
    // Take effect at the next read or write. 0, or EBADF when closed.
    int ustawCzasy(const CzasyOczekiwania& c);
    // False when closed.
    bool podajCzasy(CzasyOczekiwania& c) const;

    // Starts a read of up to `cel.size()` bytes; `gotowe` is reset now and signalled when the
    // read ends, with `cel` filled and `odebrano` set. It also ends as soon as one whole frame
    // (0x02, LEN, LEN bytes) is at the start of `cel`. An outstanding read is abandoned first.
    // `cel`, `gotowe` and `odebrano` must live until the read ends or is abandoned. False
    // (nothing started) when closed.
    bool rozpocznijOdczyt(std::span<std::uint8_t> cel, Zdarzenie& gotowe,
                          std::atomic<std::uint32_t>& odebrano);
    // Abandons an outstanding read without signalling it; `cel` is no longer touched afterwards.
    void przerwijOdczyt();

    // Starts writing a copy of `dane`; `gotowe` is reset now and signalled when every byte has
    // gone to the device, with `wyslano` set. A write started while another is outstanding
    // follows it. A device that fails never signals the write. False when closed or when more
    // than kMaksOczekujacych bytes would be waiting.
    bool rozpocznijZapis(std::span<const std::uint8_t> dane, Zdarzenie& gotowe,
                         std::atomic<std::uint32_t>& wyslano);

    // True once the device has reported a hang-up or an error since it was opened (the other
    // side of a pseudo-terminal closed, an adapter unplugged).
    bool czyZerwane() const;

    static constexpr std::size_t kMaksOczekujacych = 65536;

private:
    using Zegar = std::chrono::steady_clock;

    struct Odczyt {
        bool trwa = false;
        std::span<std::uint8_t> cel;
        Zdarzenie* gotowe = nullptr;
        std::atomic<std::uint32_t>* odebrano = nullptr;
        std::vector<std::uint8_t> dane;
        Zegar::time_point poczatek, ostatniBajt;
    };
    struct Zapis {
        bool trwa = false;
        std::vector<std::uint8_t> dane;
        std::size_t wyslane = 0;
        Zdarzenie* gotowe = nullptr;
        std::atomic<std::uint32_t>* wyslano = nullptr;
        Zegar::time_point koniec; // Zegar::time_point::max() when there is no limit
    };

    void petla();
    void obudzWatek();
    // With `mutex` held: read what is there and end the read when it is complete.
    void obsluzOdczyt(Zegar::time_point teraz, int& czekajMs);
    void obsluzZapis(Zegar::time_point teraz, int& czekajMs);
    void zakonczOdczyt();

    mutable std::mutex mutex;
    int fd = -1;
    int budzik[2] = {-1, -1}; // pipe that wakes the I/O thread
    bool stop = false;
    bool zerwane = false;
    CzasyOczekiwania czasy;
    Odczyt odczyt;
    Zapis zapis;
    std::thread watek;
};

} // namespace platform
