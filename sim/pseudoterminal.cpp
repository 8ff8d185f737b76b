#include "sim/pseudoterminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

Pseudoterminal::Pseudoterminal() {
    const auto porazka = [this](const char* co) {
        opisBledu = std::string(co) + ": " + std::strerror(errno);
        zamknij();
    };
    glowny = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (glowny < 0) {
        porazka("posix_openpt");
        return;
    }
    if (::grantpt(glowny) != 0) {
        porazka("grantpt");
        return;
    }
    if (::unlockpt(glowny) != 0) {
        porazka("unlockpt");
        return;
    }
    const char* sciezka = ::ptsname(glowny);
    if (sciezka == nullptr) {
        porazka("ptsname");
        return;
    }
    const std::string pelna = sciezka;
    podrzedny = ::open(pelna.c_str(), O_RDWR | O_NOCTTY);
    if (podrzedny < 0) {
        porazka(pelna.c_str());
        return;
    }
    termios t{};
    if (::tcgetattr(podrzedny, &t) != 0) {
        porazka("tcgetattr");
        return;
    }
    ::cfmakeraw(&t);
    if (::tcsetattr(podrzedny, TCSANOW, &t) != 0) {
        porazka("tcsetattr");
        return;
    }
    // Non-blocking, so a client that stops reading cannot hold the simulator in a write.
    const int f = ::fcntl(glowny, F_GETFL);
    if (f < 0 || ::fcntl(glowny, F_SETFL, f | O_NONBLOCK) != 0) {
        porazka("fcntl");
        return;
    }
    const std::string dev = "/dev/";
    nazwaPortu = pelna.compare(0, dev.size(), dev) == 0 ? pelna.substr(dev.size()) : pelna;
}

Pseudoterminal::~Pseudoterminal() {
    zamknij();
}

void Pseudoterminal::zamknij() {
    if (glowny >= 0) ::close(glowny);
    if (podrzedny >= 0) ::close(podrzedny);
    glowny = podrzedny = -1;
}

int Pseudoterminal::czytaj(std::span<std::uint8_t> cel, std::chrono::milliseconds limit) {
    if (glowny < 0) return -1;
    pollfd p{glowny, POLLIN, 0};
    const int w = ::poll(&p, 1, static_cast<int>(limit.count()));
    if (w < 0) return errno == EINTR ? 0 : -1;
    if (w == 0) return 0;
    if ((p.revents & POLLIN) == 0) return (p.revents & (POLLERR | POLLNVAL)) != 0 ? -1 : 0;
    const ssize_t n = ::read(glowny, cel.data(), cel.size());
    if (n < 0) return errno == EINTR || errno == EAGAIN ? 0 : -1;
    return static_cast<int>(n);
}

bool Pseudoterminal::pisz(std::span<const std::uint8_t> dane) {
    std::size_t n = 0;
    int bezPostepu = 0;
    while (n < dane.size()) {
        const ssize_t w = ::write(glowny, dane.data() + n, dane.size() - n);
        if (w > 0) {
            n += static_cast<std::size_t>(w);
            bezPostepu = 0;
        } else if (w < 0 && errno == EAGAIN) {
            // Nobody has read the port's queue for a while: the reply is lost, as on a line.
            if (++bezPostepu > 20) return false;
            pollfd p{glowny, POLLOUT, 0};
            ::poll(&p, 1, 100);
        } else if (w < 0 && errno != EINTR) {
            return false;
        }
    }
    return true;
}

void Pseudoterminal::czekajNaOdbior(std::chrono::milliseconds limit) {
    const auto koniec = std::chrono::steady_clock::now() + limit;
    // Written bytes reach the slave's queue a moment later, so the queue is first looked at
    // after a short while.
    const auto krok = std::chrono::milliseconds(20);
    do {
        ::usleep(static_cast<useconds_t>(std::chrono::microseconds(krok).count()));
        int w = 0;
        if (podrzedny < 0 || ::ioctl(podrzedny, FIONREAD, &w) != 0 || w == 0) return;
    } while (std::chrono::steady_clock::now() < koniec);
}

} // namespace sim
