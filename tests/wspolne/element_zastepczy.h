// A table entry for tests: it writes an empty record, takes back only an empty one, contributes
// nothing to the XML export or the printout and names nothing by key.
#pragma once

#include "core/element_systemu.h"

class ElementZastepczy : public ElementSystemu {
public:
    using ElementSystemu::ElementSystemu;

    std::uint32_t podajKlucz() const override { return 0; }
    int podajParametr() const override { return 0; }
    int odczytajBlok(std::span<const std::uint8_t> blok) override { return blok.empty() ? 0 : 1; }
    void zapiszBlok(Bajty& blok) override { blok.clear(); }
    void zapiszXML(std::string&, std::uint8_t) override {}
    int podajDlugoscBloku() const override { return 0; }
    int drukujWiersz(std::string&) override { return 0; }
    void drukujNaglowek(std::string&) override {}
    bool czyDrukowac() const override { return false; }
};
