#include "platform/zdarzenie.h"

#include <array>
#include <atomic>
#include <thread>

#include <gtest/gtest.h>

using namespace std::chrono_literals;
using platform::czekajNaDowolne;
using platform::Zdarzenie;

namespace {

struct Trzy {
    std::array<Zdarzenie, 3> z;
    std::array<Zdarzenie*, 3> lista{&z[0], &z[1], &z[2]};
};

} // namespace

TEST(ZdarzeniaPortu, AnswersTheLowestSignalledIndexAndStaysSignalledUntilReset) {
    Trzy t;
    EXPECT_EQ(czekajNaDowolne(t.lista, 20ms), platform::kCzasMinal);
    t.z[2].zglos();
    t.z[1].zglos();
    EXPECT_EQ(czekajNaDowolne(t.lista, 0ms), 1);
    EXPECT_EQ(czekajNaDowolne(t.lista, 0ms), 1); // manual reset: still signalled
    t.z[1].kasuj();
    EXPECT_EQ(czekajNaDowolne(t.lista, 0ms), 2);
    t.z[2].kasuj();
    EXPECT_EQ(czekajNaDowolne(t.lista, 0ms), platform::kCzasMinal);
    EXPECT_EQ(czekajNaDowolne({}, 0ms), platform::kBladCzekania);
}

TEST(ZdarzeniaPortu, AnotherThreadWakesEveryWaiter) {
    Trzy t;
    std::atomic<int> wyniki[3] = {-9, -9, -9};
    std::vector<std::thread> czekajacy;
    for (int i = 0; i < 3; ++i)
        czekajacy.emplace_back([&, i] { wyniki[i] = czekajNaDowolne(t.lista, 5s); });
    std::this_thread::sleep_for(30ms);
    t.z[2].zglos();
    for (auto& w : czekajacy) w.join();
    for (auto& w : wyniki) EXPECT_EQ(w, 2);
}

TEST(ZdarzeniaPortu, WaitWithoutLimitEndsWhenSignalled) {
    Trzy t;
    std::thread budzacy([&] {
        std::this_thread::sleep_for(20ms);
        t.z[0].zglos();
    });
    EXPECT_EQ(czekajNaDowolne(t.lista), 0);
    budzacy.join();
}

// Two threads hand a token back and forth: a lost wake-up would stall one of them until the
// limit.
TEST(ZdarzeniaPortu, NoWakeUpIsLostInAPingPong) {
    Zdarzenie ping, pong;
    Zdarzenie* listaPing[] = {&ping};
    Zdarzenie* listaPong[] = {&pong};
    constexpr int kRund = 2000;
    std::atomic<int> bledy = 0;
    std::thread drugi([&] {
        for (int i = 0; i < kRund; ++i) {
            if (czekajNaDowolne(listaPing, 5s) != 0) ++bledy;
            ping.kasuj();
            pong.zglos();
        }
    });
    for (int i = 0; i < kRund; ++i) {
        ping.zglos();
        if (czekajNaDowolne(listaPong, 5s) != 0) ++bledy;
        pong.kasuj();
    }
    drugi.join();
    EXPECT_EQ(bledy, 0);
}
