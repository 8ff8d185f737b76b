#include "core/zmiana_centrali.h"

#include "comm/transmisja.h"
#include "core/centrala.h"
#include "core/globalne.h"
#include "core/modele.h"
#include "core/otoczenie.h"
#include "lang/language.h"

namespace {

void zastapCentrale(int typ) {
    // The communication worker must not apply a reply to the root being replaced: it is held
    // between replies until the new root stands.
    if (transmisja != nullptr) transmisja->wstrzymaj();
    // What the connected panel said of itself holds for the new root when it is that panel's
    // model, so a transfer right after the switch honours its firmware.
    const int wykryty = biezacaCentrala != nullptr ? biezacaCentrala->podajTypWykryty() : 0;
    const std::string identyfikacja =
        biezacaCentrala != nullptr ? biezacaCentrala->podajIdentyfikacje() : std::string();
    usunCentrale();
    biezacaCentrala = utworzCentrale(typ).release();
    biezacaCentrala->ustawRozmiary();
    biezacaCentrala->budujTabliceElementow();
    if (wykryty == typ) {
        biezacaCentrala->ustalTypWykryty(wykryty);
        if (!identyfikacja.empty()) biezacaCentrala->odczytajIdentyfikacje(identyfikacja);
    }
    if (transmisja != nullptr) transmisja->wznow();
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
