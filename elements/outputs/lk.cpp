#include "elements/outputs/lk.h"

#include <cstdio>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/xml.h"
#include "lang/formatowanie.h"
#include "lang/language.h"

FlagiKlasy Lk::flagi{1, 1};

namespace {

// Block layout; bytes 2, 4, 5 and 9 carry nothing.
constexpr int bRodzaj = 0;
constexpr int bNumer = 1;
constexpr int bWariant = 3;
constexpr int bGrupa = 6;
constexpr int bNumerWyjscia = 7;
constexpr int bZarezerwowany = 8;
constexpr int bUszkodzenie = 10;
constexpr int bAlarm = 74;

} // namespace

Lk::Lk(int numer)
    : ElementSystemu(118, 166, tekst(319) + std::to_string(numer)), numer(numer),
      komunikatUszkodzenia(naSzerokosc(formatujTekst(162, numer), dlugoscKomunikatu)),
      komunikatAlarmu(naSzerokosc(formatujTekst(163, numer), dlugoscKomunikatu)) {}

std::uint32_t Lk::podajKlucz() const {
    return static_cast<std::uint32_t>(numer) << 28 | 0xFF03u;
}

int Lk::ustalWariant(int w) {
    if (w < 0 || w > 3) return 1;
    wariant = w;
    return 0;
}

int Lk::ustalGrupe(int g) {
    if (g == grupaPk || g == grupaLs) {
        grupaWyjscia = g;
        return 0;
    }
    return wariant == 0 ? 0 : 1;
}

int Lk::ustalNumerWyjscia(int n) {
    const bool wZakresie = grupaWyjscia == grupaPk ? (n >= 2 && n <= 16) : (n >= 1 && n <= 8);
    if (wZakresie) {
        numerWyjscia = n;
        return 0;
    }
    return wariant == 0 ? 0 : 1;
}

void Lk::ustalKomunikatUszkodzenia(const std::string& k) {
    komunikatUszkodzenia = naSzerokosc(k, dlugoscKomunikatu);
}

void Lk::ustalKomunikatAlarmu(const std::string& k) {
    komunikatAlarmu = naSzerokosc(k, dlugoscKomunikatu);
}

std::string Lk::podajLinieKomunikatu(int ktory, int linia) const {
    const std::string& k = ktory == 0 ? komunikatUszkodzenia : komunikatAlarmu;
    return k.substr(linia == 2 ? 32 : 0, 32);
}

int Lk::opisWariantu(std::string& bufor, int w) const {
    if (w == 255) w = wariant;
    bufor = w >= 0 && w <= 3 ? tekst(164 + w) : std::string();
    return w;
}

void Lk::zapiszBlok(Bajty& blok) {
    blok.assign(dlugosc, 0);
    blok[bRodzaj] = rodzaj;
    blok[bNumer] = static_cast<std::uint8_t>(numer);
    blok[bWariant] = static_cast<std::uint8_t>(wariant);
    blok[bGrupa] = static_cast<std::uint8_t>(grupaWyjscia);
    blok[bNumerWyjscia] = static_cast<std::uint8_t>(numerWyjscia);
    const std::string u = kodujTekst(komunikatUszkodzenia), a = kodujTekst(komunikatAlarmu);
    std::copy(u.begin(), u.end(), blok.begin() + bUszkodzenie);
    std::copy(a.begin(), a.end(), blok.begin() + bAlarm);
}

int Lk::odczytajBlok(std::span<const std::uint8_t> blok) {
    if (blok.size() < static_cast<std::size_t>(dlugosc) || blok[bRodzaj] != rodzaj) return 1;
    const int liczba = biezacaCentrala != nullptr ? biezacaCentrala->liczbaLk : 8;
    if (blok[bNumer] == 0 || blok[bNumer] > liczba || blok[bNumer] != numer) return 2;
    if (ustalWariant(blok[bWariant]) != 0) return 4;
    if (ustalGrupe(blok[bGrupa]) != 0) return 5;
    if (ustalNumerWyjscia(blok[bNumerWyjscia]) != 0) return 6;
    bajt8 = blok[bZarezerwowany];
    const auto tekstZ = [&blok](int od) {
        return dekodujTekst(std::string(blok.begin() + od, blok.begin() + od + dlugoscKomunikatu));
    };
    komunikatUszkodzenia = tekstZ(bUszkodzenie);
    komunikatAlarmu = tekstZ(bAlarm);
    return 0;
}

int Lk::ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) {
    zapytanie = {pierwszy, rodzaj, static_cast<std::uint8_t>(numer)};
    return 3;
}

void Lk::zapiszXML(std::string& bufor, std::uint8_t grupy) {
    if ((grupy & 8) == 0 || wariant <= 0) return;
    bufor += "<input>";
    dopiszIdXML(bufor, podajKlucz());
    dopiszXML(bufor, "variant", wariant);
    if (wariant == 1) {
        dopiszXML(bufor, "monitored_group", grupaWyjscia);
        dopiszXML(bufor, "monitored_output", numerWyjscia);
    }
    if (wariant == 1 || wariant == 2) dopiszTekstXML(bufor, "fault_message", komunikatUszkodzenia);
    if (wariant == 1 || wariant == 3) dopiszTekstXML(bufor, "tech_alarm_message", komunikatAlarmu);
    bufor += "</input>";
}

void Lk::drukujNaglowek(std::string& bufor) {
    bufor += tekst(309);
}

int Lk::drukujWiersz(std::string& bufor) {
    std::string grupa = "---", wyjscie = "---";
    if (wariant == 1) {
        grupa = tekst(grupaWyjscia == grupaLs ? 332 : 331);
        char n[8];
        std::snprintf(n, sizeof n, "%-3d", numerWyjscia);
        wyjscie = n;
    }
    const std::string u1 = podajLinieKomunikatu(0, 1), u2 = podajLinieKomunikatu(0, 2);
    const std::string a1 = podajLinieKomunikatu(1, 1), a2 = podajLinieKomunikatu(1, 2);
    bufor += formatujTekst(308, numer, wariant, grupa.c_str(), wyjscie.c_str(), u1.c_str(),
                           u2.c_str(), a1.c_str(), a2.c_str());
    return 7;
}
