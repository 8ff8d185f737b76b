#include "elements/outputs/xrm_wejscie.h"

#include <algorithm>

#include "core/centrala.h"
#include "core/globalne.h"
#include "elements/outputs/xrm_uklad.h"
#include "lang/formatowanie.h"
#include "lang/language.h"

namespace {

constexpr int tekstUszkodzenia = 470;
constexpr int tekstAlarmu = 471;
constexpr int tekstyWariantow[XrmWejscie::maksWariant + 1] = {158, 159, 160, 402};
constexpr int maksStrefaBezCentrali = 0xFFFF;

std::string linia(std::string_view t, int znakow) {
    t = t.substr(0, t.find('\0'));
    t = t.substr(0, static_cast<std::size_t>(znakow));
    return naSzerokosc(std::string(t), xrm_uklad::szerokoscKomunikatu);
}

} // namespace

XrmWejscie::XrmWejscie(int numer) : numer(numer == 2 ? 2 : 1) {
    ustalKomunikatUszkodzenia(formatujTekst(tekstUszkodzenia, this->numer));
    ustalKomunikatAlarmu(formatujTekst(tekstAlarmu, this->numer));
}

int XrmWejscie::szerokoscUszkodzenia() const {
    return numer == 2 ? xrm_uklad::szerokoscUszkodzeniaLk2 : xrm_uklad::szerokoscKomunikatu;
}

int XrmWejscie::ustalWariant(int w) {
    if (w < 0 || w > maksWariant) return 1;
    wariant = w;
    return 0;
}

int XrmWejscie::ustalStrefe(int s) {
    const int maks =
        biezacaCentrala != nullptr ? biezacaCentrala->liczbaStref : maksStrefaBezCentrali;
    if (s < 1 || s > maks) return 1;
    strefa = s;
    return 0;
}

void XrmWejscie::ustalKomunikatUszkodzenia(std::string_view t) {
    komunikatUszkodzenia = linia(t, szerokoscUszkodzenia());
}

void XrmWejscie::ustalKomunikatAlarmu(std::string_view t) {
    komunikatAlarmu = linia(t, xrm_uklad::szerokoscKomunikatu);
}

int XrmWejscie::opisWariantu(std::string& bufor, int w) const {
    const int uzyty = w == 0 ? wariant : w;
    bufor = uzyty >= 0 && uzyty <= maksWariant ? tekst(tekstyWariantow[uzyty]) : std::string();
    return uzyty;
}
