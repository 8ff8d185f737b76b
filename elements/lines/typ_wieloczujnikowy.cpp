#include "elements/lines/typ_wieloczujnikowy.h"

#include "lang/formatowanie.h"
#include "lang/language.h"

namespace {

int bit(int tryb, int n) {
    return (tryb >> n) & 1;
}

// Sensitivity of bits 4..5 (KFD, KFG family, KFJ_310N).
const char* tekstCzulosci(int v) {
    static const char* const teksty[] = {"Normal", "+20%", "-20%", "-40%"};
    return teksty[v & 3];
}

// Heat class of bits 2..4 (KFE_3 family); 6 and 7 print "Off".
const char* tekstKlasyCiepla(int v) {
    static const char* const teksty[] = {"Off", "A1R", "A2R", "BR", "A2S", "BS", "Off", "Off"};
    return teksty[v & 7];
}

int opisBezListy(std::string& out, int m, int tryb) {
    out = tekst(284);
    return m == 0 ? tryb : m;
}

} // namespace

// --- KFD -----------------------------------------------------------------------------------

int TypKFD::ustalTryb(int m) {
    tryb = m;
    return 0;
}
int TypKFD::opisTrybu(std::string& out, int m) const {
    return opisBezListy(out, m, tryb);
}
void TypKFD::drukujTyp(std::string& out, int linia, int element,
                       const std::string& nrFabryczny) const {
    std::string ir, uv, cieplo, co, czulosc;
    opisSensoraIR(ir);
    opisSensoraUV(uv);
    opisSensoraCiepla(cieplo);
    opisSensoraCO(co);
    opisCzulosci(czulosc);
    out += formatujTekst(522, linia, element, nazwaTypu().c_str(), nrFabryczny.c_str(), numer,
                         literaGrupy().c_str(), ir.c_str(), uv.c_str(), cieplo.c_str(), co.c_str(),
                         podajInterakcje(), czulosc.c_str());
}
int TypKFD::podajSensorIR() const {
    return bit(tryb, 1);
}
int TypKFD::opisSensoraIR(std::string& out) const {
    out = tekstTakNie(podajSensorIR());
    return podajSensorIR();
}
int TypKFD::podajSensorUV() const {
    return bit(tryb, 0);
}
int TypKFD::opisSensoraUV(std::string& out) const {
    out = tekstTakNie(podajSensorUV());
    return podajSensorUV();
}
int TypKFD::podajSensorCO() const {
    return bit(tryb, 3);
}
int TypKFD::opisSensoraCO(std::string& out) const {
    out = tekstTakNie(podajSensorCO());
    return podajSensorCO();
}
int TypKFD::podajSensorCiepla() const {
    return bit(tryb, 2);
}
int TypKFD::opisSensoraCiepla(std::string& out) const {
    out = tekstTakNie(podajSensorCiepla());
    return podajSensorCiepla();
}
int TypKFD::podajInterakcje() const {
    return (tryb >> 6) & 3;
}
int TypKFD::podajCzulosc() const {
    return (tryb >> 4) & 3;
}
int TypKFD::opisCzulosci(std::string& out) const {
    out = tekstCzulosci(podajCzulosc());
    return podajCzulosc();
}

// --- KFG family ----------------------------------------------------------------------------

int TypKFG::ustalTryb(int m) {
    tryb = m;
    return 0;
}
int TypKFG::opisTrybu(std::string& out, int m) const {
    return opisBezListy(out, m, tryb);
}
void TypKFG::drukujTyp(std::string& out, int linia, int element,
                       const std::string& nrFabryczny) const {
    std::string ir, uv, czulosc;
    opisSensoraIR(ir);
    opisSensoraUV(uv);
    opisCzulosci(czulosc);
    out += formatujTekst(523, linia, element, nazwaTypu().c_str(), nrFabryczny.c_str(), numer,
                         literaGrupy().c_str(), ir.c_str(), uv.c_str(), podajInterakcje(),
                         czulosc.c_str());
}
int TypKFG::podajSensorIR() const {
    return bit(tryb, 1);
}
int TypKFG::opisSensoraIR(std::string& out) const {
    out = tekstTakNie(podajSensorIR());
    return podajSensorIR();
}
int TypKFG::podajSensorUV() const {
    return bit(tryb, 0);
}
int TypKFG::opisSensoraUV(std::string& out) const {
    out = tekstTakNie(podajSensorUV());
    return podajSensorUV();
}
int TypKFG::podajSensorCO() const {
    return 0;
}
int TypKFG::opisSensoraCO(std::string& out) const {
    out = tekstTakNie(0);
    return 0;
}
int TypKFG::podajSensorCiepla() const {
    return 0;
}
int TypKFG::opisSensoraCiepla(std::string& out) const {
    out = tekstTakNie(0);
    return 0;
}
int TypKFG::podajInterakcje() const {
    return (tryb >> 6) & 3;
}
int TypKFG::podajCzulosc() const {
    return (tryb >> 4) & 3;
}
int TypKFG::opisCzulosci(std::string& out) const {
    out = tekstCzulosci(podajCzulosc());
    return podajCzulosc();
}

// --- KFJ_310N ------------------------------------------------------------------------------

int TypKFJ_310N::ustalTryb(int m) {
    tryb = m;
    return 0;
}
int TypKFJ_310N::opisTrybu(std::string& out, int m) const {
    return opisBezListy(out, m, tryb);
}
int TypKFJ_310N::listaTrybow(std::string&) const {
    return 0;
}
void TypKFJ_310N::drukujTyp(std::string& out, int linia, int element,
                            const std::string& nrFabryczny) const {
    std::string ir, uv, cieplo, czulosc;
    opisSensoraIR(ir);
    opisSensoraUV(uv);
    opisSensoraCiepla(cieplo);
    opisCzulosci(czulosc);
    out += formatujTekst(528, linia, element, nazwaTypu().c_str(), nrFabryczny.c_str(), numer,
                         literaGrupy().c_str(), ir.c_str(), uv.c_str(), cieplo.c_str(),
                         podajInterakcje(), czulosc.c_str());
}
int TypKFJ_310N::podajSensorIR() const {
    return bit(tryb, 1);
}
int TypKFJ_310N::opisSensoraIR(std::string& out) const {
    out = tekstTakNie(podajSensorIR());
    return podajSensorIR();
}
int TypKFJ_310N::podajSensorUV() const {
    return bit(tryb, 0);
}
int TypKFJ_310N::opisSensoraUV(std::string& out) const {
    out = tekstTakNie(podajSensorUV());
    return podajSensorUV();
}
int TypKFJ_310N::podajSensorCO() const {
    return 0;
}
int TypKFJ_310N::opisSensoraCO(std::string& out) const {
    out = tekstTakNie(0);
    return 0;
}
int TypKFJ_310N::podajSensorCiepla() const {
    return bit(tryb, 2);
}
int TypKFJ_310N::opisSensoraCiepla(std::string& out) const {
    out = tekstTakNie(podajSensorCiepla());
    return podajSensorCiepla();
}
int TypKFJ_310N::podajInterakcje() const {
    return (tryb >> 6) & 3;
}
int TypKFJ_310N::podajCzulosc() const {
    return (tryb >> 4) & 3;
}
int TypKFJ_310N::opisCzulosci(std::string& out) const {
    out = tekstCzulosci(podajCzulosc());
    return podajCzulosc();
}

// --- KFE_3 family --------------------------------------------------------------------------

int TypKFE_3::ustalTryb(int m) {
    tryb = m;
    return 0;
}
int TypKFE_3::opisTrybu(std::string& out, int m) const {
    return opisBezListy(out, m, tryb);
}
void TypKFE_3::drukujTyp(std::string& out, int linia, int element,
                         const std::string& nrFabryczny) const {
    std::string ir, uv, klasa, czulosc;
    opisSensoraIR(ir);
    opisSensoraUV(uv);
    opisKlasyCiepla(klasa);
    opisCzulosci(czulosc);
    out += formatujTekst(528, linia, element, nazwaTypu().c_str(), nrFabryczny.c_str(), numer,
                         literaGrupy().c_str(), ir.c_str(), uv.c_str(), klasa.c_str(),
                         podajInterakcje(), czulosc.c_str());
}
int TypKFE_3::podajSensorIR() const {
    return bit(tryb, 1);
}
int TypKFE_3::opisSensoraIR(std::string& out) const {
    out = tekstTakNie(podajSensorIR());
    return podajSensorIR();
}
int TypKFE_3::podajSensorUV() const {
    return bit(tryb, 0);
}
int TypKFE_3::opisSensoraUV(std::string& out) const {
    out = tekstTakNie(podajSensorUV());
    return podajSensorUV();
}
int TypKFE_3::podajInterakcje() const {
    return (tryb >> 6) & 3;
}
int TypKFE_3::podajCzulosc() const {
    return bit(tryb, 5);
}
int TypKFE_3::opisCzulosci(std::string& out) const {
    out = podajCzulosc() != 0 ? "-20%" : "Normal";
    return podajCzulosc();
}
int TypKFE_3::podajKlaseCiepla() const {
    return (tryb >> 2) & 7;
}
int TypKFE_3::opisKlasyCiepla(std::string& out) const {
    out = tekstKlasyCiepla(podajKlaseCiepla());
    return podajKlaseCiepla();
}
