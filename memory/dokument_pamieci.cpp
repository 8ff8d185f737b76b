#include "memory/dokument_pamieci.h"

#include <algorithm>

#include "lang/language.h"
#include "memory/pamiec_zdarzen.h"

namespace {

// The user numbers events from the newest, 1 = newest.
int numerUzytkownika(const PamiecZdarzen& p, const Zdarzenie& z) {
    return p.podajLiczbeZdarzen() - z.podajNumer() + 1;
}

// Records in the order the listing and the document show them.
std::vector<const Zdarzenie*> kolejnosc(const PamiecZdarzen& p) {
    std::vector<const Zdarzenie*> wynik;
    const int n = p.podajLiczbeOdczytanych();
    for (int i = 0; i < n; ++i) {
        const int k = p.czyAlarmy() ? n - 1 - i : i;
        wynik.push_back(p.podajZdarzenie(k));
    }
    return wynik;
}

void dopiszLinie(std::string& b, std::string_view znacznik, const Zdarzenie& z, int k) {
    b += '<';
    b += znacznik;
    b += '>';
    b += z.podajLinieXML(k);
    b += "</";
    b += znacznik;
    b += '>';
}

} // namespace

std::vector<std::string> liniePamieci(const PamiecZdarzen& p, std::string_view nazwaCentrali,
                                      std::string_view data, std::string_view czas) {
    std::vector<std::string> linie;
    linie.emplace_back(nazwaCentrali);
    linie.push_back(tekst(p.czyAlarmy() ? 374 : 373));
    linie.push_back(tekst(375) + std::string(data) + " " + tekst(376) + std::string(czas));
    linie.emplace_back();
    for (const Zdarzenie* z : kolejnosc(p)) {
        if (!p.czyAlarmy())
            linie.push_back("---" + std::to_string(numerUzytkownika(p, *z)) + "---");
        std::string wiersz = z->podajWydruk();
        wiersz.resize(std::min<std::size_t>(wiersz.size(), 512));
        // Each line feed ends a line.
        std::size_t poczatek = 0;
        for (std::size_t lf; (lf = wiersz.find('\n', poczatek)) != std::string::npos;
             poczatek = lf + 1)
            linie.push_back(wiersz.substr(poczatek, lf - poczatek));
        if (poczatek < wiersz.size()) linie.push_back(wiersz.substr(poczatek));
    }
    return linie;
}

std::string dokumentXMLPamieci(const PamiecZdarzen& p) {
    std::string b = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    const bool alarmy = p.czyAlarmy();
    b += alarmy ? "<alarm_memory>" : "<event_memory>";
    for (const Zdarzenie* z : kolejnosc(p)) {
        b += "<event>";
        if (alarmy) {
            dopiszLinie(b, "nr", *z, 1);
            dopiszLinie(b, "message", *z, 2);
            dopiszLinie(b, "date", *z, 3);
        } else {
            b += "<nr>" + std::to_string(numerUzytkownika(p, *z)) + "</nr>";
            dopiszLinie(b, "message", *z, 1);
            // A line that starts with a year of this century is the entry's date.
            for (int k = 2; k <= 4; ++k)
                dopiszLinie(b, z->podajLinie(k).starts_with("20") ? "date" : "message", *z, k);
        }
        b += "</event>";
    }
    b += alarmy ? "</alarm_memory>" : "</event_memory>";
    return b;
}
