#include "elements/lines/strefa.h"

#include <algorithm>
#include <cstdio>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/xml.h"
#include "elements/lines/element.h"
#include "elements/lines/typ_elementu.h"
#include "elements/outputs/wmi.h"
#include "elements/outputs/xgn.h"
#include "elements/outputs/xgn30.h"
#include "elements/outputs/xrm.h"
#include "lang/formatowanie.h"
#include "lang/language.h"

FlagiKlasy Strefa::flagi{1, 1};

namespace {

constexpr std::uint8_t kodZapisuStrefy = 116;
constexpr std::uint8_t kodOdczytuStrefy = 164;
constexpr int tekstNazwy = 316;
constexpr int tekstKomunikatu = 110;
constexpr int tekstWariantu0 = 114; // variant v is described by text 114 + v
constexpr int tekstNaglowka = 304;

constexpr int wariantDomyslny = 2;
// The first four zones of this model escalate with two-detector coincidence by default.
constexpr int typ7600 = 3;
constexpr int wariantDomyslny7600 = 15;
constexpr int strefZWariantem7600 = 4;

constexpr int kodXgn200 = 96;
constexpr int kodXgn300 = 97;
constexpr int kodWmi = 66;
constexpr int kodXrm = 103;
constexpr int wejscWmi = 8;
constexpr int modulowBqa = 8;
constexpr std::uint32_t idJednostkiXgn30 = 0x7001;
constexpr std::uint32_t idModuluXgn30 = 0x7100;

constexpr int grupaStref = 1; // XML group bit of the zones section

const char* const szablonWiersza1 = "|    %-3d  |     %-2d    |      %-3d    | %s |\n";
// Zones 1000 and above take the first cell's leading blank, so the row keeps the table's width.
const char* const szablonWiersza1Szeroki = "|   %-4d  |     %-2d    |      %-3d    | %s |\n";
const char* const poczatekWiersza2 = "|         |           |             | ";

int liczbaStrefCentrali() {
    return biezacaCentrala != nullptr ? biezacaCentrala->liczbaStref : 0;
}

// A message field as shown: the stored bytes up to the first zero, padded with blanks, so that
// table rows and XML keep their width whatever a record carried.
std::string pole(std::string_view komunikat, std::size_t od, std::size_t szerokosc) {
    std::string_view s = komunikat.substr(std::min(od, komunikat.size()), szerokosc);
    s = s.substr(0, s.find('\0'));
    return naSzerokosc(std::string(s), szerokosc);
}

// What a zone asks of other kinds. Until each accessor exists its function answers that nothing
// points at any zone, so counts stay 0 and no XML is written.

// What a zone needs of the device at one line address.
struct Urzadzenie {
    int kod = 0;           // type code, 0 = none
    int numer = 0;         // detectors: zone; other devices: logical number
    bool wStrefie = false; // a detector or call point
};

Urzadzenie urzadzenie(const Element& e) {
    const TypElementu& t = e.podajTyp();
    return {t.podajKod(), t.podajNumer(), t.czyWStrefie()};
}

bool czyWejsciePozarowe(const Wmi& w) {
    return w.podajWariant() == Wmi::wariantPozarowy;
}

// BQA modules declared on an XGN 300 unit: bit m - 1 for module m.
int maskaModulow(const Xgn30& x) {
    return x.podajMaskeBqa();
}

int strefaModulu(const Xgn30& x, int modul) {
    const ModulBqa* m = x.podajModulBqa(modul);
    return m != nullptr ? m->podajStrefe() : 0;
}

int strefaPierwszegoWejscia(const Xrm& x) {
    return x.podajStrefeLk(1);
}

template <class T, std::size_t N>
const T* obiekt(const std::array<T*, N>& tablica, int numer, int liczba) {
    if (numer < 1 || numer > liczba || static_cast<std::size_t>(numer) > N) return nullptr;
    return tablica[static_cast<std::size_t>(numer - 1)];
}

} // namespace

Strefa::Strefa(int numer)
    : ElementSystemu(kodZapisuStrefy, kodOdczytuStrefy, tekst(tekstNazwy) + std::to_string(numer)),
      nrStrefy(numer), wariant(wariantDomyslny), komunikat(dlugoscKomunikatu, ' ') {
    if (numer < 1 || numer > liczbaStrefCentrali()) return;
    if (biezacaCentrala->podajTypCentrali() == typ7600 && numer <= strefZWariantem7600)
        wariant = wariantDomyslny7600;
    komunikat = naSzerokosc(formatujTekst(tekstKomunikatu, numer), dlugoscKomunikatu);
}

int Strefa::ustalWariant(int v) {
    if (v < wariantNajnizszy || v > wariantNajwyzszy) return 1;
    wariant = v;
    return 0;
}

int Strefa::opisWariantu(std::string& opis, int v) const {
    int w = v == 0 ? wariant : v;
    if (w < wariantNajnizszy || w > wariantNajwyzszy) w = wariantNajnizszy;
    opis = tekst(tekstWariantu0 + w);
    return w;
}

void Strefa::ustalKomunikat(std::string_view tekst) {
    tekst = tekst.substr(0, tekst.find('\0'));
    komunikat = naSzerokosc(std::string(tekst), dlugoscKomunikatu);
}

Strefa::Przypisania Strefa::podajPrzypisania() const {
    Przypisania p;
    const Centrala* c = biezacaCentrala;
    if (c == nullptr || !c->czyTablicaZbudowana()) return p;

    // Units are declared by a line element carrying their number; each counts once.
    std::vector<bool> xgn30(static_cast<std::size_t>(std::max(c->liczbaXgn30, 0)) + 1);
    std::vector<bool> xrm(static_cast<std::size_t>(std::max(c->liczbaXrm, 0)) + 1);
    const int elementow =
        std::min(c->liczbaElementowLinii, static_cast<int>(c->elementyLinii.size()));
    for (int i = 0; i < elementow; ++i) {
        const Element* e = c->elementyLinii[static_cast<std::size_t>(i)];
        if (e == nullptr) continue;
        const Urzadzenie u = urzadzenie(*e);
        if (u.wStrefie) {
            if (u.numer == nrStrefy) p.elementy.push_back(e->podajKlucz());
            continue;
        }
        switch (u.kod) {
        case kodXgn200:
            if (const Xgn* x = obiekt(c->xgn, u.numer, c->liczbaXgn))
                if (x->podajParametr() == nrStrefy) p.elementy.push_back(e->podajKlucz());
            break;
        case kodWmi:
            if (u.numer < 1 || u.numer > c->liczbaGrupWmi) break;
            for (int m = 1; m <= wejscWmi; ++m) {
                const std::size_t j = static_cast<std::size_t>((u.numer - 1) * wejscWmi + m - 1);
                if (j >= c->wmi.size() || c->wmi[j] == nullptr) break;
                const Wmi& w = *c->wmi[j];
                if (w.podajParametr() == nrStrefy && czyWejsciePozarowe(w))
                    p.wejscia.push_back(e->podajKlucz() | static_cast<std::uint32_t>(m) << 28);
            }
            break;
        case kodXgn300:
            if (u.numer >= 1 && u.numer <= c->liczbaXgn30)
                xgn30[static_cast<std::size_t>(u.numer)] = true;
            break;
        case kodXrm:
            if (u.numer >= 1 && u.numer <= c->liczbaXrm)
                xrm[static_cast<std::size_t>(u.numer)] = true;
            break;
        default:
            break;
        }
    }

    for (int k = 1; k < static_cast<int>(xgn30.size()); ++k) {
        const Xgn30* x =
            xgn30[static_cast<std::size_t>(k)] ? obiekt(c->xgn30, k, c->liczbaXgn30) : nullptr;
        if (x == nullptr) continue;
        const std::uint32_t jednostka = static_cast<std::uint32_t>(k) << 16;
        if (x->podajParametr() == nrStrefy) p.moduly.push_back(jednostka | idJednostkiXgn30);
        const int maska = maskaModulow(*x);
        for (int m = 1; m <= modulowBqa; ++m) {
            if ((maska >> (m - 1) & 1) != 0 && strefaModulu(*x, m) == nrStrefy)
                p.moduly.push_back(jednostka | static_cast<std::uint32_t>(m) | idModuluXgn30);
        }
    }
    for (int k = 1; k < static_cast<int>(xrm.size()); ++k) {
        const Xrm* x = xrm[static_cast<std::size_t>(k)] ? obiekt(c->xrm, k, c->liczbaXrm) : nullptr;
        if (x != nullptr && strefaPierwszegoWejscia(*x) == nrStrefy) ++p.jednostkiXrm;
    }
    return p;
}

int Strefa::odczytajBlok(std::span<const std::uint8_t> blok) {
    if (blok.size() < static_cast<std::size_t>(dlugoscRekordu)) return bladNumeru;
    const int nr = blok[polNumerStarszy] << 8 | blok[polNumerMlodszy];
    // A record of another zone is refused: a damaged file must not give two zones one number.
    if (nr < 1 || nr > liczbaStrefCentrali() || nr != nrStrefy) return bladNumeru;
    const int v = blok[polWariant];
    if (v < wariantNajnizszy || v > wariantNajwyzszy) return bladWariantu;
    wariant = v;
    rezerwa1 = blok[polRezerwa1];
    rezerwa2 = blok[polRezerwa2];
    komunikat = dekodujTekst(std::string_view(
        reinterpret_cast<const char*>(blok.data() + polKomunikat), dlugoscKomunikatu));
    return 0;
}

void Strefa::zapiszBlok(Bajty& blok) {
    blok.assign(dlugoscRekordu, 0);
    blok[polNumerStarszy] = static_cast<std::uint8_t>(nrStrefy >> 8);
    blok[polNumerMlodszy] = static_cast<std::uint8_t>(nrStrefy);
    blok[polWariant] = static_cast<std::uint8_t>(wariant);
    blok[polRezerwa1] = static_cast<std::uint8_t>(rezerwa1);
    blok[polRezerwa2] = static_cast<std::uint8_t>(rezerwa2);
    const std::string tekst = kodujTekst(komunikat);
    std::copy_n(tekst.begin(), std::min<std::size_t>(tekst.size(), dlugoscKomunikatu),
                blok.begin() + polKomunikat);
}

void Strefa::zapiszXML(std::string& bufor, std::uint8_t grupy) {
    if ((grupy & grupaStref) == 0) return;
    dopiszXML(bufor, grupy, podajPrzypisania());
}

void Strefa::dopiszXML(std::string& bufor, std::uint8_t grupy, const Przypisania& p) const {
    const int n = p.razem();
    if ((grupy & grupaStref) == 0 || n == 0) return;
    auto identyfikatory = [&bufor](const std::vector<std::uint32_t>& klucze) {
        for (std::uint32_t k : klucze) dopiszIdXML(bufor, k);
    };
    bufor += "<zone><nr>" + std::to_string(nrStrefy) + "</nr><variant>" + std::to_string(wariant) +
             "</variant><no_of_elements>" + std::to_string(n) +
             "</no_of_elements><assignments><elements>";
    identyfikatory(p.elementy);
    bufor += "</elements><modules>";
    identyfikatory(p.moduly);
    bufor += "</modules><inputs>";
    identyfikatory(p.wejscia);
    bufor += "</inputs></assignments><message>" +
             Centrala::kodujXML(pole(komunikat, 0, dlugoscKomunikatu)) + "</message></zone>";
}

int Strefa::ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) {
    zapytanie = {pierwszy, static_cast<std::uint8_t>(nrStrefy >> 8),
                 static_cast<std::uint8_t>(nrStrefy)};
    return static_cast<int>(zapytanie.size());
}

int Strefa::drukujWiersz(std::string& bufor) {
    const std::size_t przed = bufor.size();
    bufor += wypelnijSzablon(nrStrefy >= 1000 ? szablonWiersza1Szeroki : szablonWiersza1, nrStrefy,
                             wariant, liczbaElementow(), pole(komunikat, 0, dlugoscLinii).c_str());
    bufor += poczatekWiersza2 + pole(komunikat, dlugoscLinii, dlugoscLinii) + " |\n";
    bufor += "|" + std::string(70, '-') + "|\n";
    return static_cast<int>(bufor.size() - przed);
}

void Strefa::drukujNaglowek(std::string& bufor) {
    bufor += tekst(tekstNaglowka);
}

bool Strefa::czyDrukowac() const {
    switch (flagi.drukowanie) {
    case 2:
        return true;
    case 1:
        return liczbaElementow() > 0;
    default:
        return false;
    }
}

std::optional<std::string> Strefa::podajOpis(int czesc) const {
    switch (czesc) {
    case 1:
        return pole(komunikat, 0, dlugoscLinii);
    case 2:
        return pole(komunikat, dlugoscLinii, dlugoscLinii);
    default:
        return pole(komunikat, 0, dlugoscKomunikatu);
    }
}
