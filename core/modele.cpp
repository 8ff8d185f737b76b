#include "core/modele.h"

#include "elements/outputs/brx.h"
#include "elements/outputs/brx_lk.h"
#include "elements/outputs/brx_par.h"
#include "elements/outputs/brx_pk.h"
#include "lang/language.h"

namespace {

struct Liczby {
    int linii, adresow, stref, wio, pk, ls, lk, grupWou, hrn, hva, grupWmi, brx, xgn, xgn30, xrm;
};

void ustawLiczby(Centrala& c, const Liczby& l) {
    c.liczbaLinii = l.linii;
    c.liczbaAdresow = l.adresow;
    c.liczbaStref = l.stref;
    c.liczbaWio = l.wio;
    c.liczbaPk = l.pk;
    c.liczbaLs = l.ls;
    c.liczbaLk = l.lk;
    c.liczbaBlc = 1;
    c.liczbaGrupWou = l.grupWou;
    c.liczbaHrn = l.hrn;
    c.liczbaHva = l.hva;
    c.liczbaGrupWmi = l.grupWmi;
    c.liczbaBrx = l.brx;
    c.liczbaXgn = l.xgn;
    c.liczbaXgn30 = l.xgn30;
    c.liczbaXrm = l.xrm;
}

// Extension packages take part in save, read and transfer only where the model sets them so.
void ustawFlagiBrx(std::uint8_t przesylanie, int drukowanie) {
    for (FlagiKlasy* f : {&Brx::flagi, &BrxPk::flagi, &BrxLk::flagi, &BrxPar::flagi}) {
        f->ustalPrzesylanie(przesylanie);
        f->ustalDrukowanie(drukowanie);
    }
}

} // namespace

MerakSys::MerakSys() : Centrala(0, 0, "MERAK7000") {}

void MerakSys::ustawRozmiary() {
    ustawLiczby(*this, {8, 127, 512, 250, 16, 8, 8, 64, 250, 250, 64, 4, 100, 100, 100});
    rozmiescZakresy();
    ustawLimityWspolne(31);
}

Merak7600::Merak7600() : Centrala(1, 3, "MERAK7600") {}

void Merak7600::ustawRozmiary() {
    ustawLiczby(*this, {4, 127, 1024, 250, 8, 4, 4, 100, 250, 250, 100, 4, 100, 100, 100});
    rozmiescZakresy();
    ustawLimityWspolne(31);
    ustawFlagiBrx(1, 0);
}

std::string Merak7600::podajNazweCentrali() const {
    return tekst(367);
}

Merak7800::Merak7800() : Centrala(1, 4, "MERAK7800") {}

void Merak7800::ustawRozmiary() {
    ustawLiczby(*this, {8, 127, 1024, 250, 16, 8, 8, 100, 250, 250, 100, 4, 100, 100, 100});
    rozmiescZakresy();
    ustawLimityWspolne(31);
    ustawFlagiBrx(0, 0);
}

std::string Merak7800::podajNazweCentrali() const {
    return tekst(366);
}

Merak7500::Merak7500() : Centrala(1, 5, "MERAK7500") {}

void Merak7500::ustawRozmiary() {
    ustawLiczby(*this, {4, 64, 256, 50, 8, 2, 2, 50, 50, 50, 50, 4, 50, 50, 50});
    rozmiescZakresy();
    ustawLimityWspolne(31);
    ustawFlagiBrx(0, 0);
}

std::string Merak7500::podajNazweCentrali() const {
    return tekst(369);
}

Merak7200::Merak7200() : Centrala(1, 6, "MERAK7200") {}

void Merak7200::ustawRozmiary() {
    ustawLiczby(*this, {2, 64, 128, 40, 3, 1, 2, 40, 40, 40, 40, 0, 40, 40, 40});
    rozmiescZakresy();
    ustawLimityWspolne(4);
    ustawFlagiBrx(0, 0);
}

std::string Merak7200::podajNazweCentrali() const {
    return tekst(370);
}

std::unique_ptr<Centrala> utworzCentrale(int typ) {
    switch (typ) {
    case 0:
        return std::make_unique<MerakSys>();
    case 3:
        return std::make_unique<Merak7600>();
    case 4:
        return std::make_unique<Merak7800>();
    case 5:
        return std::make_unique<Merak7500>();
    case 6:
        return std::make_unique<Merak7200>();
    default:
        return nullptr;
    }
}

int typZSygnatury(std::string_view sygnatura) {
    for (int typ : {0, 3, 4, 5, 6}) {
        if (utworzCentrale(typ)->czyTaSygnatura(sygnatura)) return typ;
    }
    return -1;
}
