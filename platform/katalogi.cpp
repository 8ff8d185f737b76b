#include "platform/katalogi.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {

namespace {

bool rowneBezWielkosci(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string bezKoncowegoSeparatora(std::string s) {
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

} // namespace

std::string katalogProgramu() {
    std::error_code blad;
    const fs::path exe = fs::read_symlink("/proc/self/exe", blad);
    if (blad) return biezacyKatalog();
    return bezKoncowegoSeparatora(exe.parent_path().string());
}

std::string biezacyKatalog() {
    std::error_code blad;
    const fs::path p = fs::current_path(blad);
    return blad ? std::string(".") : bezKoncowegoSeparatora(p.string());
}

std::string katalogUstawien() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && *xdg == '/') return polacz(xdg, "panelcfg");
    const char* dom = std::getenv("HOME");
    return polacz(polacz(dom != nullptr && *dom != '\0' ? dom : ".", ".config"), "panelcfg");
}

bool czyPlikIstnieje(const std::string& sciezka) {
    std::error_code blad;
    return fs::is_regular_file(sciezka, blad);
}

std::string znajdzPlik(const std::string& katalog, const std::string& nazwa) {
    const std::string dokladna = polacz(katalog, nazwa);
    if (czyPlikIstnieje(dokladna)) return dokladna;
    std::error_code blad;
    for (fs::directory_iterator it(katalog, blad), koniec; !blad && it != koniec;
         it.increment(blad)) {
        if (rowneBezWielkosci(it->path().filename().string(), nazwa) && czyPlikIstnieje(it->path()))
            return it->path().string();
    }
    return {};
}

std::vector<std::string> plikiZKoncowka(const std::string& katalog, const std::string& koncowka) {
    std::vector<std::string> wynik;
    std::error_code blad;
    for (fs::directory_iterator it(katalog, blad), koniec; !blad && it != koniec;
         it.increment(blad)) {
        const std::string nazwa = it->path().filename().string();
        if (nazwa.size() >= koncowka.size() &&
            rowneBezWielkosci(nazwa.substr(nazwa.size() - koncowka.size()), koncowka) &&
            czyPlikIstnieje(it->path()))
            wynik.push_back(nazwa);
    }
    return wynik;
}

std::string katalogPliku(const std::string& sciezka) {
    std::error_code blad;
    const fs::path p = fs::absolute(sciezka, blad);
    if (blad) return ".";
    return bezKoncowegoSeparatora(p.parent_path().string());
}

std::string polacz(const std::string& katalog, const std::string& nazwa) {
    if (katalog.empty()) return nazwa;
    return katalog.back() == '/' ? katalog + nazwa : katalog + "/" + nazwa;
}

} // namespace platform
