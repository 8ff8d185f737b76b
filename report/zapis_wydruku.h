// The printout saved as a text file: every line feed written as carriage return and line feed,
// and the text's terminating zero byte as the file's last byte.
#pragma once

#include <string>
#include <string_view>

#include "report/zapis_zastepujacy.h"

// The file's bytes for a report text.
std::string tekstPlikuRaportu(std::string_view tekst);
// Writes them to `nazwaPliku` (replaced only when written whole).
WynikZapisu zapiszRaport(const std::string& nazwaPliku, std::string_view tekst);
