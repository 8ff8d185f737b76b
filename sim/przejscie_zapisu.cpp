#include "sim/przejscie_zapisu.h"

#include <array>

#include "core/centrala.h"
#include "core/przejscie_tablicy.h"
#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/brx.h"
#include "elements/outputs/brx_lk.h"
#include "elements/outputs/brx_par.h"
#include "elements/outputs/brx_pk.h"
#include "elements/outputs/hrn.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/lk.h"
#include "elements/outputs/ls.h"
#include "elements/outputs/pk.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/wio.h"
#include "elements/outputs/wmi.h"
#include "elements/outputs/wou.h"
#include "elements/outputs/xgn.h"
#include "elements/outputs/xgn30.h"
#include "elements/outputs/xrm.h"
#include "sim/magazyn_blokow.h"

namespace sim {

void przejdzJakZapis(
    Centrala& c, const std::function<void(ElementSystemu&, std::span<const std::uint8_t>)>& blok) {
    const std::array<FlagiKlasy*, 18> flagi{
        &Strefa::flagi, &Element::flagi, &Pk::flagi,  &Ls::flagi,    &Lk::flagi,    &Blc::flagi,
        &Wio::flagi,    &Wou::flagi,     &Wmi::flagi, &Hrn::flagi,   &Hva::flagi,   &Xgn::flagi,
        &Xgn30::flagi,  &Xrm::flagi,     &Brx::flagi, &BrxPk::flagi, &BrxLk::flagi, &BrxPar::flagi,
    };
    std::array<std::uint8_t, flagi.size()> dawne{};
    for (std::size_t i = 0; i < flagi.size(); ++i) {
        dawne[i] = flagi[i]->przesylanie;
        flagi[i]->ustalPrzesylanie(1);
    }
    c.stos->zerujKursor();
    for (int i = 0; i < c.liczbaXgn30; ++i) c.xgn30[i]->zerujKursor();

    Bajty b;
    for (PrzejscieTablicy p(c); !p.koniec(); p.dalej()) {
        ElementSystemu& e = p.biezacy();
        e.zapiszBlok(b);
        // A write sends the stated length of the record, as the transfer does.
        const int n = e.podajDlugoscBloku();
        if (n < 0 || static_cast<std::size_t>(n) > b.size()) continue;
        blok(e, std::span<const std::uint8_t>(b).first(static_cast<std::size_t>(n)));
    }

    c.stos->zerujKursor();
    for (int i = 0; i < c.liczbaXgn30; ++i) c.xgn30[i]->zerujKursor();
    for (std::size_t i = 0; i < flagi.size(); ++i) flagi[i]->ustalPrzesylanie(dawne[i]);
}

void wypelnijMagazyn(MagazynBlokow& magazyn, Centrala& c) {
    przejdzJakZapis(c, [&magazyn](ElementSystemu& e, std::span<const std::uint8_t> b) {
        magazyn.zapisz(e.podajNrFunkcjiZapisu(), b);
    });
}

} // namespace sim
