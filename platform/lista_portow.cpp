#include "platform/lista_portow.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {

namespace {

constexpr const char* kRodzajeUrzadzen[] = {"ttyS", "ttyUSB", "ttyACM"};

bool czyUrzadzenieZnakowe(const std::string& sciezka) {
    struct stat s {};
    return ::stat(sciezka.c_str(), &s) == 0 && S_ISCHR(s.st_mode);
}

std::string pierwszaLinia(const fs::path& plik) {
    std::ifstream f(plik);
    std::string linia;
    std::getline(f, linia);
    return linia;
}

// "ttyS2" before "ttyS10": the prefix, then the trailing number.
bool porzadekNaturalny(const std::string& a, const std::string& b) {
    auto podziel = [](const std::string& s) {
        std::size_t i = s.size();
        while (i > 0 && std::isdigit(static_cast<unsigned char>(s[i - 1]))) --i;
        const std::string liczba = s.substr(i);
        return std::pair(s.substr(0, i),
                         liczba.empty() || liczba.size() > 9 ? -1L : std::stol(liczba));
    };
    const auto pa = podziel(a), pb = podziel(b);
    return pa != pb ? pa < pb : a < b;
}

// A serial driver registers every port it could drive; a UART port nobody found has type 0.
bool czyPortSprzetowy(const fs::path& wpis) {
    std::error_code blad;
    if (!fs::exists(wpis / "device", blad)) return false;
    const fs::path typ = wpis / "type";
    if (!fs::exists(typ, blad)) return true;
    const std::string t = pierwszaLinia(typ);
    return !t.empty() && t != "0";
}

std::vector<std::string> portyJadra(const MiejscaPortow& m) {
    std::vector<std::string> wynik;
    std::error_code blad;
    for (fs::directory_iterator it(m.klasaTty, blad), koniec; !blad && it != koniec;
         it.increment(blad)) {
        const std::string nazwa = it->path().filename().string();
        const bool rodzaj = std::any_of(
            std::begin(kRodzajeUrzadzen), std::end(kRodzajeUrzadzen), [&](const char* p) {
                const std::string r = p;
                return nazwa.size() > r.size() && nazwa.compare(0, r.size(), r) == 0 &&
                       std::isdigit(static_cast<unsigned char>(nazwa[r.size()]));
            });
        if (rodzaj && czyPoprawnaNazwaPortu(nazwa) && czyPortSprzetowy(it->path()) &&
            czyUrzadzenieZnakowe(m.dev + "/" + nazwa))
            wynik.push_back(nazwa);
    }
    std::sort(wynik.begin(), wynik.end(), porzadekNaturalny);
    return wynik;
}

bool czyProcesDziala(long pid) {
    if (pid <= 0) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// Another user's folder, or one anybody may write to, could list any device: it is not read.
bool czyKatalogWlasny(const std::string& katalog) {
    struct stat s {};
    return ::lstat(katalog.c_str(), &s) == 0 && S_ISDIR(s.st_mode) && s.st_uid == ::getuid() &&
           (s.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

std::vector<std::string> portyOgloszone(const MiejscaPortow& m) {
    const std::string katalog = m.ogloszenia.empty() ? katalogOgloszenPortow() : m.ogloszenia;
    std::vector<std::string> wynik;
    if (!czyKatalogWlasny(katalog)) return wynik;
    std::error_code blad;
    std::vector<fs::path> nieaktualne;
    for (fs::directory_iterator it(katalog, blad), koniec; !blad && it != koniec;
         it.increment(blad)) {
        std::error_code b;
        if (!it->is_regular_file(b) || it->path().filename().string().front() == '.') continue;
        std::ifstream f(it->path());
        std::string nazwa, pid;
        std::getline(f, nazwa);
        std::getline(f, pid);
        if (nazwa.rfind("/dev/", 0) == 0) nazwa.erase(0, 5);
        if (!czyPoprawnaNazwaPortu(nazwa)) continue;
        const bool zywy = pid.empty() || czyProcesDziala(std::strtol(pid.c_str(), nullptr, 10));
        if (!zywy || !czyUrzadzenieZnakowe(m.dev + "/" + nazwa)) {
            nieaktualne.push_back(it->path());
            continue;
        }
        if (std::find(wynik.begin(), wynik.end(), nazwa) == wynik.end()) wynik.push_back(nazwa);
    }
    for (const fs::path& p : nieaktualne) fs::remove(p, blad);
    std::sort(wynik.begin(), wynik.end(), porzadekNaturalny);
    return wynik;
}

bool utworzKatalogPrywatny(const std::string& katalog) {
    if (::mkdir(katalog.c_str(), 0700) != 0 && errno != EEXIST) return false;
    return czyKatalogWlasny(katalog);
}

} // namespace

bool czyPoprawnaNazwaPortu(const std::string& nazwa) {
    if (nazwa.empty() || nazwa.size() > 15) return false;
    std::size_t poczatek = 0;
    for (;;) {
        const std::size_t koniec = std::min(nazwa.find('/', poczatek), nazwa.size());
        const std::string czesc = nazwa.substr(poczatek, koniec - poczatek);
        if (czesc.empty() || czesc == "." || czesc == "..") return false;
        for (char c : czesc)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_' && c != '-' && c != '.')
                return false;
        if (koniec == nazwa.size()) return true;
        poczatek = koniec + 1;
    }
}

std::string katalogOgloszenPortow() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg != nullptr && *xdg == '/') return std::string(xdg) + "/panelcfg/ports";
    return "/tmp/panelcfg-" + std::to_string(::getuid()) + "/ports";
}

std::vector<std::string> listaPortow(const MiejscaPortow& miejsca) {
    std::vector<std::string> wynik = portyJadra(miejsca);
    for (std::string& n : portyOgloszone(miejsca))
        if (std::find(wynik.begin(), wynik.end(), n) == wynik.end()) wynik.push_back(std::move(n));
    return wynik;
}

std::string ogloszPort(const std::string& nazwa, const std::string& katalog) {
    if (!czyPoprawnaNazwaPortu(nazwa)) return {};
    std::string k = katalog;
    if (k.empty()) {
        k = katalogOgloszenPortow();
        const fs::path folder = fs::path(k).parent_path();
        // /tmp is shared, so its folder must be ours and private; the runtime folder already is.
        if (!utworzKatalogPrywatny(folder.string()) || !utworzKatalogPrywatny(k)) return {};
    }
    std::string wlasna = std::to_string(::getpid()) + "-";
    for (char c : nazwa) wlasna += c == '/' ? '_' : c;
    const std::string plik = k + "/" + wlasna;
    const std::string tymczasowy = k + "/." + wlasna; // readers skip hidden files
    {
        std::ofstream f(tymczasowy, std::ios::trunc);
        f << nazwa << '\n' << ::getpid() << '\n';
        if (!f.flush()) return {};
    }
    // Renamed into place so that a reader never sees half an announcement.
    std::error_code blad;
    fs::rename(tymczasowy, plik, blad);
    if (blad) {
        fs::remove(tymczasowy, blad);
        return {};
    }
    return plik;
}

void wycofajPort(const std::string& plikOgloszenia) {
    std::error_code blad;
    if (!plikOgloszenia.empty()) fs::remove(plikOgloszenia, blad);
}

} // namespace platform
