#include "report/wydruk.h"

#include <algorithm>
#include <new>

#include "core/centrala.h"
#include "core/element_systemu.h"

bool czyNowaTabela(std::string_view poprzednia, std::string_view nazwa) {
    if (nazwa.empty()) return true;
    if (poprzednia.empty()) return false;
    const std::size_t n = std::min({std::size_t{5}, poprzednia.size(), nazwa.size()});
    return poprzednia.substr(0, n) != nazwa.substr(0, n);
}

std::optional<std::string> zlozRaport(std::span<ElementSystemu* const> elementy) {
    try {
        std::string tekst = "\n";
        std::string poprzednia;
        bool pierwszy = true;
        for (ElementSystemu* e : elementy) {
            if (!e->czyDrukowac()) continue;
            std::string nazwa = e->podajNazwe();
            if (pierwszy) {
                e->drukujNaglowek(tekst);
            } else if (czyNowaTabela(poprzednia, nazwa)) {
                tekst += '\n';
                e->drukujNaglowek(tekst);
            }
            e->drukujWiersz(tekst);
            poprzednia = std::move(nazwa);
            pierwszy = false;
        }
        return tekst;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<std::string> zlozRaport(const Centrala& c) {
    if (!c.czyTablicaZbudowana()) return std::string("\n");
    return zlozRaport(std::span<ElementSystemu* const>(
        c.tablicaElementow.data(), static_cast<std::size_t>(std::clamp(c.liczbaElementowSystemu, 0,
                                                                       Centrala::rozmiarTablicy))));
}

std::vector<std::string> linieRaportu(std::string_view tekst) {
    std::vector<std::string> linie;
    std::size_t poczatek = 0;
    for (std::size_t lf = tekst.find('\n'); lf != std::string_view::npos;
         lf = tekst.find('\n', poczatek)) {
        linie.emplace_back(tekst.substr(poczatek, lf - poczatek));
        poczatek = lf + 1;
    }
    return linie;
}
