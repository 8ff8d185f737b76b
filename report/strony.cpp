#include "report/strony.h"

#include <cstdint>
#include <cstdlib>

namespace {

// a × b ÷ c rounded half away from zero.
std::int64_t pomnozPodziel(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (c == 0) return 0;
    const std::int64_t iloczyn = a * b;
    const std::int64_t polowa = std::llabs(c) / 2;
    const bool ujemny = (iloczyn < 0) != (c < 0);
    const std::int64_t wynik = (std::llabs(iloczyn) + polowa) / std::llabs(c);
    return ujemny ? -wynik : wynik;
}

} // namespace

int wysokoscLinii(int rozmiar, int dpi) {
    const std::int64_t czcionka = std::llabs(pomnozPodziel(rozmiar, dpi, 72));
    const auto h = static_cast<int>(static_cast<double>(czcionka) * 1.4);
    return h > 0 ? h : 1;
}

int liniiNaStrone(int wysokoscStrony, int h) {
    return (h > 0 ? wysokoscStrony / h : 0) - 4;
}

std::vector<PolozenieLinii> rozmiescLinie(int L, int liczbaLinii) {
    std::vector<PolozenieLinii> polozenia;
    if (liczbaLinii <= 0) return polozenia;
    polozenia.reserve(static_cast<std::size_t>(liczbaLinii));
    int strona = 0;
    int licznik = 2;
    for (int k = 0; k < liczbaLinii; ++k) {
        const int n = licznik++;
        // ">=" where "==" would never be met on a page of fewer than two lines, drawing every
        // further line below the page.
        if (n >= L) {
            licznik = 2;
            ++strona;
        }
        polozenia.push_back({strona, licznik});
    }
    return polozenia;
}
