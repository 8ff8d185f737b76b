#include "platform/urzadzenie_szeregowe.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/sysmacros.h>
#endif

namespace platform {

namespace {

using std::chrono::milliseconds;

constexpr std::uint8_t kSTX = 0x02;

bool czyPseudoterminal(int fd) {
#ifdef __linux__
    struct stat s {};
    if (::fstat(fd, &s) != 0 || !S_ISCHR(s.st_mode)) return false;
    const unsigned m = major(s.st_rdev);
    return m >= 136 && m <= 143; // the Unix98 pseudo-terminal slaves
#else
    const char* nazwa = ::ttyname(fd);
    return nazwa != nullptr && std::string(nazwa).rfind("/dev/pts/", 0) == 0;
#endif
}

bool kodPredkosci(std::uint32_t predkosc, speed_t& kod) {
    struct Para {
        std::uint32_t bity;
        speed_t kod;
    };
    static constexpr Para pary[] = {{1200, B1200},   {2400, B2400},    {4800, B4800},
                                    {9600, B9600},   {19200, B19200},  {38400, B38400},
                                    {57600, B57600}, {115200, B115200}};
    for (const Para& p : pary)
        if (p.bity == predkosc) {
            kod = p.kod;
            return true;
        }
    return false;
}

// No line editing, echo, signals or byte translation: the panel's frames are binary.
void trybSurowy(termios& t) {
    t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL |
                                        IXON | IXOFF | IXANY | INPCK);
    t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    t.c_cflag |= CLOCAL | CREAD;
    t.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
    // With O_NONBLOCK a read with nothing waiting then fails with EAGAIN, and 0 means hang-up.
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
}

// Capped far beyond any real time-out so that adding it to a clock reading cannot overflow.
milliseconds mnoz(std::uint32_t a, std::size_t b) {
    const std::int64_t n = static_cast<std::int64_t>(std::min<std::size_t>(b, 1u << 20));
    return milliseconds(std::min<std::int64_t>(static_cast<std::int64_t>(a) * n, 1LL << 40));
}

int msDo(std::chrono::steady_clock::time_point teraz, std::chrono::steady_clock::time_point t) {
    const auto ms = std::chrono::ceil<milliseconds>(t - teraz).count();
    return static_cast<int>(std::clamp<std::int64_t>(ms, 0, 1 << 30));
}

void ustalMinimum(int& czekajMs, int ms) {
    if (czekajMs < 0 || ms < czekajMs) czekajMs = ms;
}

} // namespace

UrzadzenieSzeregowe::~UrzadzenieSzeregowe() {
    zamknij();
}

int UrzadzenieSzeregowe::otworz(const std::string& sciezka) {
    zamknij();
    const int f = ::open(sciezka.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (f < 0) return errno;
    int blad = 0;
    // Made here and stored with the descriptor under the lock: a worker that started an operation
    // just before the close may still be waking the I/O thread through the old pipe's slot.
    int nowyBudzik[2] = {-1, -1};
    termios t{};
    if (!::isatty(f))
        blad = ENOTTY;
    else if (::flock(f, LOCK_EX | LOCK_NB) != 0) // a port serves one program at a time
        blad = errno == EWOULDBLOCK ? EBUSY : errno;
    else if (::tcgetattr(f, &t) != 0)
        blad = errno;
    else {
        trybSurowy(t);
        if (::tcsetattr(f, TCSANOW, &t) != 0 || ::pipe2(nowyBudzik, O_NONBLOCK | O_CLOEXEC) != 0)
            blad = errno;
    }
    if (blad != 0) {
        ::close(f);
        return blad;
    }
    {
        std::lock_guard l(mutex);
        fd = f;
        budzik[0] = nowyBudzik[0];
        budzik[1] = nowyBudzik[1];
        stop = false;
        zerwane = false;
        odczyt = {};
        zapis = {};
    }
    watek = std::thread(&UrzadzenieSzeregowe::petla, this);
    return 0;
}

void UrzadzenieSzeregowe::zamknij() {
    {
        std::lock_guard l(mutex);
        if (fd < 0) return;
        stop = true;
    }
    obudzWatek();
    if (watek.joinable()) watek.join();
    std::lock_guard l(mutex);
    ::close(fd);
    ::close(budzik[0]);
    ::close(budzik[1]);
    fd = budzik[0] = budzik[1] = -1;
    odczyt = {};
    zapis = {};
}

bool UrzadzenieSzeregowe::czyOtwarte() const {
    std::lock_guard l(mutex);
    return fd >= 0 && !stop;
}

bool UrzadzenieSzeregowe::czyZerwane() const {
    std::lock_guard l(mutex);
    return zerwane;
}

int UrzadzenieSzeregowe::ustawLinie(const UstawieniaLinii& u) {
    std::lock_guard l(mutex);
    if (fd < 0 || stop) return EBADF;
    speed_t predkosc;
    if (!kodPredkosci(u.predkosc, predkosc) || u.bityDanych < 5 || u.bityDanych > 8 ||
        (u.bityStopu != 1 && u.bityStopu != 2))
        return EINVAL;
    termios t{};
    if (::tcgetattr(fd, &t) != 0) return errno;
    trybSurowy(t);
    static constexpr tcflag_t rozmiary[] = {CS5, CS6, CS7, CS8};
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB);
    t.c_cflag |= rozmiary[u.bityDanych - 5];
    if (u.parzystosc != Parzystosc::brak) t.c_cflag |= PARENB;
    if (u.parzystosc == Parzystosc::nieparzysta) t.c_cflag |= PARODD;
    if (u.bityStopu == 2) t.c_cflag |= CSTOPB;
    if (::cfsetispeed(&t, predkosc) != 0 || ::cfsetospeed(&t, predkosc) != 0) return errno;
    // A pseudo-terminal has no line and keeps no parity; some kernels refuse it outright.
    const bool pty = czyPseudoterminal(fd);
    if (::tcsetattr(fd, TCSANOW, &t) != 0) {
        if (!pty || (t.c_cflag & PARENB) == 0) return errno;
        t.c_cflag &= ~static_cast<tcflag_t>(PARENB | PARODD);
        if (::tcsetattr(fd, TCSANOW, &t) != 0) return errno;
    }

    // tcsetattr succeeds when any part was taken, so the result is read back; parity on a
    // pseudo-terminal is all that may be left out.
    termios w{};
    if (::tcgetattr(fd, &w) != 0) return errno;
    tcflag_t maska = CSIZE | CSTOPB | CRTSCTS;
    if (!pty) maska |= PARENB | PARODD;
    if ((w.c_cflag & maska) != (t.c_cflag & maska) || ::cfgetospeed(&w) != predkosc) return EINVAL;

    const int ustaw = (u.dtr ? TIOCM_DTR : 0) | (u.rts ? TIOCM_RTS : 0);
    const int zeruj = (u.dtr ? 0 : TIOCM_DTR) | (u.rts ? 0 : TIOCM_RTS);
    if ((ustaw != 0 && ::ioctl(fd, TIOCMBIS, &ustaw) != 0) ||
        (zeruj != 0 && ::ioctl(fd, TIOCMBIC, &zeruj) != 0)) {
        if (!pty) return errno; // a pseudo-terminal has no modem lines
    }
    return 0;
}

int UrzadzenieSzeregowe::ustawCzasy(const CzasyOczekiwania& c) {
    std::lock_guard l(mutex);
    if (fd < 0 || stop) return EBADF;
    czasy = c;
    return 0;
}

bool UrzadzenieSzeregowe::podajCzasy(CzasyOczekiwania& c) const {
    std::lock_guard l(mutex);
    if (fd < 0 || stop) return false;
    c = czasy;
    return true;
}

bool UrzadzenieSzeregowe::rozpocznijOdczyt(std::span<std::uint8_t> cel, Zdarzenie& gotowe,
                                           std::atomic<std::uint32_t>& odebrano) {
    {
        std::lock_guard l(mutex);
        odczyt = {};
        if (fd < 0 || stop) return false;
        gotowe.kasuj();
        odebrano = 0;
        odczyt.trwa = true;
        odczyt.cel = cel;
        odczyt.gotowe = &gotowe;
        odczyt.odebrano = &odebrano;
        odczyt.dane.reserve(cel.size());
        odczyt.poczatek = odczyt.ostatniBajt = Zegar::now();
    }
    obudzWatek();
    return true;
}

void UrzadzenieSzeregowe::przerwijOdczyt() {
    std::lock_guard l(mutex);
    odczyt = {};
}

bool UrzadzenieSzeregowe::rozpocznijZapis(std::span<const std::uint8_t> dane, Zdarzenie& gotowe,
                                          std::atomic<std::uint32_t>& wyslano) {
    {
        std::lock_guard l(mutex);
        if (fd < 0 || stop) return false;
        std::vector<std::uint8_t> reszta;
        if (zapis.trwa) reszta.assign(zapis.dane.begin() + zapis.wyslane, zapis.dane.end());
        if (reszta.size() + dane.size() > kMaksOczekujacych) return false;
        reszta.insert(reszta.end(), dane.begin(), dane.end());
        gotowe.kasuj();
        wyslano = 0;
        zapis.trwa = true;
        zapis.dane = std::move(reszta);
        zapis.wyslane = 0;
        zapis.gotowe = &gotowe;
        zapis.wyslano = &wyslano;
        const auto limit = mnoz(czasy.writeTotalTimeoutMultiplier, zapis.dane.size()) +
                           milliseconds(czasy.writeTotalTimeoutConstant);
        zapis.koniec = limit.count() > 0 ? Zegar::now() + limit : Zegar::time_point::max();
    }
    obudzWatek();
    return true;
}

void UrzadzenieSzeregowe::obudzWatek() {
    std::lock_guard l(mutex);
    if (budzik[1] < 0) return;
    const std::uint8_t b = 1;
    [[maybe_unused]] const auto n = ::write(budzik[1], &b, 1); // a full pipe wakes it anyway
}

void UrzadzenieSzeregowe::zakonczOdczyt() {
    std::copy(odczyt.dane.begin(), odczyt.dane.end(), odczyt.cel.begin());
    *odczyt.odebrano = static_cast<std::uint32_t>(odczyt.dane.size());
    odczyt.gotowe->zglos();
    odczyt = {};
}

void UrzadzenieSzeregowe::obsluzOdczyt(Zegar::time_point teraz, int& czekajMs) {
    auto& d = odczyt.dane;
    const std::size_t ile = odczyt.cel.size();
    std::uint8_t bufor[256];
    while (d.size() < ile) {
        const std::size_t porcja = std::min(sizeof bufor, ile - d.size());
        const ssize_t n = ::read(fd, bufor, porcja);
        if (n > 0) {
            d.insert(d.end(), bufor, bufor + n);
            odczyt.ostatniBajt = teraz;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) zerwane = true;
        break;
    }
    // LEN counts the bytes after STX: a whole frame is LEN + 1 bytes.
    const bool ramka = d.size() >= 2 && d[0] == kSTX && d.size() >= 1u + d[1];
    if (d.size() >= ile || ramka || zerwane) return zakonczOdczyt();

    const CzasyOczekiwania& c = czasy;
    constexpr auto bez = CzasyOczekiwania::kBezCzekania;
    auto koniec = Zegar::time_point::max();
    if (c.readIntervalTimeout == bez && c.readTotalTimeoutMultiplier == 0 &&
        c.readTotalTimeoutConstant == 0)
        return zakonczOdczyt();
    if (c.readIntervalTimeout == bez && c.readTotalTimeoutMultiplier == bez) {
        if (!d.empty()) return zakonczOdczyt();
        koniec = odczyt.poczatek + milliseconds(c.readTotalTimeoutConstant);
    } else {
        if (c.readTotalTimeoutMultiplier != 0 || c.readTotalTimeoutConstant != 0)
            koniec = odczyt.poczatek + mnoz(c.readTotalTimeoutMultiplier, ile) +
                     milliseconds(c.readTotalTimeoutConstant);
        // The gap is measured from the last byte, so it only starts with the first one.
        if (c.readIntervalTimeout != 0 && !d.empty())
            koniec = std::min(koniec, odczyt.ostatniBajt + milliseconds(c.readIntervalTimeout));
    }
    if (koniec == Zegar::time_point::max()) return;
    if (teraz >= koniec) return zakonczOdczyt();
    ustalMinimum(czekajMs, msDo(teraz, koniec));
}

void UrzadzenieSzeregowe::obsluzZapis(Zegar::time_point teraz, int& czekajMs) {
    while (zapis.wyslane < zapis.dane.size()) {
        const ssize_t n =
            ::write(fd, zapis.dane.data() + zapis.wyslane, zapis.dane.size() - zapis.wyslane);
        if (n > 0) {
            zapis.wyslane += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        // The device refuses the bytes: such a write never completes, which is how a port
        // that has gone away shows.
        zerwane = true;
        zapis = {};
        return;
    }
    if (zapis.wyslane == zapis.dane.size() || teraz >= zapis.koniec) {
        *zapis.wyslano = static_cast<std::uint32_t>(zapis.wyslane);
        zapis.gotowe->zglos();
        zapis = {};
        return;
    }
    if (zapis.koniec != Zegar::time_point::max()) ustalMinimum(czekajMs, msDo(teraz, zapis.koniec));
}

void UrzadzenieSzeregowe::petla() {
    std::unique_lock l(mutex);
    while (!stop) {
        const auto teraz = Zegar::now();
        int czekajMs = -1;
        if (odczyt.trwa) obsluzOdczyt(teraz, czekajMs);
        if (zapis.trwa) obsluzZapis(teraz, czekajMs);
        const short zdarzeniaFd =
            static_cast<short>((odczyt.trwa ? POLLIN : 0) | (zapis.trwa ? POLLOUT : 0));
        // A device that hung up reports it at every poll, so it is only watched while an
        // operation waits on it.
        pollfd p[2] = {{budzik[0], POLLIN, 0}, {zdarzeniaFd != 0 ? fd : -1, zdarzeniaFd, 0}};
        l.unlock();
        const int r = ::poll(p, 2, czekajMs);
        l.lock();
        if (r <= 0) continue;
        if (p[0].revents & POLLIN) {
            std::uint8_t smieci[64];
            while (::read(budzik[0], smieci, sizeof smieci) > 0) {
            }
        }
        if (p[1].revents & (POLLHUP | POLLERR | POLLNVAL)) zerwane = true;
    }
}

} // namespace platform
