#include "core/uruchomienie.h"

#include "comm/port_rs.h"
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
}

void zakoncz() {
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
