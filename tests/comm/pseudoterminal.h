// The panel's side of a pseudo-terminal pair, for tests that drive a port through a real device.
#pragma once

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

class Pseudoterminal {
public:
    Pseudoterminal() {
        glowny = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (glowny < 0 || ::grantpt(glowny) != 0 || ::unlockpt(glowny) != 0) return;
        const char* p = ::ptsname(glowny);
        if (p == nullptr) return;
        sciezka = p;
        nazwa = sciezka.substr(5); // below /dev/
    }
    ~Pseudoterminal() { zamknij(); }
    Pseudoterminal(const Pseudoterminal&) = delete;
    Pseudoterminal& operator=(const Pseudoterminal&) = delete;

    bool gotowy() const { return glowny >= 0 && !nazwa.empty(); }
    void zamknij() {
        if (glowny >= 0) ::close(glowny);
        glowny = -1;
    }

    void wyslij(const std::vector<std::uint8_t>& b) {
        std::size_t n = 0;
        while (n < b.size()) {
            const ssize_t w = ::write(glowny, b.data() + n, b.size() - n);
            if (w > 0)
                n += static_cast<std::size_t>(w);
            else if (errno != EINTR && errno != EAGAIN)
                return;
        }
    }

    // What arrives until `ile` bytes are there or `limit` passes.
    std::vector<std::uint8_t> odbierz(std::size_t ile, std::chrono::milliseconds limit) {
        std::vector<std::uint8_t> wynik;
        const auto koniec = std::chrono::steady_clock::now() + limit;
        while (wynik.size() < ile) {
            const auto zostalo = std::chrono::duration_cast<std::chrono::milliseconds>(
                koniec - std::chrono::steady_clock::now());
            if (zostalo.count() <= 0) break;
            pollfd p{glowny, POLLIN, 0};
            if (::poll(&p, 1, static_cast<int>(zostalo.count())) <= 0) continue;
            std::uint8_t b[256];
            const ssize_t n = ::read(glowny, b, std::min(sizeof b, ile - wynik.size()));
            if (n <= 0) break;
            wynik.insert(wynik.end(), b, b + n);
        }
        return wynik;
    }

    int glowny = -1;
    std::string sciezka; // "/dev/pts/N"
    std::string nazwa;   // "pts/N"
};
