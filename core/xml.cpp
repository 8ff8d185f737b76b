#include "core/xml.h"

#include <cstdio>

#include "core/centrala.h"

std::string kluczXML(std::uint32_t klucz) {
    char tekst[9];
    std::snprintf(tekst, sizeof tekst, "%08X", static_cast<unsigned>(klucz));
    return tekst;
}

namespace {

void otworz(std::string& b, std::string_view z) {
    b += '<';
    b += z;
    b += '>';
}

void zamknij(std::string& b, std::string_view z) {
    b += "</";
    b += z;
    b += '>';
}

} // namespace

void dopiszXML(std::string& bufor, std::string_view znacznik, long long wartosc) {
    otworz(bufor, znacznik);
    bufor += std::to_string(wartosc);
    zamknij(bufor, znacznik);
}

void dopiszIdXML(std::string& bufor, std::uint32_t klucz) {
    bufor += "<id>";
    bufor += kluczXML(klucz);
    bufor += "</id>";
}

void dopiszTekstXML(std::string& bufor, std::string_view znacznik, std::string_view tekst) {
    otworz(bufor, znacznik);
    bufor += Centrala::kodujXML(tekst);
    zamknij(bufor, znacznik);
}
