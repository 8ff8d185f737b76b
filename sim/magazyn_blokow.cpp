#include "sim/magazyn_blokow.h"

#include <algorithm>
#include <array>

#include "elements/outputs/brx_par.h"
#include "elements/outputs/stos_uklad.h"
#include "elements/outputs/xrm_uklad.h"

namespace sim {

namespace {

constexpr int zero = -1;
constexpr std::size_t maksPol = 7;

// One kind of block: its write and read numbers and, field by field, the request it is read
// with: `zero` or the index of the block byte carried there.
struct Wiersz {
    std::uint8_t nrZapisu, nrOdczytu;
    std::size_t liczbaPol;
    std::array<int, maksPol> pola;
};

constexpr Wiersz xrmWiersz() {
    Wiersz w{0x8E, 0xBB, static_cast<std::size_t>(xrm_uklad::dlugoscZapytania), {}};
    for (int& p : w.pola) p = zero;
    w.pola[1] = 0;
    return w;
}

constexpr Wiersz stosWiersz(std::uint8_t nrZapisu, std::uint8_t nrOdczytu) {
    using namespace stos_uklad;
    Wiersz w{nrZapisu, nrOdczytu, static_cast<std::size_t>(dlugoscZapytania), {}};
    for (int& p : w.pola) p = zero;
    w.pola[zKod] = bKod;
    w.pola[zIndeks] = bIndeks;
    w.pola[zNumer] = bNumer + 1; // the low byte of the number
    w.pola[zPodnumer] = bPodnumer;
    w.pola[zPrzesuniecie] = bPrzesuniecie;
    w.pola[zPrzesuniecie + 1] = bPrzesuniecie + 1;
    return w;
}

constexpr std::array<Wiersz, 15> tabela{{
    {0x73, 0xA3, 5, {zero, 0, 1, zero, zero}}, // line element
    {0x74, 0xA4, 3, {zero, 0, 1}},             // zone
    {0x75, 0xA5, 3, {zero, zero, 0}},          // WIO
    {0x76, 0xA6, 3, {zero, 0, 1}},             // relays, signal and control lines
    {0x7A, 0xAA, 1, {0}},                      // line and extension packages
    {0x84, 0xA9, 3, {zero, 0, 1}},             // WOU
    {0x85, 0xB1, 3, {zero, 0, 1}},             // sounders
    {0x86, 0xB2, 3, {zero, 0, 1}},             // WMI
    {0x87, 0xB3, 3, {0, 1, 2}},                // package outputs and inputs
    {0x8B, 0xB7, 2, {zero, 0}},                // extinguishing unit
    {0x8C, 0xB8, 4, {zero, 0, 6, 7}},          // extinguishing unit, module pages
    xrmWiersz(),                               // sub-panel
    stosWiersz(nrZapisuStosu, nrOdczytuStosu),
    stosWiersz(nrZapisuStosuStary, nrOdczytuStosuStary),
    {0x87, 0xB3, 3, {0, 1, zero}}, // package times: one record per package
}};
constexpr std::size_t wierszCzasowBrx = 14;

const Wiersz* wierszZapisu(std::uint8_t nr) {
    for (std::size_t i = 0; i < wierszCzasowBrx; ++i)
        if (tabela[i].nrZapisu == nr) return &tabela[i];
    return nullptr;
}

} // namespace

bool czyNrZapisu(std::uint8_t nr) {
    return wierszZapisu(nr) != nullptr;
}

bool czyNrOdczytu(std::uint8_t nr) {
    return std::any_of(tabela.begin(), tabela.end(),
                       [nr](const Wiersz& w) { return w.nrOdczytu == nr; });
}

std::optional<KluczBloku> kluczZapisu(std::uint8_t nrZapisu, std::span<const std::uint8_t> blok) {
    const Wiersz* w = wierszZapisu(nrZapisu);
    if (w == nullptr) return std::nullopt;
    // The times of a package share the number with its outputs and inputs; the kind byte tells.
    if (w->nrZapisu == tabela[wierszCzasowBrx].nrZapisu && !blok.empty() &&
        blok[0] == BrxPar::rodzaj)
        w = &tabela[wierszCzasowBrx];
    KluczBloku k{w->nrOdczytu, Bajty(w->liczbaPol, 0)};
    for (std::size_t i = 0; i < w->liczbaPol; ++i) {
        const int p = w->pola[i];
        if (p == zero) continue;
        if (static_cast<std::size_t>(p) >= blok.size()) return std::nullopt;
        k.zapytanie[i] = blok[static_cast<std::size_t>(p)];
    }
    return k;
}

std::uint8_t MagazynBlokow::wspolnyNrOdczytu(std::uint8_t nr) {
    return nr == nrOdczytuStosuStary ? nrOdczytuStosu : nr;
}

bool MagazynBlokow::zapisz(std::uint8_t nrZapisu, std::span<const std::uint8_t> blok) {
    auto k = kluczZapisu(nrZapisu, blok);
    if (!k) return false;
    bloki[{wspolnyNrOdczytu(k->nrOdczytu), std::move(k->zapytanie)}] =
        Bajty(blok.begin(), blok.end());
    return true;
}

const Bajty* MagazynBlokow::odczytaj(std::uint8_t nrOdczytu,
                                     std::span<const std::uint8_t> zapytanie) const {
    const auto it =
        bloki.find({wspolnyNrOdczytu(nrOdczytu), Bajty(zapytanie.begin(), zapytanie.end())});
    return it != bloki.end() ? &it->second : nullptr;
}

} // namespace sim
