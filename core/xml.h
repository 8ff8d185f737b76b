// Pieces of the XML fragments the kinds append to the export: the document is written without
// line breaks or indentation, keys as eight upper-case hexadecimal digits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// "%08X" of a key.
std::string kluczXML(std::uint32_t klucz);

// <znacznik>value</znacznik>
void dopiszXML(std::string& bufor, std::string_view znacznik, long long wartosc);
// <id>%08X</id>
void dopiszIdXML(std::string& bufor, std::uint32_t klucz);
// <znacznik>user text, with & < > escaped</znacznik>
void dopiszTekstXML(std::string& bufor, std::string_view znacznik, std::string_view tekst);
