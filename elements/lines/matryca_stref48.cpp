#include "elements/lines/matryca_stref48.h"

#include <algorithm>

int MatrycaStref48::wczytaj(std::span<const std::uint8_t> zrodlo) {
    const std::size_t n = std::min(zrodlo.size(), static_cast<std::size_t>(liczbaStref()));
    strefy.fill(0);
    for (std::size_t i = 0; i < n; ++i) strefy[i] = zrodlo[i] != 0 ? 1 : 0;
    return 0;
}

int MatrycaStref48::wczytajOkno(std::span<const std::uint8_t, szerokoscOkna>, int, int) {
    return 0;
}

void MatrycaStref48::wyczysc() {
    strefy.fill(0);
}

int MatrycaStref48::ustaw(int strefa, int, std::uint8_t wartosc) {
    if (!czyStrefa(strefa)) return 1;
    strefy[static_cast<std::size_t>(strefa - 1)] = wartosc != 0 ? 1 : 0;
    return 0;
}

int MatrycaStref48::przelacz(int strefa) {
    if (!czyStrefa(strefa)) return 1;
    std::uint8_t& b = strefy[static_cast<std::size_t>(strefa - 1)];
    b = b != 0 ? 0 : 1;
    return 0;
}

int MatrycaStref48::podaj(int strefa) const {
    return czyStrefa(strefa) ? strefy[static_cast<std::size_t>(strefa - 1)] : 0;
}

std::span<const std::uint8_t> MatrycaStref48::dane() const {
    return std::span<const std::uint8_t>(strefy).first(static_cast<std::size_t>(liczbaStref()));
}

int MatrycaStref48::liczbaPrzypisanych() const {
    const auto d = dane();
    return static_cast<int>(
        std::count_if(d.begin(), d.end(), [](std::uint8_t b) { return b != 0; }));
}
