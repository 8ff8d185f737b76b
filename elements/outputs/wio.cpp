#include "elements/outputs/wio.h"

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/xml.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/wio_wspolne.h"
#include "lang/formatowanie.h"
#include "lang/language.h"

using namespace wejscia_wyjscia;

FlagiKlasy Wio::flagi{1, 1};

namespace {

// Block layout.
constexpr int bNumer = 0;
constexpr int bWariant = 3;
constexpr int bStrefyK = 4; // panel: 2 bytes
constexpr int bBajt6 = 6;
constexpr int bZnacznik = 8;  // panel: 0x55, 0xAA, 0x7B
constexpr int bWejscie1 = 11; // panel: 2 bytes
constexpr int bWejscie2 = 13; // panel: 2 bytes
constexpr int bStrefy = 8;    // generic root: bit j of byte 8 + i is zone 8i + j + 1
constexpr int bajtowStref = 64;
constexpr int bKomunikaty = 72; // four messages of 32 characters
constexpr std::uint8_t znacznik[3] = {0x55, 0xAA, 0x7B};

constexpr int wariantKasujacy = 15;
constexpr int liniaKreskowa = 100;
constexpr int wierszyBloku = 8;

// Default message templates, in the order of the messages.
constexpr int tekstyKomunikatow[Wio::liczbaKomunikatow] = {132, 133, 134, 135};

int liczbaWio() {
    return biezacaCentrala != nullptr ? biezacaCentrala->liczbaWio : 250;
}

int liczbaStref() {
    return biezacaCentrala != nullptr ? biezacaCentrala->liczbaStref : 0xFFFF;
}

int tekstWariantu(int w) {
    if (w >= 1 && w <= 14) return 137 + w - 1;
    if (w == wariantKasujacy) return 400;
    if (w >= 16 && w <= 19) return 431 + w - 16;
    return 136;
}

} // namespace

Wio::Wio(int numer) : ElementSystemu(117, 165, tekst(326) + std::to_string(numer)), numer(numer) {
    if (czyGeneryczna()) matrycaStref.emplace();
    for (int i = 0; i < liczbaKomunikatow; ++i)
        komunikaty[static_cast<std::size_t>(i)] =
            komunikat(formatujTekst(tekstyKomunikatow[i], numer));
}

int Wio::maksWariantu() {
    const int maks = biezacaCentrala != nullptr ? biezacaCentrala->maksWariant : 19;
    if (czyOprogramowanieNajstarsze()) return maks - 3;
    if (czyOprogramowanieStarsze()) return maks - 2;
    return maks;
}

int Wio::ustalNumer(int n) {
    if (n < 0 || n > liczbaWio()) return 1;
    numer = n;
    return 0;
}

int Wio::ustalWariant(int w) {
    if (w < 0 || w > maksWariantu()) return 1;
    wariant = w;
    if (!czyKzN()) strefyK = 1;
    return 0;
}

void Wio::ustalStrefyK(int k) {
    strefyK = czyKzN() ? k : 1;
}

int Wio::ustalKomunikat(int ktory, const std::string& t) {
    if (ktory < 0 || ktory >= liczbaKomunikatow) return 1;
    komunikaty[static_cast<std::size_t>(ktory)] = komunikat(t);
    return 0;
}

int Wio::ustalWejscieStrefa(int wejscie, int strefa) {
    if (strefa < 0 || strefa > liczbaStref() || strefa > 0xFFFF) return 1;
    if (wejscie == 1)
        wejscie1Strefa = strefa;
    else if (wejscie == 2)
        wejscie2Strefa = strefa;
    else
        return 1;
    return 0;
}

int Wio::podajWejscieStrefa(int wejscie) const {
    return wejscie == 2 ? wejscie2Strefa : wejscie1Strefa;
}

const std::string& Wio::podajKomunikat(int ktory) const {
    return komunikaty[static_cast<std::size_t>(ktory < 0 || ktory >= liczbaKomunikatow ? 0
                                                                                       : ktory)];
}

int Wio::trybPrzypisania() const {
    switch (wariant) {
    case 2:
    case 3:
    case 5:
    case 6:
    case 17:
    case 18:
    case 19:
        return Stos::trybStrefy;
    case 10:
    case 11:
    case 12:
        return Stos::trybWio;
    case 13:
    case 14:
        return Stos::trybWmi;
    default:
        return 0;
    }
}

int Wio::opisWariantu(std::string& bufor, int w) const {
    const int uzyty = w == 0 ? wariant : w;
    bufor = tekst(tekstWariantu(uzyty));
    return uzyty;
}

int Wio::linia() const {
    return elementLinii(kodTypu, numer).linia;
}

int Wio::adres() const {
    return elementLinii(kodTypu, numer).adres;
}

bool Wio::czyZadeklarowany() const {
    return elementLinii(kodTypu, numer).zadeklarowany;
}

std::vector<std::pair<int, int>> Wio::podajPrzypisania() const {
    return przypisania(Stos::kodWio, numer, 0);
}

std::uint32_t Wio::podajKlucz() const {
    const ElementLinii e = elementLinii(kodTypu, numer);
    return static_cast<std::uint32_t>(e.linia & 0xF) << 24 |
           static_cast<std::uint32_t>(e.adres & 0xFF) << 16 | 0x4000u |
           static_cast<std::uint32_t>(numer & 0xFF);
}

void Wio::zapiszBlok(Bajty& blok) {
    blok.assign(dlugosc, 0);
    blok[bNumer] = static_cast<std::uint8_t>(numer);
    blok[bWariant] = static_cast<std::uint8_t>(wariant);
    if (matrycaStref) {
        for (int z = 1; z <= bajtowStref * 8; ++z) {
            if (matrycaStref->podaj(z) != 0)
                blok[static_cast<std::size_t>(bStrefy + (z - 1) / 8)] |=
                    static_cast<std::uint8_t>(1 << ((z - 1) % 8));
        }
    } else {
        zapisz16(blok, bStrefyK, strefyK);
        for (int i = 0; i < 3; ++i) blok[static_cast<std::size_t>(bZnacznik + i)] = znacznik[i];
        zapisz16(blok, bWejscie1, wejscie1Strefa);
        zapisz16(blok, bWejscie2, wejscie2Strefa);
    }
    for (int i = 0; i < liczbaKomunikatow; ++i)
        zapiszKomunikat(blok, bKomunikaty + i * dlugoscKomunikatu,
                        komunikaty[static_cast<std::size_t>(i)]);
    // An output whose criterion no longer takes assignments loses them when saved or sent.
    if (!matrycaStref && trybPrzypisania() == 0) usunPrzypisania(Stos::kodWio, numer, 0);
}

int Wio::odczytajBlok(std::span<const std::uint8_t> blok) {
    const auto ma = [&blok](int koniec) { return blok.size() >= static_cast<std::size_t>(koniec); };
    if (!ma(bNumer + 1)) return 1;
    // A record of another WIO is refused: renumbering would give two records one number.
    const int n = blok[bNumer];
    if (n == 0 || n > liczbaWio() || n != numer) return 1;
    if (!ma(bWariant + 1) || ustalWariant(blok[bWariant]) != 0) return 2;
    if (matrycaStref) {
        if (!ma(bBajt6 + 1)) return 3;
        bajt6 = blok[bBajt6];
        if (!ma(bStrefy + bajtowStref)) return 4;
        std::uint8_t strefy[bajtowStref * 8];
        for (int z = 0; z < bajtowStref * 8; ++z)
            strefy[z] = (blok[static_cast<std::size_t>(bStrefy + z / 8)] >> (z % 8)) & 1;
        if (matrycaStref->wczytaj(strefy) != 0) return 4;
        if (!ma(dlugosc)) return 5;
    } else {
        if (!ma(bStrefyK + 2)) return 3;
        ustalStrefyK(czytaj16(blok, bStrefyK));
        if (!ma(bBajt6 + 1)) return 4;
        bajt6 = blok[bBajt6];
        if (!ma(bWejscie1 + 2)) return 5;
        wejscie1Strefa = czytaj16(blok, bWejscie1);
        if (!ma(bWejscie2 + 2)) return 6;
        wejscie2Strefa = czytaj16(blok, bWejscie2);
        if (!ma(dlugosc)) return 7;
    }
    for (int i = 0; i < liczbaKomunikatow; ++i)
        komunikaty[static_cast<std::size_t>(i)] =
            czytajKomunikat(blok, bKomunikaty + i * dlugoscKomunikatu);
    return 0;
}

int Wio::ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) {
    zapytanie = {pierwszy, static_cast<std::uint8_t>((numer >> 8) & 0xFF),
                 static_cast<std::uint8_t>(numer & 0xFF)};
    return 3;
}

void Wio::zapiszXML(std::string& bufor, std::uint8_t grupy) {
    if (wariant == 0) return;
    const int tryb = elementLinii(kodTypu, numer).tryb;
    const std::uint32_t klucz = podajKlucz();
    const int ciaglosc = (tryb >> 7) & 1;
    if ((grupy & 8) != 0) {
        const auto wejscie = [&](int nr, int kontrolaWyjscia, const std::string& uszkodzenie,
                                 const std::string& alarm) {
            bufor += "<input>";
            dopiszIdXML(bufor, klucz | static_cast<std::uint32_t>(nr) << 28);
            dopiszXML(bufor, "continuity_monitoring", ciaglosc);
            dopiszXML(bufor, "output_monitoring", kontrolaWyjscia);
            dopiszXML(bufor, "input_mode", (tryb >> (nr == 1 ? 3 : 4)) & 1);
            dopiszTekstXML(bufor, "fault_message", tekstKomunikatu(uszkodzenie));
            dopiszTekstXML(bufor, "tech_alarm_message", tekstKomunikatu(alarm));
            bufor += "</input>";
        };
        wejscie(1, tryb & 3, komunikaty[0], komunikaty[2]);
        wejscie(2, (tryb & 4) != 0 ? tryb & 3 : 0, komunikaty[1], komunikaty[3]);
    }
    if ((grupy & 16) == 0) return;
    bufor += "<output>";
    dopiszIdXML(bufor, klucz | 0x10000000u);
    dopiszXML(bufor, "continuity_monitoring", ciaglosc);
    dopiszXML(bufor, "hardware_type", 1);
    dopiszXML(bufor, "variant", wariant);
    if (czyKzN()) dopiszXML(bufor, "zones_k", strefyK);
    const auto lista = podajPrzypisania();
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
    if (wariant >= 10 && wariant <= 14) {
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
    const int opoznienie = (tryb >> 5) & 3;
    if (opoznienie != 0) dopiszXML(bufor, "delay", opoznienie * 30);
    bufor += "</output>";
}

int Wio::drukujWiersz(std::string& bufor) {
    const ElementLinii e = elementLinii(kodTypu, numer);
    std::vector<std::string> opisy = opisyPrzypisan(podajPrzypisania(), trybPrzypisania());
    if (opisy.size() < wierszyBloku) opisy.resize(wierszyBloku, std::string());
    const auto o = [&opisy](int i) { return opisy[static_cast<std::size_t>(i)].c_str(); };
    std::array<std::string, liczbaKomunikatow> k;
    for (int i = 0; i < liczbaKomunikatow; ++i)
        k[static_cast<std::size_t>(i)] =
            komunikat(tekstKomunikatu(komunikaty[static_cast<std::size_t>(i)]));
    bufor += formatujTekst(312, numer, e.linia, e.adres, wariant, o(0), k[0].c_str(), o(1), o(2),
                           k[1].c_str(), o(3), o(4), k[2].c_str(), o(5), o(6), k[3].c_str(), o(7));
    for (std::size_t i = wierszyBloku; i < opisy.size(); ++i)
        bufor += sformatuj(
            "|     |     |        |           |                                  |%-32s|\n",
            opisy[i].c_str());
    bufor += '|' + std::string(liniaKreskowa, '-') + "|\n";
    return static_cast<int>(opisy.size()) + 1;
}

void Wio::drukujNaglowek(std::string& bufor) {
    bufor += tekst(311);
}

bool Wio::czyDrukowac() const {
    return czyDrukowacRekord(flagi.drukowanie, czyZadeklarowany());
}
