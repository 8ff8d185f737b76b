#include "elements/outputs/xrm_bhu.h"

int XrmBhu::ustalObecny(int o) {
    if (o != 0 && o != 1) return 1;
    obecny = o;
    return 0;
}

XrmWyjscie& XrmBhu::wyjscie(int n) {
    return wyjscia[static_cast<std::size_t>(indeks(n))];
}

const XrmWyjscie& XrmBhu::wyjscie(int n) const {
    return wyjscia[static_cast<std::size_t>(indeks(n))];
}
