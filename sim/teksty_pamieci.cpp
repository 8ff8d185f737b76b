#include "sim/teksty_pamieci.h"

#include <array>
#include <chrono>
#include <cstdio>

#include "lang/kodowanie.h"

namespace sim {

namespace {

constexpr std::int64_t sekundDoby = 86400;

// A well-mixed number from the entry number, so neighbouring entries differ.
std::uint32_t mieszaj(int n) {
    std::uint32_t x = static_cast<std::uint32_t>(n) * 2654435761u;
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return x;
}

// Days from 2000-01-01 to the date.
constexpr std::chrono::sys_days poczatek2000{std::chrono::year{2000} / 1 / 1};

std::int64_t dniOd2000(int rok, unsigned miesiac, unsigned dzien) {
    using namespace std::chrono;
    return (sys_days{year{rok} / month{miesiac} / day{dzien}} - poczatek2000).count();
}

// Both memories count forward in time from their marks.
const std::int64_t najstarszeZdarzenie = dniOd2000(2024, 3, 4) * sekundDoby + 6 * 3600;
const std::int64_t najstarszyAlarm = dniOd2000(2023, 1, 9) * sekundDoby + 8 * 3600;
// The gap between neighbouring entries is the step plus less than the spread, never zero.
constexpr std::int64_t krokZdarzen = 5400, krokAlarmow = 8100, rozrzut = 1800;

const std::array<const char*, 12> zdarzenia{
    "Alarm pożarowy",
    "Uszkodzenie linii dozorowej",
    "Zadziałanie przekaźnika",
    "Wyłączenie strefy",
    "Załączenie strefy",
    "Zanik zasilania sieciowego",
    "Powrót zasilania sieciowego",
    "Kasowanie alarmu",
    "Uszkodzenie akumulatora",
    "Otwarcie obudowy centrali",
    "Uszkodzenie czujki",
    "Test strefy",
};

const std::array<const char*, 5> alarmy{
    "Alarm od czujki dymu",      "Alarm od ręcznego ostrzegacza", "Alarm od czujki ciepła",
    "Alarm pożarowy II stopnia", "Alarm z wejścia WIO",
};

std::string miejsce(std::uint32_t h) {
    return "Strefa " + std::to_string(1 + h % 240) + " Linia " + std::to_string(1 + (h >> 8) % 8) +
           " Adres " + std::to_string(1 + (h >> 12) % 127);
}

} // namespace

std::string dataTekstem(std::int64_t sekundy) {
    using namespace std::chrono;
    const sys_seconds chwila = poczatek2000 + seconds{sekundy};
    const sys_days dzien = floor<days>(chwila);
    const year_month_day d{dzien};
    const hh_mm_ss czas{chwila - dzien};
    char b[32];
    std::snprintf(b, sizeof b, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(d.year()),
                  static_cast<unsigned>(d.month()), static_cast<unsigned>(d.day()),
                  static_cast<int>(czas.hours().count()), static_cast<int>(czas.minutes().count()),
                  static_cast<int>(czas.seconds().count()));
    return b;
}

std::string tekstZdarzenia(int numer) {
    const std::uint32_t h = mieszaj(numer);
    const std::string zdarzenie = zdarzenia[h % zdarzenia.size()];
    const std::string data = dataTekstem(najstarszeZdarzenie + numer * krokZdarzen +
                                         static_cast<std::int64_t>((h >> 4) % rozrzut));
    const char s = separatorLinii;
    switch ((h >> 20) % 3) {
    case 0:
        return zdarzenie + s + data + s;
    case 1:
        return zdarzenie + s + miejsce(h) + s + data + s;
    default:
        return zdarzenie + s + data + s + miejsce(h) + s + "Centrala " +
               std::to_string(1 + (h >> 24) % 4) + s;
    }
}

std::string tekstAlarmu(int numer) {
    const std::uint32_t h = mieszaj(numer + 7919);
    const std::string data = dataTekstem(najstarszyAlarm + numer * krokAlarmow +
                                         static_cast<std::int64_t>((h >> 4) % rozrzut));
    const char s = separatorLinii;
    return std::to_string(numer + 1) + s + alarmy[h % alarmy.size()] + ", " + miejsce(h) + s +
           data + s;
}

Bajty naZnakiPanelu(std::string_view utf8) {
    const std::string s = utf8NaStronaKodowa(utf8, 1250);
    Bajty b;
    b.reserve(s.size());
    for (const char z : s) b.push_back(na852(static_cast<unsigned char>(z)));
    return b;
}

} // namespace sim
