#include "core/ustawienia.h"

#include <filesystem>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/plik.h"
#include "lang/language.h"
#include "platform/pliki.h"

namespace {

// The first four characters of a serial device path where the file format comes from; read and
// never used.
constexpr char polePortu[4] = {'\\', '\\', '.', '\\'};
constexpr std::uint8_t znacznik = 1;

} // namespace

std::vector<std::uint8_t> zakodujUstawienia() {
    std::vector<std::uint8_t> d(std::begin(polePortu), std::end(polePortu));
    auto dopiszTekst = [&d](const std::string& t) {
        const std::size_t n = std::min<std::size_t>(t.size(), 255);
        d.push_back(static_cast<std::uint8_t>(n));
        d.insert(d.end(), t.begin(), t.begin() + static_cast<std::ptrdiff_t>(n));
    };
    dopiszTekst(plik != nullptr ? plik->podajOstatniKatalog() : std::string());
    d.push_back(znacznik);
    dopiszTekst(jezyk != nullptr ? jezyk->podajJezyk() : std::string("polish"));
    d.push_back(static_cast<std::uint8_t>(
        biezacaCentrala != nullptr ? biezacaCentrala->podajTypCentrali() : 0));
    return d;
}

WynikUstawien zastosujUstawienia(std::span<const std::uint8_t> d) {
    std::size_t i = sizeof polePortu;
    auto czytajTekst = [&d, &i](std::string& t) {
        if (i >= d.size() || i + 1 + d[i] > d.size()) return false;
        t.assign(d.begin() + static_cast<std::ptrdiff_t>(i + 1),
                 d.begin() + static_cast<std::ptrdiff_t>(i + 1 + d[i]));
        i += 1 + d[i];
        return true;
    };
    std::string katalog, nazwaJezyka;
    if (d.size() < i || !czytajTekst(katalog)) return WynikUstawien::uszkodzony;
    if (plik != nullptr) plik->ustalOstatniKatalog(katalog);
    ++i; // the marker
    if (!czytajTekst(nazwaJezyka)) return WynikUstawien::uszkodzony;
    if (jezyk != nullptr && !nazwaJezyka.empty()) jezyk->ustawJezyk(nazwaJezyka);
    // The panel type byte is optional.
    if (i < d.size() && biezacaCentrala != nullptr) biezacaCentrala->ustalTypZapamietany(d[i]);
    return WynikUstawien::odczytano;
}

bool zapiszUstawienia(const std::string& sciezka) {
    std::error_code blad;
    std::filesystem::create_directories(std::filesystem::path(sciezka).parent_path(), blad);
    const auto dane = zakodujUstawienia();
    return platform::zapiszPlik(sciezka, dane);
}

WynikUstawien odczytajUstawienia(const std::string& sciezka) {
    // A settings file is a few hundred bytes; anything far larger is not one.
    const auto dane = platform::czytajPlik(sciezka, 4096);
    if (!dane)
        return std::filesystem::exists(sciezka) ? WynikUstawien::uszkodzony : WynikUstawien::brak;
    return zastosujUstawienia(*dane);
}
