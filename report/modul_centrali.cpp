#include "report/modul_centrali.h"

#include <cstdio>

#include "core/centrala.h"
#include "core/xml.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/brx.h"
#include "elements/outputs/brx_par.h"
#include "elements/outputs/lk.h"
#include "elements/outputs/ls.h"
#include "elements/outputs/pk.h"

namespace {

// The panel's own inputs and outputs are named by their number's low hexadecimal digit and a
// fixed code of their kind: LK 000FF03, LS 000FF02, PK 000FF01.
void dopiszWlasny(std::string& b, std::string_view znacznik, int numer, std::string_view kod) {
    char cyfra[4];
    std::snprintf(cyfra, sizeof cyfra, "%1X", static_cast<unsigned>(numer & 15));
    b += '<';
    b += znacznik;
    b += '>';
    dopiszXML(b, "nr", numer);
    b += "<id>";
    b += cyfra;
    b += kod;
    b += "</id></";
    b += znacznik;
    b += '>';
}

void dopiszLinie(std::string& b, const Blc* blc) {
    b += "<lines>";
    for (int pakiet = 1; blc != nullptr && pakiet <= 2; ++pakiet) {
        if (!blc->podajZadeklarowany(pakiet)) continue;
        for (int l = 0; l < 4; ++l) {
            b += "<line>";
            dopiszXML(b, "nr", (pakiet - 1) * 4 + l + 1);
            dopiszXML(b, "mode", blc->podajLiniePromieniowa(pakiet, l) ? 1 : 0);
            b += "</line>";
        }
    }
    b += "</lines>";
}

void dopiszPakiety(std::string& b, const Centrala& c) {
    b += "<modules>";
    for (int n = 1; c.brx != nullptr && n <= Brx::liczbaPakietow; ++n) {
        // A model without extension packages has no parameter sets to name, whatever the flag.
        if (!c.brx->podajZadeklarowany(n) || n > c.liczbaBrx || c.brxPar[n - 1] == nullptr)
            continue;
        b += "<module>";
        dopiszXML(b, "nr", n);
        dopiszIdXML(b, c.brxPar[n - 1]->podajKlucz());
        b += "</module>";
    }
    b += "</modules>";
}

} // namespace

void dopiszModulCentrali(std::string& b, const Centrala& c) {
    b += "<module><id>00FFFFFF</id>";
    dopiszXML(b, "control_panel", c.podajTypCentrali());
    dopiszLinie(b, c.blc);
    dopiszPakiety(b, c);
    b += "<inputs>";
    for (int k = 1; k <= c.liczbaLk; ++k) {
        if (c.lk[k - 1]->podajWariant() != 0) dopiszWlasny(b, "input", k, "000FF03");
    }
    b += "</inputs><outputs>";
    for (int k = 1; k <= c.liczbaLs; ++k) {
        if (c.ls[k - 1]->podajTyp() != 0) dopiszWlasny(b, "output", k, "000FF02");
    }
    // Relay 1, the fault relay, is always listed.
    for (int k = 1; k <= c.liczbaPk; ++k) {
        if (k == 1 || c.pk[k - 1]->podajTyp() != 0) dopiszWlasny(b, "output", k, "000FF01");
    }
    b += "</outputs></module>";
}
