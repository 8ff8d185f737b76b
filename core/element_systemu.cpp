#include "core/element_systemu.h"

#include "core/globalne.h"
#include "lang/formatowanie.h"
#include "lang/kodowanie.h"
#include "lang/language.h"

namespace {

bool czyKodowac852() {
    return jezyk == nullptr || jezyk->czyKodowanie852();
}

} // namespace

std::string ElementSystemu::kodujTekst(std::string_view zrodlo) {
    std::string wynik(zrodlo);
    if (czyKodowac852()) {
        for (char& c : wynik) c = static_cast<char>(na852(static_cast<unsigned char>(c)));
    }
    return wynik;
}

std::string ElementSystemu::dekodujTekst(std::string_view zrodlo) {
    std::string wynik(zrodlo.substr(0, 256));
    if (czyKodowac852()) {
        for (char& c : wynik) c = static_cast<char>(z852(static_cast<unsigned char>(c)));
    }
    return wynik;
}

std::string ElementSystemu::opisStref(int pierwsza, int ostatnia, int nrCentrali) {
    std::string wynik =
        pierwsza < ostatnia ? formatujTekst(393, pierwsza, ostatnia) : formatujTekst(394, pierwsza);
    wynik += nrCentrali != 0 ? formatujTekst(395, nrCentrali) : std::string(" ");
    return wynik;
}

std::string ElementSystemu::opisWejsc(int numer, std::uint8_t bityWejsc, int kodRodzaju) {
    std::string wynik = formatujTekst(kodRodzaju == 64 ? 398 : 399, numer);
    int w[8];
    for (int i = 0; i < 8; ++i) w[i] = (bityWejsc >> i) & 1 ? '1' + i : ' ';
    wynik += formatujTekst(396, w[0], w[1], w[2], w[3], w[4], w[5], w[6], w[7]);
    return wynik;
}
