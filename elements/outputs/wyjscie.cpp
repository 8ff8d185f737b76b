#include "elements/outputs/wyjscie.h"

#include <cstdio>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/xml.h"
#include "elements/outputs/stos.h"
#include "lang/formatowanie.h"
#include "lang/language.h"

namespace {

// Block layout.
constexpr int bRodzaj = 0;
constexpr int bNumer = 1;
constexpr int bTyp = 2;
constexpr int bWariant = 3;
constexpr int bMinuty = 4;
constexpr int bSekundy = 5;
constexpr int bZarezerwowany = 8;
constexpr int bNrCentrali = 9;
constexpr int bStrefy = 10; // generic root: bit j of byte 10 + i is zone 8i + j + 1
constexpr int strefWBloku = 512;

// Variants of each type, the same on every panel.
constexpr int maksParametrDomyslny[7] = {0, 2, 2, 8, 22, 5, 0};
// Text of variant 1 of each type; types 0 and 6 have the one "does not apply" text.
constexpr int tekstPierwszegoWariantu[7] = {176, 177, 179, 181, 189, 211, 176};

bool czyGeneryczna() {
    return biezacaCentrala == nullptr || biezacaCentrala->podajFormatRozszerzony() == 0;
}

} // namespace

Wyjscie::Wyjscie(int rodzaj, int numer, std::uint8_t kodSprzetu, std::string nazwa)
    : ElementSystemu(118, 166, std::move(nazwa)), rodzaj(rodzaj), numer(numer),
      kodSprzetu(kodSprzetu) {
    if (czyGeneryczna()) matrycaStref.emplace();
}

std::uint32_t Wyjscie::podajKlucz() const {
    return static_cast<std::uint32_t>(numer) << 28 | 0xFF00u | static_cast<std::uint32_t>(rodzaj);
}

int Wyjscie::maksWariant(int t) const {
    if (t < 0 || t > 6) return 0;
    return biezacaCentrala != nullptr ? biezacaCentrala->maksParametrWyjscia[t]
                                      : maksParametrDomyslny[t];
}

int Wyjscie::ustalOpoznienieMin(int minuty) {
    if (minuty < 0 || minuty > 19) return 1;
    if (minuty >= 10) {
        opoznienieMin = 10;
        opoznienieSek = 0;
    } else {
        opoznienieMin = minuty;
    }
    return 0;
}

int Wyjscie::ustalOpoznienieSek(int sekundy) {
    if (sekundy < 0 || sekundy > 59) return 1;
    if (opoznienieMin == 10 && sekundy > 0) return 2;
    opoznienieSek = sekundy;
    return 0;
}

int Wyjscie::ustalNrCentrali(int nr) {
    const int maks = biezacaCentrala != nullptr ? biezacaCentrala->maksNrCentrali : 31;
    if (nr < 0 || nr > maks) return 1;
    nrCentrali = nr;
    return 0;
}

int Wyjscie::trybPrzypisania() const {
    const int w = wariant & 0x7F;
    switch (typ) {
    case 1:
    case 2:
        return w == 2 ? Stos::trybStrefy : 0;
    case 3:
        return w >= 5 && w <= 8 ? Stos::trybStrefy : 0;
    case 4:
        if (w == 7 || w == 11) return Stos::trybStrefy;
        if ((w >= 8 && w <= 10) || (w >= 12 && w <= 14)) return Stos::trybWio;
        if (w == 21 || w == 22) return Stos::trybWmi;
        return 0;
    case 5:
        return w == 2 || w == 4 ? Stos::trybStrefy : 0;
    default:
        return 0;
    }
}

int Wyjscie::opisTypu(std::string& bufor, int t) const {
    if (t == 0) t = typ;
    bufor = t >= 0 && t <= 7 ? tekst(168 + t) : std::string();
    return t;
}

int Wyjscie::opisWariantu(std::string& bufor, int w) const {
    const int uzyty = w == 0 ? wariant : w;
    const int v = uzyty & 0x7F;
    bufor.clear();
    if (typ == 0 || typ == 6) {
        bufor = tekst(176);
    } else if (typ >= 1 && typ <= 5 && v >= 1 && v <= maksWariant(typ)) {
        bufor = tekst(tekstPierwszegoWariantu[typ] + v - 1);
    }
    return uzyty;
}

std::vector<std::pair<int, int>> Wyjscie::podajPrzypisania() const {
    std::vector<std::pair<int, int>> pary;
    if (biezacaCentrala != nullptr && biezacaCentrala->stos != nullptr)
        biezacaCentrala->stos->podajPrzypisania(kodSprzetu, numer, 0, 0, pary);
    return pary;
}

void Wyjscie::zapiszBlok(Bajty& blok) {
    blok.assign(dlugosc, 0);
    blok[bRodzaj] = static_cast<std::uint8_t>(rodzaj);
    blok[bNumer] = static_cast<std::uint8_t>(numer);
    blok[bTyp] = static_cast<std::uint8_t>(typ);
    blok[bWariant] = static_cast<std::uint8_t>(wariant);
    blok[bMinuty] = static_cast<std::uint8_t>(opoznienieMin);
    blok[bSekundy] = static_cast<std::uint8_t>(opoznienieSek);
    blok[bNrCentrali] = static_cast<std::uint8_t>(nrCentrali);
    if (matrycaStref) {
        for (int z = 1; z <= strefWBloku; ++z) {
            if (matrycaStref->podaj(z) != 0)
                blok[bStrefy + (z - 1) / 8] |= static_cast<std::uint8_t>(1 << ((z - 1) % 8));
        }
    } else if (trybPrzypisania() == 0 && biezacaCentrala != nullptr &&
               biezacaCentrala->stos != nullptr) {
        // An output whose type no longer takes assignments loses them when it is saved or sent.
        biezacaCentrala->stos->usunPrzypisania(kodSprzetu, numer, 0, 0);
    }
}

int Wyjscie::odczytajBlok(std::span<const std::uint8_t> blok) {
    if (blok.size() < static_cast<std::size_t>(dlugosc)) return 1;
    if (blok[bRodzaj] != rodzaj) return 1;
    if (blok[bNumer] == 0 || blok[bNumer] > liczbaWyjsc() || blok[bNumer] != numer) return 2;
    if (ustalTyp(blok[bTyp]) != 0) return 3;
    if (ustalWariant(blok[bWariant]) != 0) return 4;
    if (ustalOpoznienieMin(blok[bMinuty]) != 0) return 5;
    if (ustalOpoznienieSek(blok[bSekundy]) != 0) return 6;
    bajt8 = blok[bZarezerwowany];
    if (ustalNrCentrali(blok[bNrCentrali]) != 0) return 8;
    if (matrycaStref) {
        std::uint8_t strefy[strefWBloku];
        for (int z = 0; z < strefWBloku; ++z) strefy[z] = (blok[bStrefy + z / 8] >> (z % 8)) & 1;
        if (matrycaStref->wczytaj(strefy) != 0) return 9;
    }
    return 0;
}

int Wyjscie::ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) {
    zapytanie = {pierwszy, static_cast<std::uint8_t>(rodzaj), static_cast<std::uint8_t>(numer)};
    return 3;
}

void Wyjscie::zapiszXML(std::string& bufor, std::uint8_t grupy) {
    const bool przekaznikUszkodzenia = rodzaj == rodzajPk && numer == 1;
    if ((grupy & 16) == 0 || (typ <= 0 && !przekaznikUszkodzenia)) return;
    bufor += "<output>";
    dopiszIdXML(bufor, podajKlucz());
    dopiszXML(bufor, "hardware_type", rodzaj);
    dopiszXML(bufor, "type", typ);
    dopiszXML(bufor, "variant", wariant);
    if (czyZOpoznieniem()) dopiszXML(bufor, "delay", opoznienieMin * 60 + opoznienieSek);
    const auto lista = podajPrzypisania();
    const int w = wariant & 0x7F;
    if (trybPrzypisania() == Stos::trybStrefy) {
        bufor += "<zones>";
        for (const auto& [strefa, centrala] : lista) {
            bufor += "<zone>";
            dopiszXML(bufor, "zone_nr", strefa);
            dopiszXML(bufor, "control_panel_nr", centrala);
            bufor += "</zone>";
        }
        bufor += "</zones>";
    }
    if (typ == 4 && ((w >= 8 && w <= 10) || (w >= 12 && w <= 14) || w == 21 || w == 22)) {
        bufor += "<inputs>";
        for (const auto& [element, maska] : lista) {
            for (int i = 0; i < 8; ++i) {
                if ((maska >> i & 1) == 0) continue;
                bufor += "<input>";
                dopiszXML(bufor, "logical_nr", element);
                dopiszXML(bufor, "nr", i + 1);
                bufor += "</input>";
            }
        }
        bufor += "</inputs>";
    }
    bufor += "</output>";
}

int Wyjscie::drukujWiersz(std::string& bufor) {
    if (rodzaj == rodzajPk && numer == 1) {
        bufor += formatujTekst(305, numer, opoznienieMin, opoznienieSek);
        return 1;
    }
    std::vector<std::string> opisy;
    const auto lista = podajPrzypisania();
    const int tryb = trybPrzypisania();
    if (tryb == 0) {
        opisy.push_back("             ---");
    } else if (tryb == Stos::trybStrefy) {
        // Consecutive zones of one panel form one range.
        for (std::size_t i = 0; i < lista.size();) {
            std::size_t j = i;
            while (j + 1 < lista.size() && lista[j + 1].first == lista[j].first + 1 &&
                   lista[j + 1].second == lista[i].second)
                ++j;
            opisy.push_back(opisStref(lista[i].first, lista[j].first, lista[i].second));
            i = j + 1;
        }
    } else {
        for (const auto& [element, maska] : lista)
            opisy.push_back(opisWejsc(element, static_cast<std::uint8_t>(maska), tryb));
    }
    if (opisy.empty()) opisy.push_back(" ");

    const int w = wariant & 0x7F;
    const std::string tekstWariantu = w == 0 ? "---" : sformatuj("%-3d", w);
    bufor += sformatuj("|  %-2d   |    %d    |     %s     |    %.2d:%.2d   |%-32s|\n", numer, typ,
                       tekstWariantu.c_str(), opoznienieMin, opoznienieSek, opisy[0].c_str());
    for (std::size_t i = 1; i < opisy.size(); ++i) {
        // "|       |         |             |            |%-32s|\n", without a format call per row.
        bufor += "|       |         |             |            |";
        bufor += opisy[i];
        if (opisy[i].size() < 32) bufor.append(32 - opisy[i].size(), ' ');
        bufor += "|\n";
    }
    bufor += "|-----------------------------------------------------------------------------|\n";
    return static_cast<int>(opisy.size()) + 1;
}
