#include "elements/outputs/xgn30.h"

#include <initializer_list>
#include <utility>
#include <vector>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/xml.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/xgn_wspolne.h"
#include "lang/formatowanie.h"
#include "lang/language.h"

FlagiKlasy Xgn30::flagi{1, 1};

namespace {

// Block layout, the same header in every block.
constexpr int bNumer = 0;
constexpr int bMaskaBqa = 4;
constexpr int bMaskaBtz = 5; // bit 4 BKV declared, bits 0-3 BTZ modules
constexpr int bRodzaj = 6;
constexpr int bIndeks = 7;
constexpr int bStrefa = 8;   // unit or BQA module zone, big-endian
constexpr int bWariant = 10; // BQA, or PK1 of a two-output module
constexpr int bWariantPk2 = 11;
constexpr int bAlarm = 14; // BQA, or PK1
constexpr int bAlarmPk2 = 46;
constexpr int bUszkodzenie = 78; // BQA, or PK1
constexpr int bUszkodzeniePk2 = 110;
constexpr int bStrefyK = 142; // BQA, or PK1; big-endian
constexpr int bStrefyKPk2 = 144;
constexpr int dl = xgn::dlugoscKomunikatu;

constexpr int kodBqa = Stos::kodBqa;
constexpr int kodPk = Stos::kodBtz;

int czytaj16(std::span<const std::uint8_t> b, int od) {
    return b[static_cast<std::size_t>(od)] << 8 | b[static_cast<std::size_t>(od + 1)];
}

void zapisz16(Bajty& b, int od, int v) {
    b[static_cast<std::size_t>(od)] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
    b[static_cast<std::size_t>(od + 1)] = static_cast<std::uint8_t>(v & 0xFF);
}

template <std::size_t N>
std::array<ModulBqa, N> utworzBqa(int numer) {
    return [numer]<std::size_t... I>(std::index_sequence<I...>) {
        return std::array<ModulBqa, N>{ModulBqa(static_cast<int>(I) + 1, numer)...};
    }
    (std::make_index_sequence<N>());
}

template <std::size_t N>
std::array<ModulBtz, N> utworzBtz() {
    return []<std::size_t... I>(std::index_sequence<I...>) {
        return std::array<ModulBtz, N>{ModulBtz(static_cast<int>(I) + 1)...};
    }
    (std::make_index_sequence<N>());
}

} // namespace

Xgn30::Xgn30(int numer)
    : ElementSystemu(140, 184, tekst(424) + std::to_string(numer)), numer(numer), strefa(numer),
      bqa(utworzBqa<ModulBqa::liczba>(numer)), btz(utworzBtz<ModulBtz::liczba>()) {}

int Xgn30::ustalStrefe(int s) {
    if (s < 0 || s > 0xFFFF) return 1;
    strefa = s;
    return 0;
}

int Xgn30::ustalMaskeBqa(int m) {
    if (m < 0 || m > 0xFF) return 1;
    maskaBqa = m;
    return 0;
}

int Xgn30::ustalMaskeBtz(int m) {
    if (m < 0 || m > 0x0F) return 1;
    maskaBtz = m;
    return 0;
}

int Xgn30::ustalBkv(int b) {
    if (b != 0 && b != 1) return 1;
    bkvZadeklarowany = b;
    return 0;
}

ModulBqa* Xgn30::podajModulBqa(int i) {
    return i >= 1 && i <= ModulBqa::liczba ? &bqa[static_cast<std::size_t>(i - 1)] : nullptr;
}
const ModulBqa* Xgn30::podajModulBqa(int i) const {
    return i >= 1 && i <= ModulBqa::liczba ? &bqa[static_cast<std::size_t>(i - 1)] : nullptr;
}
ModulBtz* Xgn30::podajModulBtz(int i) {
    return i >= 1 && i <= ModulBtz::liczba ? &btz[static_cast<std::size_t>(i - 1)] : nullptr;
}
const ModulBtz* Xgn30::podajModulBtz(int i) const {
    return i >= 1 && i <= ModulBtz::liczba ? &btz[static_cast<std::size_t>(i - 1)] : nullptr;
}
ModulBkv* Xgn30::podajModulBkv(int i) {
    return i == 1 ? &bkv : nullptr;
}
const ModulBkv* Xgn30::podajModulBkv(int i) const {
    return i == 1 ? &bkv : nullptr;
}

ModulPk* Xgn30::modulPk(int a) {
    if (a == ModulBkv::adres) return &bkv;
    return podajModulBtz(a);
}
const ModulPk* Xgn30::modulPk(int a) const {
    if (a == ModulBkv::adres) return &bkv;
    return podajModulBtz(a);
}

bool Xgn30::czyModulPkZadeklarowany(int a) const {
    if (a == ModulBkv::adres) return bkvZadeklarowany != 0;
    return a >= 1 && a <= ModulBtz::liczba && ((maskaBtz >> (a - 1)) & 1) != 0;
}

const WyjscieModulu* Xgn30::wyjscieZrodla(int kod, int indeks, int podnumer) const {
    if (kod == kodBqa) {
        const ModulBqa* m = podajModulBqa(indeks);
        return m != nullptr && podnumer == 0 ? &m->wyjscie() : nullptr;
    }
    if (kod == kodPk) {
        const ModulPk* m = modulPk(indeks);
        return m != nullptr ? m->wyjscie(podnumer) : nullptr;
    }
    return nullptr;
}

int Xgn30::trybZrodla(int kod, int indeks, int podnumer) const {
    const WyjscieModulu* w = wyjscieZrodla(kod, indeks, podnumer);
    return w != nullptr ? w->trybPrzypisania() : 0;
}

int Xgn30::linia() const {
    return xgn::znajdzNaLinii(kodLinii, numer).linia;
}

int Xgn30::adres() const {
    return xgn::znajdzNaLinii(kodLinii, numer).adres;
}

bool Xgn30::czyZadeklarowany() const {
    return xgn::znajdzNaLinii(kodLinii, numer).zadeklarowany;
}

std::uint32_t Xgn30::podajKlucz() const {
    return static_cast<std::uint32_t>(numer) << 16 | static_cast<std::uint32_t>(kursorRodzaj) << 8 |
           static_cast<std::uint32_t>(kursorIndeks);
}

bool Xgn30::czyKolejnyBlok() {
    if (kursorRodzaj == rodzajJednostka) {
        kursorRodzaj = rodzajBqa;
        kursorIndeks = 1;
    } else if (kursorRodzaj == rodzajBqa && kursorIndeks < ModulBqa::liczba) {
        ++kursorIndeks;
    } else if (kursorRodzaj == rodzajBqa) {
        kursorRodzaj = rodzajPk;
        kursorIndeks = 1;
    } else if (kursorIndeks < ModulBkv::adres) {
        ++kursorIndeks;
    } else {
        zerujKursor();
        return false;
    }
    return true;
}

int Xgn30::ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) {
    zapytanie = {pierwszy, static_cast<std::uint8_t>(numer), kursorRodzaj,
                 static_cast<std::uint8_t>(kursorIndeks)};
    return 4;
}

void Xgn30::zapiszBlok(Bajty& blok) {
    blok.assign(dlugosc, 0);
    blok[bNumer] = static_cast<std::uint8_t>(numer);
    blok[bMaskaBqa] = static_cast<std::uint8_t>(maskaBqa);
    blok[bMaskaBtz] = static_cast<std::uint8_t>(bkvZadeklarowany << 4 | maskaBtz);
    blok[bRodzaj] = kursorRodzaj;
    blok[bIndeks] = static_cast<std::uint8_t>(kursorIndeks);
    auto wyjscie = [&blok](const WyjscieModulu& w, int bW, int bA, int bU, int bK) {
        blok[static_cast<std::size_t>(bW)] = static_cast<std::uint8_t>(w.wariant);
        xgn::zapiszKomunikat(blok, bA, w.komunikatAlarmu);
        xgn::zapiszKomunikat(blok, bU, w.komunikatUszkodzenia);
        zapisz16(blok, bK, w.strefyK);
    };
    if (kursorRodzaj == rodzajJednostka) {
        zapisz16(blok, bStrefa, strefa);
    } else if (kursorRodzaj == rodzajBqa) {
        if (const ModulBqa* m = podajModulBqa(kursorIndeks)) {
            zapisz16(blok, bStrefa, m->podajStrefe());
            wyjscie(m->wyjscie(), bWariant, bAlarm, bUszkodzenie, bStrefyK);
        }
    } else if (const ModulPk* m = modulPk(kursorIndeks)) {
        wyjscie(*m->wyjscie(1), bWariant, bAlarm, bUszkodzenie, bStrefyK);
        wyjscie(*m->wyjscie(2), bWariantPk2, bAlarmPk2, bUszkodzeniePk2, bStrefyKPk2);
    }
    // The modules' stack entries stay: they travel in the stack's own blocks.
}

int Xgn30::odczytajBlok(std::span<const std::uint8_t> blok) {
    const std::size_t n = blok.size();
    if (n <= bNumer || blok[bNumer] != numer) return 1;
    if (n <= bIndeks) return 2;
    const int rodzaj = blok[bRodzaj];
    const int indeks = blok[bIndeks];
    // A module byte that names no module would index past the unit's modules.
    ModulBqa* modulBqa = rodzaj == rodzajBqa ? podajModulBqa(indeks) : nullptr;
    ModulPk* modulDwa = nullptr;
    if (rodzaj == rodzajPk)
        modulDwa = kursorRodzaj == rodzajPk && kursorIndeks == ModulBkv::adres
                       ? static_cast<ModulPk*>(&bkv)
                       : static_cast<ModulPk*>(podajModulBtz(indeks));
    if ((rodzaj == rodzajBqa && modulBqa == nullptr) || (rodzaj == rodzajPk && modulDwa == nullptr))
        return 1;
    maskaBqa = blok[bMaskaBqa];
    maskaBtz = blok[bMaskaBtz] & 0x0F;
    bkvZadeklarowany = (blok[bMaskaBtz] >> 4) & 1;

    if (rodzaj == rodzajJednostka) {
        if (n < bStrefa + 2u) return 3;
        strefa = czytaj16(blok, bStrefa);
        return 0;
    }
    auto ma = [n](int od, int ile) { return n >= static_cast<std::size_t>(od + ile); };
    if (modulBqa != nullptr) {
        if (!ma(bStrefa, 2)) return 3;
        if (modulBqa->ustalStrefe(czytaj16(blok, bStrefa)) != 0) return 3;
        WyjscieModulu& w = modulBqa->wyjscie();
        if (!ma(bWariant, 1) || w.ustalWariant(blok[bWariant]) != 0) return 4;
        if (!ma(bUszkodzenie, dl)) return 5;
        w.komunikatAlarmu = xgn::czytajKomunikat(blok, bAlarm);
        w.komunikatUszkodzenia = xgn::czytajKomunikat(blok, bUszkodzenie);
        if (!ma(bStrefyK, 2)) return 6;
        w.ustalStrefyK(czytaj16(blok, bStrefyK));
        return 0;
    }
    if (modulDwa != nullptr) {
        WyjscieModulu& w1 = *modulDwa->wyjscie(1);
        WyjscieModulu& w2 = *modulDwa->wyjscie(2);
        if (!ma(bWariantPk2, 1)) return 4;
        // A variant this firmware does not take is skipped: the block is not refused for it.
        w1.ustalWariant(blok[bWariant]);
        w2.ustalWariant(blok[bWariantPk2]);
        if (!ma(bUszkodzeniePk2, dl)) return 5;
        w1.komunikatAlarmu = xgn::czytajKomunikat(blok, bAlarm);
        w2.komunikatAlarmu = xgn::czytajKomunikat(blok, bAlarmPk2);
        w1.komunikatUszkodzenia = xgn::czytajKomunikat(blok, bUszkodzenie);
        w2.komunikatUszkodzenia = xgn::czytajKomunikat(blok, bUszkodzeniePk2);
        if (!ma(bStrefyKPk2, 2)) return 6;
        w1.ustalStrefyK(czytaj16(blok, bStrefyK));
        w2.ustalStrefyK(czytaj16(blok, bStrefyKPk2));
    }
    return 0;
}

void Xgn30::zapiszXML(std::string& bufor, std::uint8_t grupy) {
    const std::uint32_t klucz = podajKlucz();
    auto wyjscieXML = [&](const WyjscieModulu& w, std::uint32_t id, int sprzet, int podnumer) {
        bufor += "<output>";
        dopiszIdXML(bufor, id);
        dopiszXML(bufor, "hardware_type", sprzet);
        dopiszXML(bufor, "variant", w.wariant);
        if (xgn::czyKzN(w.wariant)) dopiszXML(bufor, "zones_k", w.strefyK);
        if (w.trybPrzypisania() == Stos::trybStrefy)
            xgn::dopiszStrefyXML(bufor, xgn::przypisania(kursorRodzaj == rodzajBqa ? kodBqa : kodPk,
                                                         numer, podnumer, kursorIndeks));
        dopiszTekstXML(bufor, "tech_alarm_message", w.komunikatAlarmu);
        dopiszTekstXML(bufor, "fault_message", w.komunikatUszkodzenia);
        bufor += "</output>";
    };
    auto wyjsciaModulu = [&](std::initializer_list<const WyjscieModulu*> wyjscia) {
        bufor += "<outputs>";
        int nr = 1;
        for (const WyjscieModulu* w : wyjscia) {
            if (w->wariant > 0) {
                bufor += "<output>";
                dopiszXML(bufor, "nr", nr);
                dopiszIdXML(bufor, klucz | static_cast<std::uint32_t>(nr) << 28);
                bufor += "</output>";
            }
            ++nr;
        }
        bufor += "</outputs>";
    };

    if (kursorRodzaj == rodzajJednostka) {
        if ((grupy & 4) == 0 || !czyZadeklarowany()) return;
        bufor += "<module>";
        dopiszIdXML(bufor, klucz);
        dopiszXML(bufor, "zone", strefa);
        bufor += "</module>";
    } else if (kursorRodzaj == rodzajBqa) {
        const ModulBqa* m = podajModulBqa(kursorIndeks);
        if (m == nullptr || ((maskaBqa >> (kursorIndeks - 1)) & 1) == 0) return;
        const WyjscieModulu& w = m->wyjscie();
        if ((grupy & 4) != 0) {
            bufor += "<module>";
            dopiszIdXML(bufor, klucz);
            dopiszXML(bufor, "zone", m->podajStrefe());
            wyjsciaModulu({&w});
            bufor += "</module>";
        }
        if ((grupy & 16) != 0 && w.wariant > 0) wyjscieXML(w, klucz | 0x10000000u, 2, 0);
    } else {
        const ModulPk* m = modulPk(kursorIndeks);
        if (m == nullptr || !czyModulPkZadeklarowany(kursorIndeks)) return;
        if ((grupy & 4) != 0) {
            bufor += "<module>";
            dopiszIdXML(bufor, klucz);
            wyjsciaModulu({m->wyjscie(1), m->wyjscie(2)});
            bufor += "</module>";
        }
        if ((grupy & 16) != 0) {
            for (int pk = 1; pk <= 2; ++pk) {
                const WyjscieModulu& w = *m->wyjscie(pk);
                if (w.wariant > 0)
                    wyjscieXML(w, klucz | static_cast<std::uint32_t>(pk) << 28, 1, pk);
            }
        }
    }
}

int Xgn30::drukujWiersz(std::string& bufor) {
    const auto p = xgn::znajdzNaLinii(kodLinii, numer);
    int wiersze = 0;
    auto dalszeOpisy = [&](const std::vector<std::string>& opisy) {
        for (std::size_t i = 2; i < opisy.size(); ++i, ++wiersze)
            bufor += sformatuj("|     |     |        |         |       |      |        "
                               "                          |%-32s|\n",
                               opisy[i].c_str());
    };
    auto opisyWyjscia = [&](const WyjscieModulu& w, int kod, int podnumer, int indeks) {
        auto opisy = xgn::opisyPrzypisan(w.trybPrzypisania(),
                                         xgn::przypisania(kod, numer, podnumer, indeks));
        if (opisy.size() < 2) opisy.resize(2);
        return opisy;
    };
    // The unit itself takes no assignments.
    bufor += formatujTekst(473, numer, p.linia, p.adres, strefa, "", "");
    wiersze += 2;
    for (const ModulBqa& m : bqa) {
        if (((maskaBqa >> (m.podajIndeks() - 1)) & 1) == 0) continue;
        const WyjscieModulu& w = m.wyjscie();
        const auto opisy = opisyWyjscia(w, kodBqa, 0, m.podajIndeks());
        bufor +=
            sformatuj("|     |     |        |  BQA %d  |   %-2d  |  %-4d| %s |%-32s|\n"
                      "|     |     |        |         |       |      | %s |%-32s|\n",
                      m.podajIndeks(), w.wariant, m.podajStrefe(), w.komunikatUszkodzenia.c_str(),
                      opisy[0].c_str(), w.komunikatAlarmu.c_str(), opisy[1].c_str());
        wiersze += 2;
        dalszeOpisy(opisy);
    }
    auto modulPkWiersze = [&](const ModulPk& m, int adres, const std::string& tytul) {
        bufor += "|     |     |        |" + tytul + "|       |  -   |" + std::string(34, ' ') +
                 '|' + std::string(32, ' ') + "|\n";
        ++wiersze;
        for (int pk = 1; pk <= 2; ++pk) {
            const WyjscieModulu& w = *m.wyjscie(pk);
            const auto opisy = opisyWyjscia(w, kodPk, pk, adres);
            bufor += sformatuj("|     |     |        |     PK%d |   %-2d  |      | %s |%-32s|\n"
                               "|     |     |        |         |       |      | %s |%-32s|\n",
                               pk, w.wariant, w.komunikatUszkodzenia.c_str(), opisy[0].c_str(),
                               w.komunikatAlarmu.c_str(), opisy[1].c_str());
            wiersze += 2;
            dalszeOpisy(opisy);
        }
    };
    if (bkvZadeklarowany != 0) modulPkWiersze(bkv, ModulBkv::adres, "   BKV   ");
    for (const ModulBtz& m : btz) {
        if (czyModulPkZadeklarowany(m.podajIndeks()))
            modulPkWiersze(m, m.podajIndeks(), sformatuj("  BTZ %d  ", m.podajIndeks()));
    }
    bufor += '|' + std::string(113, '-') + "|\n";
    return wiersze + 1;
}

void Xgn30::drukujNaglowek(std::string& bufor) {
    bufor += tekst(472);
}

bool Xgn30::czyDrukowac() const {
    if (flagi.drukowanie == 0) return false;
    return flagi.drukowanie == 2 || czyZadeklarowany();
}
