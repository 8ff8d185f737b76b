// Filling numbered templates with values. Templates come from language libraries, which are
// files from outside: a template whose conversions differ from those of the program's own text
// of the same number is not trusted, and the program's own text is used instead.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "lang/language.h"

// The conversion letters of a printf template in order ("%4d  -%4d" gives "dd"); "%%" is not a
// conversion. A `*` width or precision, or a conversion outside d i u x X c s, gives "!".
std::string konwersjeSzablonu(std::string_view szablon);

// The template of the number that is safe to fill: the current language's, or the program's own.
std::string bezpiecznySzablon(int numer);
// The same decision for a given template of that number.
std::string wyznaczBezpiecznySzablon(const std::string& szablon, int numer);

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
// Fills a template with arguments matching the program's own template of that number (callers
// pass int for d/i/u/x/X/c and const char* for s).
template <class... Argumenty>
std::string wypelnijSzablon(const std::string& szablon, Argumenty... argumenty) {
    // Most results fit a line of the printout; longer ones are formatted again at their length.
    char krotki[256];
    const int dlugosc = std::snprintf(krotki, sizeof krotki, szablon.c_str(), argumenty...);
    if (dlugosc <= 0) return {};
    if (static_cast<std::size_t>(dlugosc) < sizeof krotki)
        return std::string(krotki, static_cast<std::size_t>(dlugosc));
    std::string wynik(static_cast<std::size_t>(dlugosc) + 1, '\0');
    std::snprintf(wynik.data(), wynik.size(), szablon.c_str(), argumenty...);
    wynik.resize(static_cast<std::size_t>(dlugosc));
    return wynik;
}
#pragma GCC diagnostic pop

template <class... Argumenty>
std::string formatujTekst(int numer, Argumenty... argumenty) {
    return wypelnijSzablon(bezpiecznySzablon(numer), argumenty...);
}

// printf into a string, for printout rows whose layout is no numbered text (at most 511
// characters).
__attribute__((format(printf, 1, 2))) std::string sformatuj(const char* wzor, ...);

// A text cut or padded with blanks to exactly `szerokosc` characters (message fields).
std::string naSzerokosc(std::string tekst, std::size_t szerokosc);
