#include "elements/outputs/modul_xgn30.h"

#include "core/centrala.h"
#include "core/globalne.h"
#include "elements/outputs/xgn_wspolne.h"
#include "lang/formatowanie.h"

int WyjscieModulu::ustalWariant(int w) {
    if (w < 0 || w > xgn::maksWariant()) return 1;
    wariant = w;
    strefyK = xgn::strefyKDla(w, strefyK);
    return 0;
}

int WyjscieModulu::ustalStrefyK(int k) {
    strefyK = xgn::strefyKDla(wariant, k);
    return 0;
}

int WyjscieModulu::ustalKomunikat(int ktory, const std::string& tekst) {
    if (ktory == 0)
        komunikatUszkodzenia = xgn::komunikat(tekst);
    else if (ktory == 1)
        komunikatAlarmu = xgn::komunikat(tekst);
    else
        return 1;
    return 0;
}

int WyjscieModulu::trybPrzypisania() const {
    return xgn::trybPrzypisania(wariant);
}

int WyjscieModulu::opisWariantu(std::string& bufor, int w) const {
    const int uzyty = w == 0 ? wariant : w;
    bufor = xgn::opisWariantu(uzyty);
    return uzyty;
}

ModulBqa::ModulBqa(int indeks, int numerJednostki) : indeks(indeks), strefa(numerJednostki) {
    wyj.komunikatUszkodzenia = xgn::komunikat(formatujTekst(425, indeks));
    wyj.komunikatAlarmu = xgn::komunikat(formatujTekst(426, indeks));
}

int ModulBqa::ustalStrefe(int s) {
    const int maks = biezacaCentrala != nullptr ? biezacaCentrala->liczbaStref : 0x7FFF;
    if (s < 0 || s > maks) return 1;
    strefa = s;
    return 0;
}

ModulPk::ModulPk(int indeks, int tekstUszkodzenia, int tekstAlarmu, bool zIndeksem)
    : indeks(indeks) {
    for (int pk = 1; pk <= 2; ++pk) {
        auto& w = wyj[static_cast<std::size_t>(pk - 1)];
        w.komunikatUszkodzenia =
            xgn::komunikat(zIndeksem ? formatujTekst(tekstUszkodzenia, indeks, pk)
                                     : formatujTekst(tekstUszkodzenia, pk));
        w.komunikatAlarmu = xgn::komunikat(zIndeksem ? formatujTekst(tekstAlarmu, indeks, pk)
                                                     : formatujTekst(tekstAlarmu, pk));
    }
}

WyjscieModulu* ModulPk::wyjscie(int pk) {
    return pk == 1 || pk == 2 ? &wyj[static_cast<std::size_t>(pk - 1)] : nullptr;
}

const WyjscieModulu* ModulPk::wyjscie(int pk) const {
    return pk == 1 || pk == 2 ? &wyj[static_cast<std::size_t>(pk - 1)] : nullptr;
}

ModulBtz::ModulBtz(int indeks) : ModulPk(indeks, 429, 430, true) {}

ModulBkv::ModulBkv() : ModulPk(1, 427, 428, false) {}
