#include "sim/teksty_pamieci.h"

#include <array>
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
std::int64_t dniOd2000(int rok, int miesiac, int dzien) {
    const int r = rok - (miesiac <= 2 ? 1 : 0);
    const int era = r / 400;
    const int re = r - era * 400;
    const int me = (miesiac + 9) % 12;
    const int de = (153 * me + 2) / 5 + dzien - 1;
    const int dr = re * 365 + re / 4 - re / 100 + de;
    return static_cast<std::int64_t>(era) * 146097 + dr - 730425;
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
    std::int64_t dni = sekundy / sekundDoby, reszta = sekundy % sekundDoby;
    if (reszta < 0) {
        reszta += sekundDoby;
        --dni;
    }
    // Civil date from a day count (shifted so that eras start on 1 March).
    const std::int64_t z = dni + 730425;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int dzien = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int miesiac = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int rok = static_cast<int>(yoe + era * 400 + (miesiac <= 2 ? 1 : 0));
    char b[32];
    std::snprintf(b, sizeof b, "%04d-%02d-%02d %02d:%02d:%02d", rok, miesiac, dzien,
                  static_cast<int>(reszta / 3600), static_cast<int>(reszta / 60 % 60),
                  static_cast<int>(reszta % 60));
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
        return zdarzenie + s + data;
    case 1:
        return zdarzenie + s + miejsce(h) + s + data;
    default:
        return zdarzenie + s + data + s + miejsce(h) + s + "Centrala " +
               std::to_string(1 + (h >> 24) % 4);
    }
}

std::string tekstAlarmu(int numer) {
    const std::uint32_t h = mieszaj(numer + 7919);
    const std::string data = dataTekstem(najstarszyAlarm + numer * krokAlarmow +
                                         static_cast<std::int64_t>((h >> 4) % rozrzut));
    const char s = separatorLinii;
    return std::to_string(numer + 1) + s + alarmy[h % alarmy.size()] + ", " + miejsce(h) + s + data;
}

Bajty naZnakiPanelu(std::string_view utf8) {
    const std::string s = utf8NaStronaKodowa(utf8, 1250);
    Bajty b;
    b.reserve(s.size());
    for (const char z : s) b.push_back(na852(static_cast<unsigned char>(z)));
    return b;
}

} // namespace sim
