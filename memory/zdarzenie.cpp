#include "memory/zdarzenie.h"

#include <algorithm>

#include "core/centrala.h"
#include "core/globalne.h"
#include "lang/language.h"
#include "report/utf8_xml.h"

namespace {

// Event texts leave two more Windows-1251 characters (the copyright and numero signs)
// unconverted than configuration texts do; like the rest of those, they are written as "#".
constexpr bool czyPominietaWZdarzeniu(unsigned char b) {
    return b == 0xA9 || b == 0xB9;
}

} // namespace

Zdarzenie::Zdarzenie(int liczbaZdarzen) : ElementSystemu(0, 0, ""), liczbaZdarzen(liczbaZdarzen) {}

int Zdarzenie::odczytajBlok(std::span<const std::uint8_t> blok) {
    namespace r = rekord_zdarzenia;
    if (blok.size() < r::numer + 2) return 1;
    numer = blok[r::numer] << 8 | blok[r::numer + 1];
    if (blok.size() < r::tekst) return 2;
    // The text ends at its zero, at the end of the payload, or where the field is full.
    const auto reszta = blok.subspan(r::tekst);
    const auto koniec = reszta.begin() + static_cast<std::ptrdiff_t>(
                                             std::min(reszta.size(), r::pojemnoscTekstu - 1));
    const std::string surowy(reszta.begin(), std::find(reszta.begin(), koniec, 0));
    tekst = dekodujTekst(surowy);
    nazwa = ::tekst(372) + std::to_string(liczbaZdarzen - numer);
    return 0;
}

std::string_view Zdarzenie::podajLinie(int k) const {
    std::string_view reszta = tekst;
    for (int i = 1; i < k; ++i) {
        const std::size_t cr = reszta.find('\r');
        if (cr == std::string_view::npos) return {};
        reszta.remove_prefix(cr + 1);
    }
    if (k < 1) return {};
    return reszta.substr(0, reszta.find('\r'));
}

std::string Zdarzenie::podajLinieXML(int k) const {
    return Centrala::kodujXML(kodujUTF8Zdarzenia(podajLinie(k)));
}

std::string Zdarzenie::podajWydruk() const {
    std::string wiersz = tekst;
    std::replace(wiersz.begin(), wiersz.end(), '\r', '\n');
    return wiersz + "----------------------------------------\n\n";
}

void Zdarzenie::zapiszXML(std::string& bufor, std::uint8_t flagi) {
    bufor += podajLinieXML(flagi);
}

int Zdarzenie::drukujWiersz(std::string& bufor) {
    bufor += podajWydruk();
    return 1;
}

std::string kodujUTF8Zdarzenia(std::string_view linia) {
    if (jezyk != nullptr && jezyk->czyCyrylica()) {
        std::string bez(linia);
        for (char& c : bez)
            if (czyPominietaWZdarzeniu(static_cast<unsigned char>(c))) c = '#';
        return kodujUTF8(bez, TablicaUTF8::cyrylica, 1251);
    }
    return kodujUTF8(linia);
}
