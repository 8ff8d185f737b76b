#include "core/zmiana_centrali.h"

#include "core/globalne.h"
#include "core/modele.h"
#include "core/otoczenie.h"
#include "lang/language.h"

namespace {

void zastapCentrale(int typ) {
    usunCentrale();
    biezacaCentrala = utworzCentrale(typ).release();
    biezacaCentrala->ustawRozmiary();
    biezacaCentrala->budujTabliceElementow();
}

} // namespace

void zmienTypCentrali(int typ, Otoczenie& otoczenie) {
    otoczenie.zatrzymajOdswiezanie();
    otoczenie.zatrzymajPonawianie();
    const int obecny = biezacaCentrala != nullptr ? biezacaCentrala->podajTypCentrali() : 0;
    const bool modelZnany = typ >= 3 && typ <= 6;
    if (typ != obecny && (obecny == 0 || otoczenie.pytanie(tekst(371))) && modelZnany)
        zastapCentrale(typ);
    // The retry timer stays stopped: whoever needs the link restarts it.
    otoczenie.odswiezOknoGlowne();
    otoczenie.wznowOdswiezanie();
}

void utworzCentralePoczatkowa() {
    if (biezacaCentrala == nullptr) zastapCentrale(0);
}

void usunCentrale() {
    delete biezacaCentrala;
    biezacaCentrala = nullptr;
}
