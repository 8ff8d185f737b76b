// The single-byte texts of XML fragments converted to the UTF-8 the document declares.
#pragma once

#include <string>
#include <string_view>

class Language;

// Which conversion a language uses for the bytes of 0x80 and above.
enum class TablicaUTF8 {
    lacinska, // "polish", "english", "hungary": the 39 letters of Windows-1250, else "#"
    cyrylica, // "russian", "ukrainian": Windows-1251 except the punctuation the panel has not
    strona,   // any other language: every character of the language's code page
};

// Bytes 0x01..0x7F are copied, except the control characters XML cannot carry (all below 0x20
// but tab, line feed and carriage return) and the zero byte, which become "#" as an unconvertible
// character does, so the document stays well-formed whatever a record brought in.
std::string kodujUTF8(std::string_view zrodlo, TablicaUTF8 tablica, int stronaKodowa);
// The conversion of the given language, or of the program's own Polish when there is none.
std::string kodujUTF8(std::string_view zrodlo, const Language* jezykTekstow);
// The conversion of the current language (`jezyk`).
std::string kodujUTF8(std::string_view zrodlo);
