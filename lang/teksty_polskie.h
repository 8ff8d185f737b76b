// The program's own numbered texts: Polish, UTF-8 in the source, sorted by number.
#pragma once

#include <span>

struct TekstWbudowany {
    int numer;
    const char* tekst;
};

std::span<const TekstWbudowany> tekstyWbudowane();
