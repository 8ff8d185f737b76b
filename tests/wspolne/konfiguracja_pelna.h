// A configuration with every kind in use: every loop address declared, devices of every kind tied
// to their records, zones with messages in Polish letters, outputs and their assignments.
#pragma once

#include <string>

#include "core/centrala.h"
#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/lines/typ_elementu.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/brx.h"
#include "elements/outputs/brx_lk.h"
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
#include "lang/kodowanie.h"

inline void wypelnijKonfiguracje(Centrala& c) {
    // Devices with records of their own, one of each kind per line, logical numbers from 1.
    const int urzadzenia[] = {64, 65, 66, 80, 81, 96, 97, 103};
    for (int i = 0; i < c.liczbaElementowLinii; ++i) {
        Element& e = *c.elementyLinii[i];
        const int adres = i % c.liczbaAdresow, linia = i / c.liczbaAdresow;
        if (adres < 8) {
            e.ustalTypZKodu(urzadzenia[adres]);
            e.podajTyp().ustalNumer(linia + 1);
        } else {
            e.ustalTypZKodu(adres % 2 == 0 ? 2 : 1); // detectors and call points
            e.podajTyp().ustalNumer(1 + i % c.liczbaStref);
        }
    }
    for (int n = 1; n <= c.liczbaStref; ++n)
        c.strefy[n - 1]->ustalKomunikat(
            utf8NaStronaKodowa("Hala Łódź & <strefa> " + std::to_string(n), 1250));
    for (int n = 1; n <= c.liczbaLinii; ++n) {
        c.wio[n - 1]->ustalWariant(3);
        c.wou[(n - 1) * 8]->ustalWariant(2);
        c.wmi[(n - 1) * 8]->ustalWariant(2);
        c.wmi[(n - 1) * 8]->ustalStrefe(5);
        c.hrn[n - 1]->ustalTyp(1);
        c.hrn[n - 1]->ustalWariant(2);
        c.hva[n - 1]->ustalTyp(1);
        c.hva[n - 1]->ustalWariant(2);
        c.xgn[n - 1]->ustalWariant(2);
        c.xgn30[n - 1]->ustalMaskeBqa(3);
        c.xgn30[n - 1]->ustalMaskeBtz(1);
        c.xgn30[n - 1]->ustalBkv(1);
        c.xrm[n - 1]->ustalTypPk(1);
        c.xrm[n - 1]->ustalWariantPk(2);
        c.xrm[n - 1]->ustalWariantLk(1, 1);
        c.xrm[n - 1]->ustalStrefeLk(1, 7);
    }
    for (int n = 2; n <= c.liczbaPk; ++n) {
        c.pk[n - 1]->ustalTyp(1);
        c.pk[n - 1]->ustalWariant(2);
    }
    c.ls[0]->ustalTyp(4);
    c.ls[0]->ustalWariant(8); // WIO inputs
    c.lk[0]->ustalWariant(1);
    c.blc->ustalZadeklarowany(1, true);
    c.blc->ustalLiniePromieniowa(1, 3, true);
    if (c.podajTypCentrali() == 3) { // extension packages are kept only by the 7600
        c.brx->ustalZadeklarowany(1, true);
        c.brxLk[2]->ustalFunkcje(11);
        c.brxPk[8]->ustalFunkcje(9);
    }
    if (c.podajFormatRozszerzony() == 0) return; // the generic root keeps zones in matrices
    // Assignments in each source's own mode.
    Stos& s = *c.stos;
    for (int n = 2; n <= c.liczbaPk; ++n)
        for (int z = 1; z <= 20; ++z)
            s.dodajPrzypisanie(Stos::kodPk, n, 0, Stos::trybStrefy, z * n % c.liczbaStref + 1,
                               z % 3, 0);
    s.dodajPrzypisanie(Stos::kodLs, 1, 0, Stos::trybWio, 1, 0x03, 0);
    for (int n = 1; n <= c.liczbaLinii; ++n) {
        const auto dodaj = [&s, &c, n](int kod, int podnumer, int tryb) {
            if (tryb == Stos::trybStrefy) s.dodajPrzypisanie(kod, n, podnumer, tryb, n + 3, 0, 0);
            if (tryb == Stos::trybWio || tryb == Stos::trybWmi)
                s.dodajPrzypisanie(kod, n, podnumer, tryb, 1, 0x01, 0);
            (void)c;
        };
        dodaj(Stos::kodWio, 0, c.wio[n - 1]->trybPrzypisania());
        dodaj(Stos::kodWou, 1, c.wou[(n - 1) * 8]->trybPrzypisania());
        dodaj(Stos::kodHrn, 0, c.hrn[n - 1]->trybPrzypisania());
        dodaj(Stos::kodHva, 0, c.hva[n - 1]->trybPrzypisania());
        dodaj(Stos::kodXgn, 0, c.xgn[n - 1]->trybPrzypisania());
        dodaj(Stos::kodXrm, 2, c.xrm[n - 1]->trybPodnumeru(2));
    }
}
