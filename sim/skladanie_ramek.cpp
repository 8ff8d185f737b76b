#include "sim/skladanie_ramek.h"

#include <algorithm>

#include "comm/ramka.h"
#include "sim/ramka_odpowiedzi.h"

namespace sim {

void SkladanieRamek::dodaj(std::span<const std::uint8_t> bajty) {
    bufor.insert(bufor.end(), bajty.begin(), bajty.end());
}

namespace {

enum class Stan { niepelna, zla, dobra };

Stan stanRamki(std::span<const std::uint8_t> b) {
    if (b.size() < 2) return Stan::niepelna;
    const std::size_t len = b[ramka::offLen];
    if (len < static_cast<std::size_t>(ramka::narzutLen)) return Stan::zla;
    if (b.size() < len + 1) return Stan::niepelna;
    return czyPoprawnaRamka(b.first(len + 1)) ? Stan::dobra : Stan::zla;
}

} // namespace

std::optional<Bajty> SkladanieRamek::nastepna() {
    for (;;) {
        bufor.erase(bufor.begin(), std::find(bufor.begin(), bufor.end(), ramka::stx));
        const std::span<const std::uint8_t> b(bufor);
        std::size_t od = 0;
        Stan s = stanRamki(b);
        if (s == Stan::niepelna) {
            // An STX of noise may announce a frame longer than what follows it: a whole frame
            // further on is not kept waiting behind it.
            for (od = 1; od < b.size(); ++od)
                if (b[od] == ramka::stx && stanRamki(b.subspan(od)) == Stan::dobra) break;
            if (od >= b.size()) return std::nullopt;
            s = Stan::dobra;
        }
        if (s == Stan::zla) {
            bufor.erase(bufor.begin());
            continue;
        }
        const auto poczatek = bufor.begin() + static_cast<std::ptrdiff_t>(od);
        const auto koniec = poczatek + bufor[od + ramka::offLen] + 1;
        Bajty r(poczatek, koniec);
        bufor.erase(bufor.begin(), koniec);
        return r;
    }
}

} // namespace sim
