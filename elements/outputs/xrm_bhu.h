// The plug-in module BHU of a sub-panel: when present, four more switched outputs (LS 1..4).
#pragma once

#include <array>

#include "elements/outputs/xrm_wyjscie.h"

class XrmBhu {
public:
    static constexpr int liczbaWyjsc = 4;

    // 0 absent, 1 present; anything else 1 and nothing changed.
    int ustalObecny(int o);
    bool czyObecny() const { return obecny != 0; }
    int podajObecny() const { return obecny; }
    void ustalObecnyZBloku(int o) { obecny = o; }

    // Output 1..4; any other number is taken as 1.
    XrmWyjscie& wyjscie(int n);
    const XrmWyjscie& wyjscie(int n) const;

    bool operator==(const XrmBhu&) const = default;

private:
    static int indeks(int n) { return n >= 1 && n <= liczbaWyjsc ? n - 1 : 0; }

    int obecny = 0;
    std::array<XrmWyjscie, liczbaWyjsc> wyjscia{};
};
