#include "elements/outputs/brx_lk.h"

#include "core/xml.h"
#include "elements/outputs/brx.h"
#include "lang/formatowanie.h"
#include "lang/language.h"

FlagiKlasy BrxLk::flagi{0, 0};

namespace {

constexpr int bRodzaj = 0;
constexpr int bPakiet = 1; // package - 1
constexpr int bNumer = 2;  // line - 1
constexpr int bFunkcja = 3;
constexpr int bKomunikat = 4; // 64 characters

} // namespace

BrxLk::BrxLk(int pakiet, int numer)
    : ElementSystemu(135, 179,
                     "BRX" + std::to_string(pakiet) + " " + tekst(319) + std::to_string(numer)),
      pakiet(pakiet), numer(numer), funkcja(numer == 1 || numer == 3 || numer == 5 ? numer : 0),
      komunikat(dlugoscKomunikatu, ' ') {}

std::uint32_t BrxLk::podajKlucz() const {
    return static_cast<std::uint32_t>(numer) << 28 | static_cast<std::uint32_t>(pakiet) | 0xA300u;
}

void BrxLk::ustalFunkcje(int f) {
    funkcja = f;
    switch (f) {
    case 6:
        ustalKomunikat(tekst(216));
        break;
    case 7:
        ustalKomunikat(tekst(217));
        break;
    case 11:
        ustalKomunikat(tekst(218));
        break;
    default:
        ustalKomunikat("");
    }
}

void BrxLk::ustalKomunikat(const std::string& k) {
    komunikat = naSzerokosc(k, dlugoscKomunikatu);
}

void BrxLk::zapiszBlok(Bajty& blok) {
    blok.assign(dlugosc, 0);
    blok[bRodzaj] = rodzaj;
    blok[bPakiet] = static_cast<std::uint8_t>(pakiet - 1);
    blok[bNumer] = static_cast<std::uint8_t>(numer - 1);
    blok[bFunkcja] = static_cast<std::uint8_t>(funkcja);
    const std::string tekstPanelu = kodujTekst(komunikat);
    std::copy(tekstPanelu.begin(), tekstPanelu.end(), blok.begin() + bKomunikat);
}

int BrxLk::odczytajBlok(std::span<const std::uint8_t> blok) {
    if (blok.size() < static_cast<std::size_t>(dlugosc) || blok[bRodzaj] != rodzaj ||
        blok[bPakiet] + 1 != pakiet || blok[bNumer] + 1 != numer)
        return 1;
    funkcja = blok[bFunkcja] & 0x0F;
    const std::string tekstPanelu(blok.begin() + bKomunikat,
                                  blok.begin() + bKomunikat + dlugoscKomunikatu);
    komunikat = dekodujTekst(tekstPanelu);
    return 0;
}

int BrxLk::ustalZapytanie(Bajty& zapytanie, std::uint8_t) {
    zapytanie = {rodzaj, static_cast<std::uint8_t>(pakiet - 1),
                 static_cast<std::uint8_t>(numer - 1)};
    return 3;
}

void BrxLk::zapiszXML(std::string& bufor, std::uint8_t grupy) {
    if ((grupy & 8) == 0 || funkcja <= 0 || !czyPakietBrxZadeklarowany(pakiet)) return;
    bufor += "<input>";
    dopiszIdXML(bufor, podajKlucz());
    dopiszXML(bufor, "function", funkcja);
    if (funkcja == 11) dopiszTekstXML(bufor, "tech_alarm_message", komunikat);
    bufor += "</input>";
}

std::optional<std::string> BrxLk::podajOpis(int czesc) const {
    if (czesc == 1) return komunikat.substr(0, 32);
    if (czesc == 2) return komunikat.substr(32, 32);
    return komunikat;
}
