#include "report/kontrola.h"

#include <map>
#include <utility>

#include "core/centrala.h"
#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/hrn.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/lk.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/wio.h"
#include "elements/outputs/wmi.h"
#include "elements/outputs/wou.h"
#include "elements/outputs/xgn.h"
#include "elements/outputs/xgn30.h"
#include "elements/outputs/xrm.h"
#include "lang/formatowanie.h"
#include "lang/language.h"
#include "report/zrodla_przypisan.h"

namespace {

constexpr int tBlad = 53001, tOstrzezenie = 53002, tPowtorzony = 53003, tBezNumeru = 53004,
              tSierota = 53005, tBezStref = 53006, tStrefaPusta = 53007, tKoincydencja = 53008,
              tLimit = 53009, tBezPakietu = 53010, tBrakWyjscia = 53011, tWiersz = 53012,
              tPodsumowanie = 53013;

// The line devices with a record tied by logical number, and the sounders that share one
// numbering among their codes.
bool czyUrzadzenie(int kod) {
    return kod == 64 || kod == 65 || kod == 66 || kod == 80 || kod == 96 || kod == 97 || kod == 103;
}
bool czySygnalizator(int kod) {
    return kod >= 81 && kod <= 88;
}

class Kontrola {
public:
    explicit Kontrola(Centrala& c) : c(c) {}

    std::vector<Uwaga> wykonaj() {
        powtorzoneNumery();
        nieprzypisaneNumery();
        osieroconeRekordy();
        listyStref();
        koincydencje();
        limitStosu();
        pakietyLiniowe();
        kontrolowaneWyjscia();
        return std::move(uwagi);
    }

private:
    void dodaj(Uwaga::Waga w, const char* regula, int indeks, std::string komunikat) {
        uwagi.push_back(
            {w, regula, indeks, c.tablicaElementow[indeks]->podajNazwe(), std::move(komunikat)});
    }

    void powtorzoneNumery() {
        // Each conflict once, at the later element, naming the first element it meets.
        std::map<std::pair<int, int>, int> pierwsze; // (code or 81 for sounders, number) -> i
        for (int i = 0; i < c.liczbaElementowLinii; ++i) {
            const Element& e = *c.elementyLinii[i];
            const int kod = e.podajTyp().podajKod(), numer = e.podajTyp().podajNumer();
            if (numer == 0 || !(czyUrzadzenie(kod) || czySygnalizator(kod))) continue;
            const auto klucz = std::make_pair(czySygnalizator(kod) ? 81 : kod, numer);
            const auto [it, nowy] = pierwsze.emplace(klucz, i);
            if (nowy) continue;
            const Element& inny = *c.elementyLinii[it->second];
            dodaj(Uwaga::Waga::blad, "duplicate-logical-number", c.poczElementyLinii + i,
                  formatujTekst(tPowtorzony, numer, inny.podajLinie(), inny.podajAdres()));
        }
    }

    void nieprzypisaneNumery() {
        for (int i = 0; i < c.liczbaElementowLinii; ++i) {
            const Element& e = *c.elementyLinii[i];
            const int kod = e.podajTyp().podajKod();
            if ((czyUrzadzenie(kod) || czySygnalizator(kod)) && e.podajTyp().podajNumer() == 0)
                dodaj(Uwaga::Waga::ostrzezenie, "unassigned-logical-number",
                      c.poczElementyLinii + i, tekst(tBezNumeru));
        }
    }

    void sierota(bool wUzyciu, bool zadeklarowany, int indeks) {
        if (wUzyciu && !zadeklarowany)
            dodaj(Uwaga::Waga::ostrzezenie, "orphan-record", indeks, tekst(tSierota));
    }

    void osieroconeRekordy() {
        for (int i = 0; i < c.liczbaWio; ++i)
            sierota(c.wio[i]->podajWariant() != 0, c.wio[i]->czyZadeklarowany(), c.poczWio + i);
        for (int i = 0; i < c.liczbaGrupWou * Wou::wyjscNaUrzadzenie; ++i)
            sierota(c.wou[i]->podajWariant() != 0, c.wou[i]->czyZadeklarowany(), c.poczWou + i);
        for (int i = 0; i < c.liczbaGrupWmi * 8; ++i)
            sierota(c.wmi[i]->podajWariant() != 0, c.wmi[i]->czyZadeklarowany(), c.poczWmi + i);
        for (int i = 0; i < c.liczbaHrn; ++i)
            sierota(c.hrn[i]->podajTyp() != 0, c.hrn[i]->czyZadeklarowany(), c.poczHrn + i);
        for (int i = 0; i < c.liczbaHva; ++i)
            sierota(c.hva[i]->podajTyp() != 0, c.hva[i]->czyZadeklarowany(), c.poczHva + i);
        for (int i = 0; i < c.liczbaXgn; ++i)
            sierota(c.xgn[i]->podajWariant() != 0, c.xgn[i]->czyZadeklarowany(), c.poczXgn + i);
        for (int i = 0; i < c.liczbaXgn30; ++i) {
            const Xgn30& x = *c.xgn30[i];
            const bool wUzyciu = x.podajMaskeBqa() != 0 || x.podajMaskeBtz() != 0 || x.podajBkv();
            sierota(wUzyciu, x.czyZadeklarowany(), c.poczXgn30 + i);
        }
        for (int i = 0; i < c.liczbaXrm; ++i) {
            const Xrm& x = *c.xrm[i];
            bool wUzyciu = x.podajPk().podajTyp() != 0 || x.podajWariantPu() != 0 ||
                           x.wejscie(1).podajWariant() != 0 || x.wejscie(2).podajWariant() != 0;
            for (int n = 1; n <= 4; ++n) wUzyciu = wUzyciu || x.podajBhu().wyjscie(n).podajTyp();
            sierota(wUzyciu, x.czyZadeklarowany(), c.poczXrm + i);
        }
    }

    int punktyDetekcji(int strefa) {
        if (liczbyPunktow.empty())
            for (int i = 0; i < c.liczbaStref; ++i)
                liczbyPunktow.push_back(c.strefy[i]->liczbaElementow());
        return liczbyPunktow[static_cast<std::size_t>(strefa - 1)];
    }

    void listyStref() {
        // The generic root keeps its zones in matrices, not on the stack.
        if (c.podajFormatRozszerzony() == 0 || c.stos == nullptr) return;
        for (const ZrodloPrzypisan& z : zrodlaPrzypisan(c)) {
            if (z.tryb != Stos::trybStrefy) continue;
            const auto wpisy = wpisyZrodla(c, z.klucz);
            if (wpisy.empty()) {
                dodaj(Uwaga::Waga::ostrzezenie, "empty-zone-list", z.indeksTablicy,
                      formatujTekst(tBezStref, z.etykieta.c_str()));
                continue;
            }
            for (const auto& [strefa, centrala] : wpisy) {
                if (centrala != 0) continue; // other panels' zones are not in this configuration
                if (strefa >= 1 && strefa <= c.liczbaStref && punktyDetekcji(strefa) > 0) continue;
                dodaj(Uwaga::Waga::ostrzezenie, "zone-without-detectors", z.indeksTablicy,
                      formatujTekst(tStrefaPusta, z.etykieta.c_str(), strefa));
            }
        }
    }

    void koincydencje() {
        for (int i = 0; i < c.liczbaStref; ++i) {
            const int w = c.strefy[i]->podajWariant();
            if ((w == 7 || w == 8 || w == 15 || w == 16) && punktyDetekcji(i + 1) == 1)
                dodaj(Uwaga::Waga::ostrzezenie, "coincidence-needs-two", c.poczStrefy + i,
                      tekst(tKoincydencja));
        }
    }

    void limitStosu() {
        if (c.stos == nullptr || !c.stos->czyPrzekroczonyLimit()) return;
        uwagi.push_back({Uwaga::Waga::blad, "stack-over-limit", c.indStos, tekst(323),
                         formatujTekst(tLimit, c.stos->podajLiczbeWpisow(),
                                       Stos::limitPaneli(c.podajTypCentrali(),
                                                         c.podajWersjeOprogramowania()))});
    }

    void pakietyLiniowe() {
        if (c.blc == nullptr) return;
        for (int linia = 1; linia <= c.liczbaLinii && linia <= 8; ++linia) {
            const int pakiet = linia <= 4 ? 1 : 2;
            if (c.blc->podajZadeklarowany(pakiet)) continue;
            for (int a = 0; a < c.liczbaAdresow; ++a) {
                const int i = (linia - 1) * c.liczbaAdresow + a;
                if (i >= c.liczbaElementowLinii) break;
                if (c.elementyLinii[i]->podajTyp().podajKod() == 0) continue;
                dodaj(Uwaga::Waga::ostrzezenie, "undeclared-line-package", c.indBlc,
                      formatujTekst(tBezPakietu, linia, pakiet));
                break;
            }
        }
    }

    void kontrolowaneWyjscia() {
        for (int i = 0; i < c.liczbaLk; ++i) {
            const Lk& lk = *c.lk[i];
            if (lk.podajWariant() != 1) continue; // only "output check" supervises an output
            const int liczba = lk.podajGrupe() == Lk::grupaPk ? c.liczbaPk : c.liczbaLs;
            if (lk.podajNumerWyjscia() > liczba)
                dodaj(Uwaga::Waga::ostrzezenie, "missing-supervised-output", c.poczLk + i,
                      formatujTekst(tBrakWyjscia, lk.podajNumerWyjscia(), liczba));
        }
    }

    Centrala& c;
    std::vector<Uwaga> uwagi;
    std::vector<int> liczbyPunktow;
};

std::string bezTabulatorow(std::string s) {
    for (char& z : s)
        if (z == '\t' || z == '\n' || z == '\r') z = ' ';
    return s;
}

std::string waga(const Uwaga& u) {
    return tekst(u.waga == Uwaga::Waga::blad ? tBlad : tOstrzezenie);
}

} // namespace

std::vector<Uwaga> sprawdzKonfiguracje(Centrala& c) {
    CentralaNaCzas naCzas(c);
    return Kontrola(c).wykonaj();
}

std::string uwagiTekstem(const std::vector<Uwaga>& uwagi) {
    std::string wynik;
    int bledy = 0;
    for (const Uwaga& u : uwagi) {
        if (u.waga == Uwaga::Waga::blad) ++bledy;
        wynik += formatujTekst(tWiersz, waga(u).c_str(), u.regula.c_str(), u.indeks,
                               u.obiekt.c_str(), u.komunikat.c_str());
        wynik += '\n';
    }
    wynik += formatujTekst(tPodsumowanie, bledy, static_cast<int>(uwagi.size()) - bledy);
    wynik += '\n';
    return wynik;
}

std::string uwagiTsv(const std::vector<Uwaga>& uwagi) {
    std::string wynik;
    for (const Uwaga& u : uwagi)
        // The machine format keeps the severity, like the rule ids, the same in every language.
        wynik += std::string(u.waga == Uwaga::Waga::blad ? "error" : "warning") + '\t' + u.regula +
                 '\t' + std::to_string(u.indeks) + '\t' + bezTabulatorow(u.obiekt) + '\t' +
                 bezTabulatorow(u.komunikat) + '\n';
    return wynik;
}

bool czySaBledy(const std::vector<Uwaga>& uwagi, bool scisle) {
    for (const Uwaga& u : uwagi)
        if (scisle || u.waga == Uwaga::Waga::blad) return true;
    return false;
}
