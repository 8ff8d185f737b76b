#include "report/flagi_wydruku.h"

#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/blc.h"
#include "elements/outputs/hrn.h"
#include "elements/outputs/hva.h"
#include "elements/outputs/lk.h"
#include "elements/outputs/ls.h"
#include "elements/outputs/pk.h"
#include "elements/outputs/wio.h"
#include "elements/outputs/wmi.h"
#include "elements/outputs/wou.h"
#include "elements/outputs/xgn.h"
#include "elements/outputs/xgn30.h"

void WyborWydruku::przywrocPierwszeWybory() {
    for (WyborRodzaju* r : {&strefy, &wio, &wou, &wmi, &hrn, &hva, &xgn, &xgn30})
        r->wszystkie = false;
}

void WyborWydruku::zaznaczWszystkie(bool z) {
    elementyLiniowe = pk = ls = lk = z;
    for (WyborRodzaju* r : {&strefy, &wio, &wou, &wmi, &hrn, &hva, &xgn, &xgn30}) r->zaznaczony = z;
}

void ustalFlagiDrukowania(const WyborWydruku& w) {
    Element::flagi.ustalDrukowanie(w.elementyLiniowe ? 1 : 0);
    Strefa::flagi.ustalDrukowanie(w.strefy.flaga());
    Wio::flagi.ustalDrukowanie(w.wio.flaga());
    Wou::flagi.ustalDrukowanie(w.wou.flaga());
    Wmi::flagi.ustalDrukowanie(w.wmi.flaga());
    Hrn::flagi.ustalDrukowanie(w.hrn.flaga());
    Hva::flagi.ustalDrukowanie(w.hva.flaga());
    Xgn::flagi.ustalDrukowanie(w.xgn.flaga());
    Xgn30::flagi.ustalDrukowanie(w.xgn30.flaga());
    Pk::flagi.ustalDrukowanie(w.pk ? 1 : 0);
    Ls::flagi.ustalDrukowanie(w.ls ? 1 : 0);
    Lk::flagi.ustalDrukowanie(w.lk ? 1 : 0);
    Blc::flagi.ustalDrukowanie(0);
}
