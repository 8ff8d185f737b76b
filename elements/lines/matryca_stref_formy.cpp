#include "elements/lines/matryca_stref_formy.h"

#include <array>

void zapiszFormePelna(const MatrycaStref& m, std::span<std::uint8_t, dlugoscFormyPelnej> cel) {
    for (int i = 0; i < dlugoscFormyPelnej; ++i) {
        std::uint8_t b = 0;
        for (int j = 0; j < 8; ++j)
            if (m.podaj(8 * i + j + 1) != 0) b |= static_cast<std::uint8_t>(1u << j);
        cel[static_cast<std::size_t>(i)] = b;
    }
}

int odczytajFormePelna(MatrycaStref& m, std::span<const std::uint8_t, dlugoscFormyPelnej> zrodlo) {
    std::array<std::uint8_t, strefFormyPelnej> strefy{};
    for (std::size_t z = 0; z < strefy.size(); ++z) strefy[z] = zrodlo[z / 8] >> (z % 8) & 1;
    return m.wczytaj(strefy);
}

void zapiszFormeOkna(const MatrycaStref& m, std::span<std::uint8_t, dlugoscFormyOkna> cel) {
    const int pierwsza = m.pierwszaStrefa();
    cel[formaOknaStarszy] = static_cast<std::uint8_t>(pierwsza >> 8);
    cel[formaOknaMlodszy] = static_cast<std::uint8_t>(pierwsza);
    for (int i = 0; i < MatrycaStref::szerokoscOkna / 8; ++i) {
        std::uint8_t b = 0;
        for (int j = 0; j < 8; ++j)
            if (m.bajtOkna(8 * i + j) != 0) b |= static_cast<std::uint8_t>(1u << j);
        cel[static_cast<std::size_t>(formaOknaBity + i)] = b;
    }
}

int odczytajFormeOkna(MatrycaStref& m, std::span<const std::uint8_t, dlugoscFormyOkna> zrodlo) {
    std::array<std::uint8_t, MatrycaStref::szerokoscOkna> okno{};
    for (std::size_t i = 0; i < okno.size(); ++i)
        okno[i] = zrodlo[formaOknaBity + i / 8] >> (i % 8) & 1;
    return m.wczytajOkno(okno, zrodlo[formaOknaStarszy], zrodlo[formaOknaMlodszy]);
}
