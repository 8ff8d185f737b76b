#include "core/uruchomienie.h"

#include "comm/port_rs.h"
#include "comm/transmisja.h"
#include "core/centrala.h"
#include "core/globalne.h"
#include "core/modele.h"
#include "core/plik.h"
#include "core/zmiana_centrali.h"
#include "lang/language.h"
#include "memory/pamiec_zdarzen.h"
#include "platform/katalogi.h"

void uruchom(Otoczenie& otoczenie) {
    biezacaCentrala = utworzCentrale(0).release();
    portRS = new PortRS("COM1");
    portRS->ustalOtoczenie(&otoczenie);
    pamiecZdarzen = new PamiecZdarzen();
    jezyk = new Language();
    jezyk->ustalOtoczenie(&otoczenie);
    plik = new Plik();
    plik->ustalKatalogProgramu(platform::katalogProgramu());
    plik->ustalKatalogUstawien(platform::katalogUstawien());
    jezyk->ustalKatalogProgramu(plik->podajKatalogProgramu());
    biezacaCentrala->ustawRozmiary();
    biezacaCentrala->budujTabliceElementow();
    // The engine idles in the test type; its window [poczPk, poczPk + 1) is never used there.
    transmisja = new Transmisja(*portRS, biezacaCentrala->poczPk, biezacaCentrala->poczPk + 1);
    transmisja->uruchomWatek();
    transmisja->dopalLicznikPonowienia();
}

void zakoncz() {
    // The worker ends before the port, the memory and the root it works on go.
    delete transmisja;
    transmisja = nullptr;
    if (portRS != nullptr) portRS->zamknijPort();
    delete pamiecZdarzen;
    pamiecZdarzen = nullptr;
    delete portRS;
    portRS = nullptr;
    delete plik;
    plik = nullptr;
    delete jezyk;
    jezyk = nullptr;
    usunCentrale();
}
