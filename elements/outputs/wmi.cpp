#include "elements/outputs/wmi.h"

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/xml.h"
#include "elements/outputs/wio_wspolne.h"
#include "lang/formatowanie.h"
#include "lang/language.h"

using namespace wejscia_wyjscia;

FlagiKlasy Wmi::flagi{1, 1};

namespace {

// Block layout.
constexpr int bNumer = 0;
constexpr int bWejscie = 1;
constexpr int bWariant = 4;
constexpr int bBajt5 = 5;
constexpr int bBajt6 = 6;
constexpr int bStrefaStarsza = 7; // bit 7 group B, bits 0-6 the zone's high bits
constexpr int bStrefaMlodsza = 8;
constexpr int bKomunikatAlarmu = 10;
constexpr int bKomunikatUszkodzenia = 42;
constexpr int bitGrupyB = 0x80;
constexpr int maksStrefa = 0x7FFF;
constexpr int liniaKreskowa = 82;

int liczbaStref() {
    return biezacaCentrala != nullptr ? biezacaCentrala->liczbaStref : maksStrefa;
}

int tekstWariantu(int w) {
    if (w >= 1 && w <= 2) return 159 + w - 1;
    if (w == 3) return 402;
    return 158;
}

} // namespace

Wmi::Wmi(int numer, int wejscie)
    : ElementSystemu(134, 178, tekst(328) + std::to_string(numer)), numer(numer), wejscie(wejscie),
      strefa(numer), komunikatAlarmu(komunikat(tekst(161))),
      komunikatUszkodzenia(komunikat(formatujTekst(403, numer, wejscie))) {}

int Wmi::maksWariantu() {
    return czyOprogramowanieNajstarsze() ? 2 : 3;
}

int Wmi::podajDlugoscBloku() const {
    return czyOprogramowanieNajstarsze() ? dlugoscKrotka : dlugosc;
}

int Wmi::ustalWariant(int w) {
    if (w < 0 || w > maksWariantu()) return 1;
    wariant = w;
    return 0;
}

int Wmi::ustalStrefe(int s) {
    if (s < 1 || s > liczbaStref() || s > maksStrefa) return 1;
    strefa = s;
    return 0;
}

int Wmi::ustalGrupeB(int g) {
    if (g != 0 && g != 1) return 1;
    grupaB = g;
    return 0;
}

void Wmi::ustalKomunikat(bool alarmu, const std::string& t) {
    (alarmu ? komunikatAlarmu : komunikatUszkodzenia) = komunikat(t);
}

int Wmi::opisWariantu(std::string& bufor, int w) const {
    const int uzyty = w == 0 ? wariant : w;
    bufor = tekst(tekstWariantu(uzyty));
    return uzyty;
}

int Wmi::linia() const {
    return elementLinii(kodTypu, numer).linia;
}

int Wmi::adres() const {
    return elementLinii(kodTypu, numer).adres;
}

bool Wmi::czyZadeklarowany() const {
    return elementLinii(kodTypu, numer).zadeklarowany;
}

std::uint32_t Wmi::podajKlucz() const {
    const ElementLinii e = elementLinii(kodTypu, numer);
    const auto l = static_cast<std::uint32_t>(e.linia);
    const auto a = static_cast<std::uint32_t>(e.adres);
    return static_cast<std::uint32_t>(wejscie) << 28 | ((l << 24) & 0x0FFFFFFFu) |
           ((a << 16) & 0x00FFFFFFu) | 0x4200u | static_cast<std::uint32_t>(numer & 0xFF);
}

void Wmi::zapiszBlok(Bajty& blok) {
    const int n = podajDlugoscBloku();
    blok.assign(static_cast<std::size_t>(n), 0);
    blok[bNumer] = static_cast<std::uint8_t>(numer);
    blok[bWejscie] = static_cast<std::uint8_t>(wejscie);
    blok[bWariant] = static_cast<std::uint8_t>(wariant);
    blok[bStrefaStarsza] =
        static_cast<std::uint8_t>((grupaB != 0 ? bitGrupyB : 0) | ((strefa >> 8) & 0x7F));
    blok[bStrefaMlodsza] = static_cast<std::uint8_t>(strefa & 0xFF);
    zapiszKomunikat(blok, bKomunikatAlarmu, komunikatAlarmu);
    if (n >= dlugosc) zapiszKomunikat(blok, bKomunikatUszkodzenia, komunikatUszkodzenia);
}

int Wmi::odczytajBlok(std::span<const std::uint8_t> blok) {
    const auto ma = [&blok](int koniec) { return blok.size() >= static_cast<std::size_t>(koniec); };
    if (!ma(bWejscie + 1) || blok[bNumer] != numer || blok[bWejscie] != wejscie) return 1;
    if (!ma(bWariant + 1) || ustalWariant(blok[bWariant]) != 0) return 2;
    if (!ma(bStrefaMlodsza + 1)) return 1;
    bajt5 = blok[bBajt5];
    bajt6 = blok[bBajt6];
    // The zone is checked whatever the variant: a zone 0 record is damaged.
    const int s = (blok[bStrefaStarsza] & 0x7F) << 8 | blok[bStrefaMlodsza];
    if (ustalStrefe(s) != 0) return 1;
    grupaB = (blok[bStrefaStarsza] & bitGrupyB) != 0 ? 1 : 0;
    if (!ma(bKomunikatAlarmu + dlugoscKomunikatu)) return 3;
    komunikatAlarmu = czytajKomunikat(blok, bKomunikatAlarmu);
    if (ma(bKomunikatUszkodzenia + dlugoscKomunikatu))
        komunikatUszkodzenia = czytajKomunikat(blok, bKomunikatUszkodzenia);
    return 0;
}

int Wmi::ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) {
    zapytanie = {pierwszy, static_cast<std::uint8_t>(numer), static_cast<std::uint8_t>(wejscie)};
    return 3;
}

void Wmi::zapiszXML(std::string& bufor, std::uint8_t grupy) {
    if ((grupy & 8) == 0 || wariant == 0) return;
    const int tryb = elementLinii(kodTypu, numer).tryb;
    bufor += "<input>";
    dopiszIdXML(bufor, podajKlucz());
    dopiszXML(bufor, "input_mode", wejscie >= 1 && wejscie <= 8 ? (tryb >> (wejscie - 1)) & 1 : 0);
    dopiszXML(bufor, "variant", wariant);
    if (wariant == 1) dopiszTekstXML(bufor, "tech_alarm_message", tekstKomunikatu(komunikatAlarmu));
    if (wariant == wariantPozarowy) dopiszXML(bufor, "zone", strefa);
    if (wariant == 3) dopiszTekstXML(bufor, "fault_message", tekstKomunikatu(komunikatUszkodzenia));
    bufor += "</input>";
}

int Wmi::drukujWiersz(std::string& bufor) {
    const ElementLinii e = elementLinii(kodTypu, numer);
    const std::string s = wariant == wariantPozarowy ? sformatuj("%4d", strefa) : "  - ";
    std::string k = "              ---               ";
    if (wariant == 1) k = komunikat(tekstKomunikatu(komunikatAlarmu));
    if (wariant == 3) k = komunikat(tekstKomunikatu(komunikatUszkodzenia));
    bufor += sformatuj("| %-3d |   %d   |  %d  |  %-3d   |     %d     | %s | %s |\n", numer,
                       wejscie, e.linia, e.adres, wariant, s.c_str(), k.c_str());
    bufor += '|' + std::string(liniaKreskowa, '-') + "|\n";
    return 2;
}

void Wmi::drukujNaglowek(std::string& bufor) {
    bufor += tekst(314);
}

bool Wmi::czyDrukowac() const {
    return czyDrukowacRekord(flagi.drukowanie, czyZadeklarowany());
}
