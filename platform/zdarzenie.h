// Manual-reset events and the wait for any of several, which drive the communication worker.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

namespace platform {

struct Oczekujacy;

// Stays signalled once set until it is reset; every waiter sees it. Starts unsignalled.
class Zdarzenie {
public:
    Zdarzenie() = default;
    Zdarzenie(const Zdarzenie&) = delete;
    Zdarzenie& operator=(const Zdarzenie&) = delete;

    void zglos();
    void kasuj();
    bool czyZgloszone() const;

private:
    friend int czekajNaDowolne(std::span<Zdarzenie* const>,
                               std::optional<std::chrono::milliseconds>);

    mutable std::mutex mutex;
    bool zgloszone = false;
    std::vector<Oczekujacy*> oczekujacy; // waits in progress that this event must wake
};

// Answer of `czekajNaDowolne` when the limit passed with nothing signalled.
inline constexpr int kCzasMinal = -2;
// Answer when there is nothing to wait for.
inline constexpr int kBladCzekania = -1;

// Waits until any of the events is signalled and answers the lowest index among those that are,
// leaving it signalled. Without a limit it waits for ever.
int czekajNaDowolne(std::span<Zdarzenie* const> zdarzenia,
                    std::optional<std::chrono::milliseconds> limit = std::nullopt);

} // namespace platform
