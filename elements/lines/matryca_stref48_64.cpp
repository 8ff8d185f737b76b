#include "elements/lines/matryca_stref48_64.h"

int MatrycaStref48_64::wczytaj(std::span<const std::uint8_t> zrodlo) {
    const int wynik = MatrycaStref48::wczytaj(zrodlo);
    przelicz();
    return wynik;
}

int MatrycaStref48_64::wczytajOkno(std::span<const std::uint8_t, szerokoscOkna> zrodlo, int starsza,
                                   int mlodszy) {
    // Both halves are record bytes.
    if (starsza < 0 || starsza > 0xFF || mlodszy < 0 || mlodszy > 0xFF) return 1;
    const int pierwsza = starsza << 8 | mlodszy;
    const int n = liczbaStref();
    if (pierwsza > n) return 1;
    strefy.fill(0);
    if (pierwsza != 0) {
        for (int i = 0; i < szerokoscOkna && pierwsza + i <= n; ++i)
            strefy[static_cast<std::size_t>(pierwsza + i - 1)] =
                zrodlo[static_cast<std::size_t>(i)] != 0 ? 1 : 0;
    }
    przelicz();
    return 0;
}

void MatrycaStref48_64::wyczysc() {
    MatrycaStref48::wyczysc();
    przelicz();
}

int MatrycaStref48_64::ustaw(int strefa, int zarezerwowany, std::uint8_t wartosc) {
    const int wynik = MatrycaStref48::ustaw(strefa, zarezerwowany, wartosc);
    if (wynik == 0) przelicz();
    return wynik;
}

int MatrycaStref48_64::przelacz(int strefa) {
    const int wynik = MatrycaStref48::przelacz(strefa);
    if (wynik == 0) przelicz();
    return wynik;
}

int MatrycaStref48_64::pierwszaStrefa() const {
    const int n = liczbaStref();
    for (int z = 1; z <= n; ++z)
        if (strefy[static_cast<std::size_t>(z - 1)] != 0) return z;
    return 0;
}

int MatrycaStref48_64::ostatniaStrefa() const {
    for (int z = liczbaStref(); z >= 1; --z)
        if (strefy[static_cast<std::size_t>(z - 1)] != 0) return z;
    return 0;
}

void MatrycaStref48_64::wyznaczOkno() {
    okno.fill(0);
    const int pierwsza = pierwszaStrefa();
    if (pierwsza == 0) return;
    const int n = liczbaStref();
    for (int i = 0; i < szerokoscOkna && pierwsza + i <= n; ++i)
        okno[static_cast<std::size_t>(i)] = strefy[static_cast<std::size_t>(pierwsza + i - 1)];
}

void MatrycaStref48_64::wyznaczMaske() {
    maska.fill(0);
    const int n = liczbaStref();
    const int f = pierwszaStrefa();
    const int l = ostatniaStrefa();
    // 0-based bounds of the zones that keep the set within 64 consecutive ones.
    int lo = 0;
    int hi = n;
    if (f != 0) {
        if (l > szerokoscOkna) lo = l - szerokoscOkna;
        if (n - szerokoscOkna > f - 1) hi = f - 1 + szerokoscOkna;
    }
    for (int i = lo; i < hi; ++i) maska[static_cast<std::size_t>(i)] = 1;
}

int MatrycaStref48_64::czyDostepna(int strefa) const {
    return czyStrefa(strefa) ? maska[static_cast<std::size_t>(strefa - 1)] : 0;
}

int MatrycaStref48_64::bajtOkna(int i) const {
    return i >= 0 && i < szerokoscOkna ? okno[static_cast<std::size_t>(i)] : 0;
}
