#include "elements/outputs/sygnalizator.h"

#include <algorithm>
#include <cstdio>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/xml.h"
#include "elements/lines/element.h"
#include "elements/lines/matryca_stref_formy.h"
#include "elements/outputs/hrn.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/stos.h"
#include "lang/language.h"

namespace {

// Block layout.
constexpr int bNumer = 0;
constexpr int bWyroznik = 1; // panel models only
constexpr int bTyp = 4;
constexpr int bWariant = 5;
constexpr int bBajt6 = 6;
constexpr int bBajt7 = 7;
constexpr int bStrefy = 8; // generic root: the window form of the zone matrix, bytes 8..17
static_assert(bStrefy + dlugoscFormyOkna == Sygnalizator::dlugosc);

constexpr int kodZapisuSygnalizatora = 133;
constexpr int kodOdczytuSygnalizatora = 177;

// Texts of the types and of variant 1 of each type; the variants are those of the outputs.
constexpr int tekstTypu0 = 168;
constexpr int tekstNieDotyczy = 176;
constexpr int tekstWariantuTypu1 = 177;
constexpr int tekstWariantuTypu3 = 181;

// An XML id names the sounder's output 1 in the top four bits of the key.
constexpr std::uint32_t wyjscie1 = 0x10000000u;

constexpr int szerokoscWydruku = 71;

bool czyGeneryczna() {
    return biezacaCentrala == nullptr || biezacaCentrala->podajFormatRozszerzony() == 0;
}

int maksWariantu(int typ) {
    switch (typ) {
    case 1:
        return 2;
    case 3:
        return 8;
    default:
        return 0;
    }
}

std::string wierszPierwszy(int numer, int linia, int adres, int typ, int wariant,
                           const std::string& przypisanie) {
    char wiersz[256];
    std::snprintf(wiersz, sizeof wiersz, "| %-3d |  %d  |  %-3d   |  %d  |     %-2d    |%-32s|\n",
                  numer, linia, adres, typ, wariant, przypisanie.c_str());
    return wiersz;
}

std::string wierszDalszy(const std::string& przypisanie) {
    char wiersz[128];
    std::snprintf(wiersz, sizeof wiersz, "|     |     |        |     |           |%-32s|\n",
                  przypisanie.c_str());
    return wiersz;
}

} // namespace

Sygnalizator::Sygnalizator(int numer, const Cechy& cechy)
    : ElementSystemu(kodZapisuSygnalizatora, kodOdczytuSygnalizatora,
                     tekst(cechy.tekstNazwy) + std::to_string(numer)),
      cechy(cechy), numer(numer) {
    if (czyGeneryczna()) matrycaStref.emplace();
}

Sygnalizator::Dowiazanie Sygnalizator::znajdzElement() const {
    Dowiazanie d;
    const Centrala* c = biezacaCentrala;
    if (c == nullptr || !c->czyTablicaZbudowana() || numer < 1) return d;
    const int elementow =
        std::min(c->liczbaElementowLinii, static_cast<int>(c->elementyLinii.size()));
    for (int i = 0; i < elementow; ++i) {
        const Element* e = c->elementyLinii[static_cast<std::size_t>(i)];
        if (e == nullptr || !czyKodLinii(e->podajTyp().podajKod()) ||
            e->podajTyp().podajNumer() != numer)
            continue;
        if (!d.zadeklarowany) {
            d.linia = e->podajLinie();
            d.adres = e->podajAdres();
            d.zadeklarowany = true;
        }
        d.tryb = e->podajTyp().podajTryb() & 0xFF;
    }
    return d;
}

int Sygnalizator::linia() const {
    return znajdzElement().linia;
}

int Sygnalizator::adres() const {
    return znajdzElement().adres;
}

bool Sygnalizator::czyZadeklarowany() const {
    return znajdzElement().zadeklarowany;
}

int Sygnalizator::trybElementu() const {
    return znajdzElement().tryb;
}

std::uint32_t Sygnalizator::podajKlucz() const {
    const Dowiazanie d = znajdzElement();
    return ((static_cast<std::uint32_t>(d.linia) << 24) & 0x0FFFFFFFu) |
           ((static_cast<std::uint32_t>(d.adres) << 16) & 0x00FFFFFFu) |
           static_cast<std::uint32_t>(cechy.kodZrodla) << 8 |
           (static_cast<std::uint32_t>(numer) & 0xFFu);
}

bool Sygnalizator::czyDrukowac() const {
    const int f = podajFlagi().drukowanie;
    if (f == 0) return false;
    if (f == 2) return true;
    return czyZadeklarowany();
}

int Sygnalizator::ustalTyp(int t) {
    if (t != 0 && t != 1 && t != 3) return 1;
    typ = t;
    return 0;
}

int Sygnalizator::ustalWariant(int w) {
    if (typ == 0) return 0;
    if (w < 1 || w > maksWariantu(typ)) return 1;
    wariant = w;
    return 0;
}

int Sygnalizator::ustalBajt7(int b) {
    if (b < 0 || b > maksBajt7) return 1;
    bajt7 = b;
    return 0;
}

int Sygnalizator::opisTypu(std::string& bufor, int t) const {
    if (t == 0) t = typ;
    bufor = t == 0 || t == 1 || t == 3 ? tekst(tekstTypu0 + t) : std::string();
    return t;
}

int Sygnalizator::opisWariantu(std::string& bufor, int w) const {
    bufor.clear();
    if (typ == 0) {
        bufor = tekst(tekstNieDotyczy);
        return 0;
    }
    const int uzyty = w == 0 ? wariant : w;
    if (uzyty >= 1 && uzyty <= maksWariantu(typ))
        bufor = tekst((typ == 1 ? tekstWariantuTypu1 : tekstWariantuTypu3) + uzyty - 1);
    return uzyty;
}

int Sygnalizator::trybPrzypisania() const {
    if (typ == 1 && wariant == 2) return Stos::trybStrefy;
    if (typ == 3 && wariant >= 5 && wariant <= 8) return Stos::trybStrefy;
    return 0;
}

std::vector<std::pair<int, int>> Sygnalizator::podajPrzypisania() const {
    std::vector<std::pair<int, int>> pary;
    if (biezacaCentrala != nullptr && biezacaCentrala->stos != nullptr)
        biezacaCentrala->stos->podajPrzypisania(cechy.kodZrodla, numer, 0, 0, pary);
    return pary;
}

void Sygnalizator::zapiszBlok(Bajty& blok) {
    blok.assign(dlugosc, 0);
    blok[bNumer] = static_cast<std::uint8_t>(numer);
    blok[bTyp] = static_cast<std::uint8_t>(typ);
    blok[bWariant] = static_cast<std::uint8_t>(wariant);
    blok[bBajt7] = static_cast<std::uint8_t>(bajt7);
    if (matrycaStref) {
        zapiszFormeOkna(*matrycaStref, std::span<std::uint8_t, dlugoscFormyOkna>(
                                           blok.data() + bStrefy, dlugoscFormyOkna));
        return;
    }
    blok[bWyroznik] = cechy.wyroznik;
    // A sounder whose variant no longer takes zones loses them when it is saved or sent.
    if (trybPrzypisania() == 0 && biezacaCentrala != nullptr && biezacaCentrala->stos != nullptr)
        biezacaCentrala->stos->usunPrzypisania(cechy.kodZrodla, numer, 0, 0);
}

int Sygnalizator::odczytajBlok(std::span<const std::uint8_t> blok) {
    // Each field is refused, with its code, when the record ends before it.
    const auto jest = [&blok](int bajt) { return blok.size() > static_cast<std::size_t>(bajt); };
    if (!jest(bNumer) || blok[bNumer] != numer) return 1;
    if (!jest(bTyp) || ustalTyp(blok[bTyp]) != 0) return 1;
    if (!jest(bWariant) || ustalWariant(blok[bWariant]) != 0) return 2;
    if (!jest(bBajt6)) return 3;
    bajt6 = blok[bBajt6];
    if (!jest(bBajt7) || ustalBajt7(blok[bBajt7]) != 0) return 4;
    if (matrycaStref) {
        if (!jest(dlugosc - 1)) return 6;
        if (odczytajFormeOkna(*matrycaStref, blok.subspan<bStrefy, dlugoscFormyOkna>()) != 0)
            return 6;
    }
    return 0;
}

int Sygnalizator::ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) {
    zapytanie = {pierwszy, static_cast<std::uint8_t>(numer), cechy.wyroznik};
    return 3;
}

void Sygnalizator::zapiszXML(std::string& bufor, std::uint8_t grupy) {
    // An inactive sounder (type 0) drives nothing, whatever variant it still carries.
    if ((grupy & 16) == 0 || wariantUzyty() <= 0) return;
    const Dowiazanie d = znajdzElement();
    bufor += "<output>";
    dopiszIdXML(bufor, podajKlucz() | wyjscie1);
    dopiszXML(bufor, "hardware_type", cechy.typSprzetu);
    dopiszXML(bufor, "type", typ);
    dopiszXML(bufor, "variant", wariant);
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
    dopiszDzwiekXML(bufor, d.tryb);
    dopiszXML(bufor, "battery_monitoring", d.tryb >> 6 & 1);
    dopiszXML(bufor, "power_suply_monitoring", d.tryb >> 7 & 1);
    bufor += "</output>";
}

void Sygnalizator::drukujNaglowek(std::string& bufor) {
    bufor += tekst(cechy.tekstNaglowka);
}

int Sygnalizator::drukujWiersz(std::string& bufor) {
    std::vector<std::string> opisy;
    if (trybPrzypisania() == Stos::trybStrefy) {
        // Consecutive zones of one panel form one range.
        const auto lista = podajPrzypisania();
        for (std::size_t i = 0; i < lista.size();) {
            std::size_t j = i;
            while (j + 1 < lista.size() && lista[j + 1].first == lista[j].first + 1 &&
                   lista[j + 1].second == lista[i].second)
                ++j;
            opisy.push_back(opisStref(lista[i].first, lista[j].first, lista[i].second));
            i = j + 1;
        }
    }
    if (opisy.empty()) opisy.push_back("              --- ");

    const Dowiazanie d = znajdzElement();
    bufor += wierszPierwszy(numer, d.linia, d.adres, typ, wariantUzyty(), opisy[0]);
    for (std::size_t i = 1; i < opisy.size(); ++i) bufor += wierszDalszy(opisy[i]);
    bufor += '|' + std::string(szerokoscWydruku, '-') + "|\n";
    return static_cast<int>(opisy.size()) + 1;
}

const Sygnalizator* sygnalizatorElementu(int kod, int numer) {
    const Centrala* c = biezacaCentrala;
    if (c == nullptr || numer < 1) return nullptr;
    if (kod == Hrn::kodLinii) {
        if (numer > std::min(c->liczbaHrn, static_cast<int>(c->hrn.size()))) return nullptr;
        return c->hrn[static_cast<std::size_t>(numer - 1)];
    }
    if (kod >= Hva::pierwszyKodLinii && kod <= Hva::ostatniKodLinii) {
        if (numer > std::min(c->liczbaHva, static_cast<int>(c->hva.size()))) return nullptr;
        return c->hva[static_cast<std::size_t>(numer - 1)];
    }
    return nullptr;
}
