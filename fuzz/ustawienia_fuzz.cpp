// Any bytes as a settings file.
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/globalne.h"
#include "core/modele.h"
#include "core/plik.h"
#include "core/ustawienia.h"
#include "lang/language.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    Language j;
    Plik p;
    jezyk = &j;
    plik = &p;
    auto c = utworzCentrale(0);
    biezacaCentrala = c.get();
    zastosujUstawienia(std::span<const std::uint8_t>(dane, rozmiar));
    biezacaCentrala = nullptr;
    plik = nullptr;
    jezyk = nullptr;
    return 0;
}
