#include "platform/zdarzenie.h"

#include <algorithm>

namespace platform {

// One wait in progress: the events it waits on wake it through its own condition variable.
struct Oczekujacy {
    std::mutex mutex;
    std::condition_variable warunek;
    bool obudzony = false;

    void obudz() {
        std::lock_guard l(mutex);
        obudzony = true;
        warunek.notify_one();
    }
};

void Zdarzenie::zglos() {
    // The event's lock is held while waiters are woken, so a waiter can only leave (and destroy
    // its record) after it has unregistered under the same lock.
    std::lock_guard l(mutex);
    zgloszone = true;
    for (Oczekujacy* o : oczekujacy) o->obudz();
}

void Zdarzenie::kasuj() {
    std::lock_guard l(mutex);
    zgloszone = false;
}

bool Zdarzenie::czyZgloszone() const {
    std::lock_guard l(mutex);
    return zgloszone;
}

namespace {

int najnizszyZgloszony(std::span<Zdarzenie* const> zdarzenia) {
    for (std::size_t i = 0; i < zdarzenia.size(); ++i)
        if (zdarzenia[i]->czyZgloszone()) return static_cast<int>(i);
    return -1;
}

} // namespace

int czekajNaDowolne(std::span<Zdarzenie* const> zdarzenia,
                    std::optional<std::chrono::milliseconds> limit) {
    if (zdarzenia.empty() ||
        std::any_of(zdarzenia.begin(), zdarzenia.end(), [](Zdarzenie* z) { return !z; }))
        return kBladCzekania;
    const auto koniec =
        std::chrono::steady_clock::now() + limit.value_or(std::chrono::milliseconds(0));
    Oczekujacy o;
    for (;;) {
        if (const int i = najnizszyZgloszony(zdarzenia); i >= 0) return i;

        // Register with every event; one signalled meanwhile wakes us at once.
        for (Zdarzenie* z : zdarzenia) {
            std::lock_guard l(z->mutex);
            z->oczekujacy.push_back(&o);
            if (z->zgloszone) o.obudz();
        }
        bool obudzony;
        {
            std::unique_lock l(o.mutex);
            if (limit)
                obudzony = o.warunek.wait_until(l, koniec, [&] { return o.obudzony; });
            else {
                o.warunek.wait(l, [&] { return o.obudzony; });
                obudzony = true;
            }
            o.obudzony = false;
        }
        for (Zdarzenie* z : zdarzenia) {
            std::lock_guard l(z->mutex);
            auto& lista = z->oczekujacy;
            lista.erase(std::remove(lista.begin(), lista.end(), &o), lista.end());
        }
        if (!obudzony) {
            const int i = najnizszyZgloszony(zdarzenia);
            return i >= 0 ? i : kCzasMinal;
        }
        // Woken, but the event may have been reset again before we looked: look once more.
    }
}

} // namespace platform
