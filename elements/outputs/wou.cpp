#include "elements/outputs/wou.h"

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/xml.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/wio_wspolne.h"
#include "lang/formatowanie.h"
#include "lang/language.h"

using namespace wejscia_wyjscia;

FlagiKlasy Wou::flagi{1, 1};

namespace {

// Block layout.
constexpr int bNumer = 0;
constexpr int bWyjscie = 1;
constexpr int bWariant = 4;
constexpr int bBajt5 = 5;
constexpr int bBajt6 = 6;
constexpr int bStrefyK = 7;        // panel: 2 bytes, the first always written 0
constexpr int bBajt7 = 7;          // generic root
constexpr int bPierwszaStrefa = 8; // generic root: 2 bytes, 0 when no zone
constexpr int bOkno = 10;          // generic root: bit j of byte 10 + i is zone first + 8i + j
constexpr int maksBajt7 = 16;
constexpr int liniaKreskowa = 73;

int tekstWariantu(int w) {
    if (w >= 1 && w <= 6) return 152 + w - 1;
    if (w == 7) return 401;
    if (w == 8) return 435;
    if (w == 9) return 436;
    return 151;
}

} // namespace

Wou::Wou(int numer, int wyjscie)
    : ElementSystemu(132, 169, tekst(327) + std::to_string(numer)), numer(numer), wyjscie(wyjscie) {
    if (czyGeneryczna()) matrycaStref.emplace();
}

int Wou::maksWariantu() {
    if (czyOprogramowanieNajstarsze()) return 6;
    if (czyOprogramowanieStarsze()) return 7;
    return 9;
}

int Wou::ustalWariant(int w) {
    if (w < 0 || w > maksWariantu()) return 1;
    wariant = w;
    if (!czyKzN()) strefyK = 1;
    return 0;
}

void Wou::ustalStrefyK(int k) {
    strefyK = czyKzN() ? k : 1;
}

int Wou::ustalBajt7(int b) {
    if (b < 0 || b > maksBajt7) return 1;
    bajt7 = b;
    return 0;
}

int Wou::trybPrzypisania() const {
    switch (wariant) {
    case 2:
    case 3:
    case 5:
    case 6:
    case 8:
    case 9:
        return Stos::trybStrefy;
    default:
        return 0;
    }
}

int Wou::opisWariantu(std::string& bufor, int w) const {
    const int uzyty = w == 0 ? wariant : w;
    bufor = tekst(tekstWariantu(uzyty));
    return uzyty;
}

int Wou::linia() const {
    return elementLinii(kodTypu, numer).linia;
}

int Wou::adres() const {
    return elementLinii(kodTypu, numer).adres;
}

bool Wou::czyZadeklarowany() const {
    return elementLinii(kodTypu, numer).zadeklarowany;
}

std::vector<std::pair<int, int>> Wou::podajPrzypisania() const {
    return przypisania(Stos::kodWou, numer, wyjscie);
}

std::uint32_t Wou::podajKlucz() const {
    const ElementLinii e = elementLinii(kodTypu, numer);
    const auto l = static_cast<std::uint32_t>(e.linia);
    const auto a = static_cast<std::uint32_t>(e.adres);
    return static_cast<std::uint32_t>(wyjscie) << 28 | ((l << 24) & 0x0FFFFFFFu) |
           ((a << 16) & 0x00FFFFFFu) | 0x4100u | static_cast<std::uint32_t>(numer & 0xFF);
}

void Wou::zapiszBlok(Bajty& blok) {
    blok.assign(dlugosc, 0);
    blok[bNumer] = static_cast<std::uint8_t>(numer);
    blok[bWyjscie] = static_cast<std::uint8_t>(wyjscie);
    blok[bWariant] = static_cast<std::uint8_t>(wariant);
    if (matrycaStref) {
        blok[bBajt7] = static_cast<std::uint8_t>(bajt7);
        const int pierwsza = matrycaStref->pierwszaStrefa();
        zapisz16(blok, bPierwszaStrefa, pierwsza);
        for (int i = 0; i < MatrycaStref::szerokoscOkna; ++i) {
            if (matrycaStref->bajtOkna(i) != 0)
                blok[static_cast<std::size_t>(bOkno + i / 8)] |=
                    static_cast<std::uint8_t>(1 << (i % 8));
        }
    } else {
        zapisz16(blok, bStrefyK, strefyK & 0xFF);
        // An output whose criterion no longer takes zones loses them when saved or sent.
        if (trybPrzypisania() == 0) usunPrzypisania(Stos::kodWou, numer, wyjscie);
    }
}

int Wou::odczytajBlok(std::span<const std::uint8_t> blok) {
    const auto ma = [&blok](int koniec) { return blok.size() >= static_cast<std::size_t>(koniec); };
    if (!ma(bWyjscie + 1) || blok[bNumer] != numer || blok[bWyjscie] != wyjscie) return 1;
    if (!ma(bWariant + 1) || ustalWariant(blok[bWariant]) != 0) return 2;
    if (!ma(bBajt6 + 1)) return 3;
    bajt5 = blok[bBajt5];
    bajt6 = blok[bBajt6];
    if (!matrycaStref) {
        if (!ma(bStrefyK + 2)) return 4;
        ustalStrefyK(czytaj16(blok, bStrefyK));
        return 0;
    }
    if (!ma(bBajt7 + 1) || ustalBajt7(blok[bBajt7]) != 0) return 4;
    if (!ma(bPierwszaStrefa + 2)) return 5;
    if (!ma(dlugosc)) return 6;
    std::array<std::uint8_t, MatrycaStref::szerokoscOkna> okno{};
    for (int i = 0; i < MatrycaStref::szerokoscOkna; ++i)
        okno[static_cast<std::size_t>(i)] =
            (blok[static_cast<std::size_t>(bOkno + i / 8)] >> (i % 8)) & 1;
    if (matrycaStref->wczytajOkno(okno, blok[bPierwszaStrefa], blok[bPierwszaStrefa + 1]) != 0)
        return 6;
    return 0;
}

int Wou::ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) {
    zapytanie = {pierwszy, static_cast<std::uint8_t>(numer), static_cast<std::uint8_t>(wyjscie)};
    return 3;
}

void Wou::zapiszXML(std::string& bufor, std::uint8_t grupy) {
    if ((grupy & 16) == 0 || wariant == 0) return;
    bufor += "<output>";
    dopiszIdXML(bufor, podajKlucz());
    dopiszXML(bufor, "hardware_type", 1);
    dopiszXML(bufor, "variant", wariant);
    if (czyKzN()) dopiszXML(bufor, "zones_k", strefyK);
    if (trybPrzypisania() == Stos::trybStrefy) {
        bufor += "<zones>";
        for (const auto& [strefa, centrala] : podajPrzypisania()) {
            bufor += "<zone>";
            dopiszXML(bufor, "zone_nr", strefa);
            dopiszXML(bufor, "control_panel_nr", centrala);
            bufor += "</zone>";
        }
        bufor += "</zones>";
    }
    bufor += "</output>";
}

int Wou::drukujWiersz(std::string& bufor) {
    const ElementLinii e = elementLinii(kodTypu, numer);
    const int tryb = trybPrzypisania();
    std::vector<std::string> opisy = opisyPrzypisan(podajPrzypisania(), tryb);
    if (opisy.empty() || tryb == 0) opisy.assign(1, "              --- ");
    bufor += sformatuj("| %-3d |   %d   | %-3d |  %-3d   |     %d     |%-32s|\n", numer, wyjscie,
                       e.linia, e.adres, wariant, opisy[0].c_str());
    for (std::size_t i = 1; i < opisy.size(); ++i)
        bufor += sformatuj("|     |       |     |        |           |%-32s|\n", opisy[i].c_str());
    bufor += '|' + std::string(liniaKreskowa, '-') + "|\n";
    return static_cast<int>(opisy.size()) + 1;
}

void Wou::drukujNaglowek(std::string& bufor) {
    bufor += tekst(313);
}

bool Wou::czyDrukowac() const {
    return czyDrukowacRekord(flagi.drukowanie, czyZadeklarowany());
}
