#include "report/zrodla_przypisan.h"

#include "core/centrala.h"
#include "core/globalne.h"
#include "elements/outputs/hrn.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/ls.h"
#include "elements/outputs/pk.h"
#include "elements/outputs/wio.h"
#include "elements/outputs/wou.h"
#include "elements/outputs/xgn.h"
#include "elements/outputs/xgn30.h"
#include "elements/outputs/xrm.h"
#include "lang/language.h"

namespace {

// The label texts of the source kinds, the ones the stack's progress description uses.
constexpr int tekstWio = 326, tekstWou = 327, tekstHrn = 329, tekstHva = 502, tekstLs = 318,
              tekstPk = 317, tekstXgn = 377, tekstXgn30 = 424, tekstXrm = 469;

std::string etykieta(int nrTekstu, const Stos::Klucz& k) {
    std::string e = tekst(nrTekstu) + std::to_string(k.numer);
    if (k.kod == Stos::kodBqa) e += "; BQA " + std::to_string(k.indeks);
    if (k.kod == Stos::kodBtz) e += "; BTKV " + std::to_string(k.indeks);
    // Outputs of one WOU device and of one sub-panel share the number: the sub-number tells them.
    if (k.kod == Stos::kodXrm || k.kod == Stos::kodWou) e += "; Nr " + std::to_string(k.podnumer);
    return e;
}

} // namespace

std::vector<ZrodloPrzypisan> zrodlaPrzypisan(const Centrala& c) {
    std::vector<ZrodloPrzypisan> z;
    const auto dodaj = [&z](Stos::Klucz k, int indeks, int tryb, int nrTekstu) {
        z.push_back({k, indeks, tryb, etykieta(nrTekstu, k)});
    };
    for (int n = 1; n <= c.liczbaWio; ++n)
        dodaj({Stos::kodWio, n, 0, 0}, c.poczWio + n - 1, c.wio[n - 1]->trybPrzypisania(),
              tekstWio);
    for (int n = 1; n <= c.liczbaGrupWou; ++n)
        for (int w = 1; w <= Wou::wyjscNaUrzadzenie; ++w) {
            const int i = (n - 1) * Wou::wyjscNaUrzadzenie + w - 1;
            dodaj({Stos::kodWou, n, w, 0}, c.poczWou + i, c.wou[i]->trybPrzypisania(), tekstWou);
        }
    for (int n = 1; n <= c.liczbaHrn; ++n)
        dodaj({Stos::kodHrn, n, 0, 0}, c.poczHrn + n - 1, c.hrn[n - 1]->trybPrzypisania(),
              tekstHrn);
    for (int n = 1; n <= c.liczbaHva; ++n)
        dodaj({Stos::kodHva, n, 0, 0}, c.poczHva + n - 1, c.hva[n - 1]->trybPrzypisania(),
              tekstHva);
    for (int n = 1; n <= c.liczbaLs; ++n)
        dodaj({Stos::kodLs, n, 0, 0}, c.poczLs + n - 1, c.ls[n - 1]->trybPrzypisania(), tekstLs);
    for (int n = 1; n <= c.liczbaPk; ++n)
        dodaj({Stos::kodPk, n, 0, 0}, c.poczPk + n - 1, c.pk[n - 1]->trybPrzypisania(), tekstPk);
    for (int n = 1; n <= c.liczbaXgn; ++n)
        dodaj({Stos::kodXgn, n, 0, 0}, c.poczXgn + n - 1, c.xgn[n - 1]->trybPrzypisania(),
              tekstXgn);
    for (int n = 1; n <= c.liczbaXgn30; ++n) {
        const Xgn30& x = *c.xgn30[n - 1];
        for (int i = 1; i <= 8; ++i)
            dodaj({Stos::kodBqa, n, 0, i}, c.poczXgn30 + n - 1, x.trybZrodla(Stos::kodBqa, i, 0),
                  tekstXgn30);
    }
    for (int n = 1; n <= c.liczbaXgn30; ++n) {
        const Xgn30& x = *c.xgn30[n - 1];
        for (int i = 1; i <= 5; ++i)
            for (int p = 1; p <= 2; ++p)
                dodaj({Stos::kodBtz, n, p, i}, c.poczXgn30 + n - 1,
                      x.trybZrodla(Stos::kodBtz, i, p), tekstXgn30);
    }
    for (int n = 1; n <= c.liczbaXrm; ++n)
        for (int p = Xrm::podnumerPk; p <= 6; ++p)
            dodaj({Stos::kodXrm, n, p, 0}, c.poczXrm + n - 1, c.xrm[n - 1]->trybPodnumeru(p),
                  tekstXrm);
    return z;
}

std::vector<std::pair<int, int>> wpisyZrodla(const Centrala& c, const Stos::Klucz& k) {
    std::vector<std::pair<int, int>> pary;
    if (c.stos != nullptr) c.stos->podajPrzypisania(k.kod, k.numer, k.podnumer, k.indeks, pary);
    return pary;
}

CentralaNaCzas::CentralaNaCzas(Centrala& c) : poprzednia(biezacaCentrala) {
    biezacaCentrala = &c;
}

CentralaNaCzas::~CentralaNaCzas() {
    biezacaCentrala = poprzednia;
}
