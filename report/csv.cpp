#include "report/csv.h"

#include <initializer_list>
#include <vector>

#include "core/centrala.h"
#include "core/globalne.h"
#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "lang/kodowanie.h"
#include "lang/language.h"
#include "report/zrodla_przypisan.h"

namespace {

constexpr int tLinia = 54001, tAdres = 54002, tTyp = 54003, tKodTypu = 54004, tNrFabryczny = 54005,
              tNumer = 54006, tGrupa = 54007, tTryb = 54008, tOpisTrybu = 54009,
              tKomunikatStrefy1 = 54010, tKomunikatStrefy2 = 54011, tStrefa = 54012,
              tWariant = 54013, tOpisWariantu = 54014, tPunkty = 54015, tKomunikat1 = 54016,
              tKomunikat2 = 54017;

// The language's texts and the records' texts are bytes of its code page.
int stronaKodowa() {
    return jezyk != nullptr ? jezyk->podajStroneKodowa() : 1250;
}

std::string utf8(std::string_view bajty) {
    return naUtf8(bajty, stronaKodowa());
}

// Message fields are padded with blanks to the display width; the padding is no part of them.
std::string bezDopelnienia(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

void wiersz(std::string& csv, const std::vector<std::string>& pola) {
    for (std::size_t i = 0; i < pola.size(); ++i) {
        if (i > 0) csv += ',';
        csv += poleCsv(pola[i]);
    }
    csv += "\r\n";
}

std::vector<std::string> naglowek(std::initializer_list<int> numery) {
    std::vector<std::string> n;
    for (int numer : numery) n.push_back(utf8(tekst(numer)));
    return n;
}

std::string liniaKomunikatu(const Strefa& s, int czesc) {
    return utf8(bezDopelnienia(s.podajOpis(czesc).value_or("")));
}

} // namespace

std::string poleCsv(std::string_view pole) {
    if (pole.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(pole);
    std::string wynik = "\"";
    for (char z : pole) {
        if (z == '"') wynik += '"';
        wynik += z;
    }
    return wynik + '"';
}

std::string csvElementow(Centrala& c) {
    CentralaNaCzas naCzas(c);
    std::string csv;
    wiersz(csv, naglowek({tLinia, tAdres, tTyp, tKodTypu, tNrFabryczny, tNumer, tGrupa, tTryb,
                          tOpisTrybu, tKomunikatStrefy1, tKomunikatStrefy2}));
    for (int i = 0; i < c.liczbaElementowLinii; ++i) {
        const Element& e = *c.elementyLinii[static_cast<std::size_t>(i)];
        const TypElementu& t = e.podajTyp();
        if (t.podajKod() == 0) continue;
        std::string nazwa, opisTrybu;
        t.podajNazweTypu(nazwa);
        t.opisTrybu(opisTrybu, 0);
        std::string komunikat1, komunikat2;
        const int strefa = t.podajNumer();
        if (t.czyWStrefie() && strefa >= 1 && strefa <= c.liczbaStref) {
            komunikat1 = liniaKomunikatu(*c.strefy[static_cast<std::size_t>(strefa - 1)], 1);
            komunikat2 = liniaKomunikatu(*c.strefy[static_cast<std::size_t>(strefa - 1)], 2);
        }
        wiersz(csv, {std::to_string(e.podajLinie()), std::to_string(e.podajAdres()), utf8(nazwa),
                     std::to_string(t.podajKod()), utf8(e.nrFabrycznyTekst()),
                     std::to_string(strefa), std::to_string(t.podajGrupe()),
                     std::to_string(t.podajTryb()), utf8(opisTrybu), komunikat1, komunikat2});
    }
    return csv;
}

std::string csvStref(Centrala& c) {
    CentralaNaCzas naCzas(c);
    std::string csv;
    wiersz(csv, naglowek({tStrefa, tWariant, tOpisWariantu, tPunkty, tKomunikat1, tKomunikat2}));
    for (int i = 0; i < c.liczbaStref; ++i) {
        const Strefa& s = *c.strefy[static_cast<std::size_t>(i)];
        std::string opis;
        s.opisWariantu(opis);
        wiersz(csv,
               {std::to_string(s.podajNumer()), std::to_string(s.podajWariant()), utf8(opis),
                std::to_string(s.liczbaElementow()), liniaKomunikatu(s, 1), liniaKomunikatu(s, 2)});
    }
    return csv;
}
