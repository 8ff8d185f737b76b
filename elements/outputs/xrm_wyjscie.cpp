#include "elements/outputs/xrm_wyjscie.h"

#include "elements/outputs/stos.h"
#include "lang/language.h"

namespace {

constexpr int tekstTypu0 = 168; // type t is described by text 168 + t
constexpr int tekstNieDotyczy = 176;
constexpr int tekstWariantu1Typu1 = 177;
constexpr int tekstWariantu1Typu3 = 181;

} // namespace

int XrmWyjscie::maksWariant(int t) {
    switch (t) {
    case 1:
        return 2;
    case 3:
        return 8;
    default:
        return 0;
    }
}

int XrmWyjscie::ustalTyp(int t) {
    if (!czyTyp(t)) return 1;
    typ = t;
    return 0;
}

int XrmWyjscie::ustalWariant(int w) {
    if (typ == 0) return 0;
    if (w < 1 || w > maksWariant(typ)) return 1;
    wariant = w;
    return 0;
}

int XrmWyjscie::trybPrzypisania() const {
    if (typ == 1 && wariant == 2) return Stos::trybStrefy;
    if (typ == 3 && wariant >= 5 && wariant <= 8) return Stos::trybStrefy;
    return 0;
}

int XrmWyjscie::opisTypu(std::string& bufor, int t) const {
    if (t == 0) t = typ;
    bufor = czyTyp(t) ? tekst(tekstTypu0 + t) : std::string();
    return t;
}

int XrmWyjscie::opisWariantu(std::string& bufor, int w) const {
    const int uzyty = w == 0 ? wariant : w;
    bufor.clear();
    if (typ == 0)
        bufor = tekst(tekstNieDotyczy);
    else if (uzyty >= 1 && uzyty <= maksWariant(typ))
        bufor = tekst((typ == 1 ? tekstWariantu1Typu1 : tekstWariantu1Typu3) + uzyty - 1);
    return uzyty;
}
