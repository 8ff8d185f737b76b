#include "elements/lines/typ_elementu.h"

#include "core/centrala.h"
#include "core/globalne.h"
#include "elements/lines/typ_ostrzegacz.h"
#include "elements/lines/typ_sygnalizator.h"
#include "elements/lines/typ_urzadzenia.h"
#include "elements/lines/typ_wieloczujnikowy.h"
#include "lang/language.h"

int TypElementu::liczba(int Centrala::*pole) {
    return biezacaCentrala != nullptr ? biezacaCentrala->*pole : 0;
}

int TypElementu::ustalNumerWZakresie(int n, int dolna, int gorna) {
    if (n < dolna || n > gorna) return 1;
    numer = n;
    return 0;
}

std::string TypElementu::tekstTakNie(int wl) {
    return tekst(wl != 0 ? 288 : 289);
}

std::string TypElementu::tekstNoNc(int nc) {
    return tekst(nc != 0 ? 294 : 295);
}

std::string TypElementu::nazwaTypu() const {
    std::string nazwa;
    podajNazweTypu(nazwa);
    return nazwa;
}

void TypElementu::zamknij(std::string& out) {
    out += "|-----------------------------------------------------------------|\n";
}

// --- TypBRAK -------------------------------------------------------------------------------

TypBRAK::TypBRAK(int linia) {
    kod = 0;
    trybDomyslny = 0;
    numer = numerDomyslny = linia;
}

int TypBRAK::ustalNumer(int n) {
    return ustalNumerWZakresie(n, 0, liczba(&Centrala::liczbaStref));
}

int TypBRAK::ustalNumerZBajtow(int starsza, int mlodszy) {
    return ustalNumer(starsza | mlodszy);
}

void TypBRAK::drukujTyp(std::string&, int, int, const std::string&) const {}

// --- Creation by code ------------------------------------------------------------------------

std::unique_ptr<TypElementu> TypElementu::utworz(int kod, int linia) {
    switch (kod) {
    case 0:
        return std::make_unique<TypBRAK>(linia);
    case 1:
        return std::make_unique<TypKFA>(linia);
    case 33:
        return std::make_unique<TypKFA_213>(linia);
    case 2:
        return std::make_unique<TypKFB>(linia);
    case 34:
        return std::make_unique<TypKFB_213>(linia);
    case 3:
        return std::make_unique<TypKFC>(linia);
    case 35:
        return std::make_unique<TypKFC_213>(linia);
    case 19:
        return std::make_unique<TypKFC_310>(linia);
    case 37:
        return std::make_unique<TypKFC_313>(linia);
    case 4:
        return std::make_unique<TypKFE>(linia);
    case 5:
        return std::make_unique<TypKFN>(linia);
    case 6:
        return std::make_unique<TypKFM>(linia);
    case 38:
        return std::make_unique<TypKFM_213>(linia);
    case 22:
        return std::make_unique<TypKFM_217>(linia);
    case 7:
        return std::make_unique<TypKFH>(linia);
    case 8:
        return std::make_unique<TypKFJ>(linia);
    case 24:
        return std::make_unique<TypKFJ_310N>(linia);
    case 9:
        return std::make_unique<TypKFL>(linia);
    case 11:
        return std::make_unique<TypKFP>(linia);
    case 12:
        return std::make_unique<TypKFE_3>(linia);
    case 44:
        return std::make_unique<TypKFE_313>(linia);
    case 16:
        return std::make_unique<TypKFS>(linia);
    case 17:
        return std::make_unique<TypKFG>(linia);
    case 18:
        return std::make_unique<TypKFG_310N>(linia);
    case 23:
        return std::make_unique<TypKFG_330>(linia);
    case 39:
        return std::make_unique<TypKFG_313>(linia);
    case 20:
        return std::make_unique<TypKFD>(linia);
    case 48:
        return std::make_unique<TypKFR>(linia);
    case 54:
        return std::make_unique<TypKFR_207>(linia);
    case 64:
        return std::make_unique<TypWIO>();
    case 65:
        return std::make_unique<TypWOU>();
    case 66:
        return std::make_unique<TypWMI>();
    case 80:
        return std::make_unique<TypHRN>();
    case 81:
        return std::make_unique<TypHVA>();
    case 82:
        return std::make_unique<TypHVA_306>();
    case 83:
        return std::make_unique<TypHLT_301>();
    case 84:
        return std::make_unique<TypHLT_306>();
    case 85:
        return std::make_unique<TypHVA_101>();
    case 86:
        return std::make_unique<TypHVA_106>();
    case 87:
        return std::make_unique<TypHLT_101>();
    case 88:
        return std::make_unique<TypHLT_106>();
    case 96:
        return std::make_unique<TypXGN_200>();
    case 97:
        return std::make_unique<TypXGN_300>();
    case 103:
        return std::make_unique<TypXRM_300>();
    default:
        return nullptr;
    }
}

bool TypElementu::czyWKatalogu(int kod) {
    return utworz(kod, 1) != nullptr;
}

bool TypElementu::czyOdrzuconyPrzezCentrale(int kod) {
    const int typ = biezacaCentrala != nullptr ? biezacaCentrala->podajTypCentrali() : 0;
    return (typ == 3 || typ == 4) && (kod == 33 || kod == 34 || kod == 35 || kod == 38);
}

std::unique_ptr<TypElementu> TypElementu::utworzZKodu(int kod, const TypElementu& stary,
                                                      int linia) {
    if (czyOdrzuconyPrzezCentrale(kod)) return nullptr;
    auto nowy = utworz(kod, linia);
    if (!nowy || kod == 0) return nowy; // a fresh TypBRAK takes nothing over
    if (nowy->czyWStrefie()) {
        // Detector: zone = line number and mode 1 from the constructor stay where the old
        // values are refused.
        nowy->grupa = stary.grupa;
        nowy->ustalNumer(stary.numer);
        nowy->ustalTryb(stary.tryb);
    } else {
        // Other kinds: number 0 unless the old one fits; any old mode byte; group A.
        nowy->ustalNumer(stary.numer);
        nowy->ustalTryb(stary.tryb);
    }
    return nowy;
}
