#include "lang/formatowanie.h"

#include "core/globalne.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "lang/kodowanie.h"
#include "lang/teksty_polskie.h"

#include <algorithm>

std::string konwersjeSzablonu(std::string_view szablon) {
    std::string wynik;
    for (std::size_t i = 0; i < szablon.size(); ++i) {
        if (szablon[i] != '%') continue;
        ++i;
        if (i < szablon.size() && szablon[i] == '%') continue;
        while (i < szablon.size() && std::strchr("-+ #0123456789.", szablon[i]) != nullptr) ++i;
        if (i >= szablon.size() || std::strchr("diuxXcs", szablon[i]) == nullptr) return "!";
        wynik += szablon[i] == 'i' ? 'd' : szablon[i];
    }
    return wynik;
}

std::string wyznaczBezpiecznySzablon(const std::string& szablon, int numer) {
    const auto teksty = tekstyWbudowane();
    const auto it = std::lower_bound(teksty.begin(), teksty.end(), numer,
                                     [](const TekstWbudowany& t, int n) { return t.numer < n; });
    if (it == teksty.end() || it->numer != numer)
        return konwersjeSzablonu(szablon).empty() ? szablon : "";
    const std::string wlasny = utf8NaStronaKodowa(it->tekst, 1250);
    return konwersjeSzablonu(szablon) == konwersjeSzablonu(wlasny) ? szablon : wlasny;
}

std::string bezpiecznySzablon(int numer) {
    if (jezyk != nullptr) return jezyk->podajSzablon(numer);
    return wyznaczBezpiecznySzablon(tekst(numer), numer);
}

std::string sformatuj(const char* wzor, ...) {
    char wiersz[512];
    va_list a;
    va_start(a, wzor);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::vsnprintf(wiersz, sizeof wiersz, wzor, a);
#pragma GCC diagnostic pop
    va_end(a);
    return wiersz;
}

std::string naSzerokosc(std::string tekst, std::size_t szerokosc) {
    tekst.resize(szerokosc, ' ');
    return tekst;
}
