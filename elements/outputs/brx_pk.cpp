#include "elements/outputs/brx_pk.h"

#include "core/xml.h"
#include "elements/outputs/brx.h"
#include "lang/language.h"

FlagiKlasy BrxPk::flagi{0, 0};

namespace {

constexpr int bRodzaj = 0;
constexpr int bPakiet = 1;  // package - 1
constexpr int bNumer = 2;   // relay - 1
constexpr int bFunkcja = 3; // bit 7: control of operation

} // namespace

BrxPk::BrxPk(int pakiet, int numer)
    : ElementSystemu(135, 179,
                     "BRX" + std::to_string(pakiet) + " " + tekst(317) + std::to_string(numer)),
      pakiet(pakiet), numer(numer), funkcja(numer == 1 || (numer >= 4 && numer <= 6) ? numer : 0) {}

std::uint32_t BrxPk::podajKlucz() const {
    return static_cast<std::uint32_t>(numer) << 28 | static_cast<std::uint32_t>(pakiet) | 0xA300u;
}

void BrxPk::zapiszBlok(Bajty& blok) {
    blok.assign(dlugosc, 0);
    blok[bRodzaj] = rodzaj;
    blok[bPakiet] = static_cast<std::uint8_t>(pakiet - 1);
    blok[bNumer] = static_cast<std::uint8_t>(numer - 1);
    blok[bFunkcja] = static_cast<std::uint8_t>((funkcja & 0x7F) | (kontrolaZadzialania ? 0x80 : 0));
}

int BrxPk::odczytajBlok(std::span<const std::uint8_t> blok) {
    if (blok.size() < static_cast<std::size_t>(dlugosc) || blok[bRodzaj] != rodzaj ||
        blok[bPakiet] + 1 != pakiet || blok[bNumer] + 1 != numer)
        return 1;
    funkcja = blok[bFunkcja] & 0x7F;
    kontrolaZadzialania = (blok[bFunkcja] & 0x80) != 0;
    return 0;
}

int BrxPk::ustalZapytanie(Bajty& zapytanie, std::uint8_t) {
    zapytanie = {rodzaj, static_cast<std::uint8_t>(pakiet - 1),
                 static_cast<std::uint8_t>(numer - 1)};
    return 3;
}

void BrxPk::zapiszXML(std::string& bufor, std::uint8_t grupy) {
    if ((grupy & 16) == 0 || funkcja <= 0 || !czyPakietBrxZadeklarowany(pakiet)) return;
    bufor += "<output>";
    dopiszIdXML(bufor, podajKlucz());
    dopiszXML(bufor, "hardware_type", 1);
    dopiszXML(bufor, "function", funkcja);
    dopiszXML(bufor, "control_of_operation", kontrolaZadzialania ? 1 : 0);
    bufor += "</output>";
}
