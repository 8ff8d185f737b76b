#include "report/utf8_xml.h"

#include <algorithm>
#include <array>

#include "core/globalne.h"
#include "lang/kodowanie.h"
#include "lang/language.h"

namespace {

// Windows-1250 bytes of the letters the Latin-script languages export.
constexpr std::array<unsigned char, 39> literyLacinskie = {
    0x8C, 0x8F, 0x9C, 0x9F, 0xA3, 0xA5, 0xA7, 0xAE, 0xAF, 0xB3, 0xB9, 0xBF, 0xC1,
    0xC4, 0xC6, 0xC9, 0xCA, 0xCD, 0xD1, 0xD3, 0xD5, 0xD6, 0xDA, 0xDB, 0xDC, 0xDF,
    0xE1, 0xE4, 0xE6, 0xE9, 0xEA, 0xED, 0xF1, 0xF3, 0xF5, 0xF6, 0xFA, 0xFB, 0xFC,
};

// Windows-1251 punctuation written as "#" under the Cyrillic languages.
constexpr bool czyPominietaCyrylica(unsigned char b) {
    return (b >= 0x84 && b <= 0x89) || b == 0x8B || (b >= 0x91 && b <= 0x99) || b == 0x9B ||
           b == 0xA6 || b == 0xA7 || (b >= 0xAB && b <= 0xAE) || b == 0xB0 || b == 0xB1 ||
           (b >= 0xB5 && b <= 0xB7) || b == 0xBB;
}

bool czyZnakSterujacy(unsigned char b) {
    return b < 0x20 && b != '\t' && b != '\n' && b != '\r';
}

void dopiszUtf8(std::string& wynik, char32_t znak) {
    if (znak < 0x800) {
        wynik += static_cast<char>(0xC0 | (znak >> 6));
        wynik += static_cast<char>(0x80 | (znak & 0x3F));
    } else {
        wynik += static_cast<char>(0xE0 | (znak >> 12));
        wynik += static_cast<char>(0x80 | ((znak >> 6) & 0x3F));
        wynik += static_cast<char>(0x80 | (znak & 0x3F));
    }
}

// The character of an upper byte, or 0 when the table writes "#" for it.
char32_t znakGorny(unsigned char b, TablicaUTF8 tablica, int stronaKodowa) {
    switch (tablica) {
    case TablicaUTF8::lacinska:
        if (std::find(literyLacinskie.begin(), literyLacinskie.end(), b) == literyLacinskie.end())
            return 0;
        return znakStronyKodowej(b, 1250);
    case TablicaUTF8::cyrylica:
        return czyPominietaCyrylica(b) ? 0 : znakStronyKodowej(b, 1251);
    case TablicaUTF8::strona:
        break;
    }
    const char32_t znak = znakStronyKodowej(b, stronaKodowa);
    // A byte the code page leaves undefined comes back as the C1 control of the same value.
    return znak == b && b < 0xA0 ? 0 : znak;
}

} // namespace

std::string kodujUTF8(std::string_view zrodlo, TablicaUTF8 tablica, int stronaKodowa) {
    std::string wynik;
    wynik.reserve(zrodlo.size() + zrodlo.size() / 4);
    for (std::size_t i = 0; i < zrodlo.size(); ++i) {
        // Runs of plain characters, most of a document, are copied whole.
        std::size_t koniec = i;
        while (koniec < zrodlo.size() && static_cast<unsigned char>(zrodlo[koniec]) >= 0x20 &&
               static_cast<unsigned char>(zrodlo[koniec]) < 0x80)
            ++koniec;
        if (koniec > i) {
            wynik.append(zrodlo.substr(i, koniec - i));
            i = koniec - 1;
            continue;
        }
        const char c = zrodlo[i];
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            wynik += czyZnakSterujacy(b) ? '#' : c;
            continue;
        }
        const char32_t znak = znakGorny(b, tablica, stronaKodowa);
        if (znak == 0)
            wynik += '#';
        else
            dopiszUtf8(wynik, znak);
    }
    return wynik;
}

std::string kodujUTF8(std::string_view zrodlo, const Language* j) {
    if (j == nullptr || j->czyPolski() || j->czyLacinski())
        return kodujUTF8(zrodlo, TablicaUTF8::lacinska, 1250);
    if (j->czyCyrylica()) return kodujUTF8(zrodlo, TablicaUTF8::cyrylica, 1251);
    return kodujUTF8(zrodlo, TablicaUTF8::strona, j->podajStroneKodowa());
}

std::string kodujUTF8(std::string_view zrodlo) {
    return kodujUTF8(zrodlo, jezyk);
}
