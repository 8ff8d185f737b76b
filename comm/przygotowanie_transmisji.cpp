#include "comm/przygotowanie_transmisji.h"

#include "comm/stan_transmisji.h"
#include "comm/transmisja.h"
#include "core/centrala.h"
#include "elements/lines/element.h"
#include "elements/lines/strefa.h"
#include "elements/outputs/blc.h"
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

namespace {

// Firmware from which each model knows a kind, by panel type 3, 4, 5, 6.
struct Progi {
    int t3, t4, t5, t6;
    bool ponizej(int t, int v) const {
        switch (t) {
        case 3:
            return v < t3;
        case 4:
            return v < t4;
        case 5:
            return v < t5;
        case 6:
            return v < t6;
        default:
            return false;
        }
    }
};

constexpr Progi progHva{23, 36, 26, 19};
constexpr Progi progXrm{25, 38, 28, 21};
constexpr Progi progXgn30{17, 30, 20, 13};

std::uint8_t flaga(bool b) {
    return b ? 1 : 0;
}

void zerujKursoryXgn30(Centrala& c) {
    for (int i = 0; i < c.liczbaXgn30; ++i)
        if (c.xgn30[static_cast<std::size_t>(i)] != nullptr)
            c.xgn30[static_cast<std::size_t>(i)]->zerujKursor();
}

} // namespace

bool czyBezHva(int t, int v) {
    return progHva.ponizej(t, v);
}

bool czyBezXrm(int t, int v) {
    return progXrm.ponizej(t, v);
}

bool czyBezXgn30(int t, int v) {
    return progXgn30.ponizej(t, v);
}

void ustalRodzajeTransmisji(const Centrala& c, const WyborRodzajow& w) {
    const int t = c.podajTypCentrali(), v = c.podajWersjeOprogramowania();
    Blc::flagi.ustalPrzesylanie(flaga(w.blc));
    Element::flagi.ustalPrzesylanie(flaga(w.elementy));
    Strefa::flagi.ustalPrzesylanie(flaga(w.strefy));
    Pk::flagi.ustalPrzesylanie(flaga(w.pk));
    Ls::flagi.ustalPrzesylanie(flaga(w.ls));
    Lk::flagi.ustalPrzesylanie(flaga(w.lk));
    Wio::flagi.ustalPrzesylanie(flaga(w.wio));
    Wou::flagi.ustalPrzesylanie(flaga(w.wou));
    Wmi::flagi.ustalPrzesylanie(flaga(w.wmi));
    Hrn::flagi.ustalPrzesylanie(flaga(w.hrn));
    Hva::flagi.ustalPrzesylanie(flaga(w.hva && !czyBezHva(t, v)));
    Xgn::flagi.ustalPrzesylanie(flaga(w.xgn));
    Xgn30::flagi.ustalPrzesylanie(flaga(w.xgn30 && !czyBezXgn30(t, v)));
    Xrm::flagi.ustalPrzesylanie(flaga(w.xrm && !czyBezXrm(t, v)));
}

void przygotujOdczyt(Centrala& c, Transmisja& t) {
    ustalRodzajeTransmisji(c, WyborRodzajow{});
    if (c.stos != nullptr) c.stos->wyczysc();
    if (Xgn30::flagi.przesylanie != 0) zerujKursoryXgn30(c);
    t.ustalTypTransmisji(typTransmisji::Odczyt);
    t.ustalBlokDanych(0, c.liczbaElementowSystemu);
}

bool czyStosZaDuzy(const Centrala& c) {
    if (c.stos == nullptr) return false;
    const int limit = Stos::limitPaneli(c.podajTypCentrali(), c.podajWersjeOprogramowania());
    return limit != 0 && c.stos->podajLiczbeWpisow() > limit;
}

int pierwszyBlokZapisu(const Centrala& c) {
    const struct {
        const FlagiKlasy& flagi;
        int pierwszy;
    } kolejnosc[] = {
        {Element::flagi, c.poczElementyLinii},
        {Strefa::flagi, c.poczStrefy},
        {Wio::flagi, c.poczWio},
        {Pk::flagi, c.poczPk},
        {Ls::flagi, c.poczLs},
        {Lk::flagi, c.poczLk},
        {Blc::flagi, c.indBlc},
        {Wou::flagi, c.poczWou},
        {Hrn::flagi, c.poczHrn},
        {Hva::flagi, c.poczHva},
        {Wmi::flagi, c.poczWmi},
        {Xgn::flagi, c.poczXgn},
        {Xgn30::flagi, c.poczXgn30},
        {Xrm::flagi, c.poczXrm},
    };
    for (const auto& k : kolejnosc)
        if (k.flagi.przesylanie != 0) return k.pierwszy;
    return 0;
}

bool przygotujZapis(Centrala& c, Transmisja& t, const WyborRodzajow& w) {
    if (czyStosZaDuzy(c)) return false;
    ustalRodzajeTransmisji(c, w);
    if (Xgn30::flagi.przesylanie != 0) zerujKursoryXgn30(c);
    if (c.stos != nullptr) c.stos->zerujKursor();
    t.ustalTypTransmisji(typTransmisji::Zapis);
    t.ustalBlokDanych(pierwszyBlokZapisu(c), c.liczbaElementowSystemu);
    return true;
}
