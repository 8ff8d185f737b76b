// Any bytes as a configuration file: the reader must refuse or take them without reading past
// them, whatever model their signature names. Most inputs get a correct trailer first, so the
// mutations reach the records instead of stopping at the checksum.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/modele.h"
#include "core/otoczenie.h"
#include "core/plik_konfiguracji.h"
#include "lang/language.h"

namespace {

// Skips every refused record, so the whole file is walked.
class OtoczeniePomijajace : public OtoczenieBezOkien {
public:
    WyborBleduDanych bladDanych(int, const std::string&, int, bool) override {
        return WyborBleduDanych::pomin;
    }
};

// One root per model, built once: building the table for every input would drown the reader.
Centrala& centrala(int typ) {
    static std::array<std::unique_ptr<Centrala>, 7> centrale;
    auto& c = centrale[static_cast<std::size_t>(typ)];
    if (!c) {
        c = utworzCentrale(typ);
        c->ustawRozmiary();
        c->budujTabliceElementow();
    }
    return *c;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    static Language j;
    jezyk = &j;
    std::vector<std::uint8_t> plik(dane, dane + rozmiar);
    if (plik.size() > 2 && plik.size() % 8 != 0) {
        const std::uint16_t s = sumaKontrolna(std::span(plik).first(plik.size() - 2));
        plik[plik.size() - 2] = static_cast<std::uint8_t>(s >> 8);
        plik[plik.size() - 1] = static_cast<std::uint8_t>(s);
    }
    const std::string sygnatura(
        plik.begin(),
        plik.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(9, plik.size())));
    const int typ = typZSygnatury(sygnatura);
    biezacaCentrala = &centrala(typ < 0 ? 4 : typ);
    OtoczeniePomijajace o;
    odczytajKonfiguracje(plik, o);
    biezacaCentrala = nullptr;
    return 0;
}
