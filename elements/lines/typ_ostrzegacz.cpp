#include "elements/lines/typ_ostrzegacz.h"

#include <algorithm>

#include "core/centrala.h"
#include "lang/formatowanie.h"
#include "lang/language.h"

// --- TypOstrzegacz -------------------------------------------------------------------------

TypOstrzegacz::TypOstrzegacz(int linia, int kodTypu, int trybDomyslnyTypu) {
    kod = kodTypu;
    trybDomyslny = trybDomyslnyTypu;
    numer = numerDomyslny = linia;
}

int TypOstrzegacz::ustalNumer(int n) {
    return ustalNumerWZakresie(n, 1, liczba(&Centrala::liczbaStref));
}

int TypOstrzegacz::ustalNumerZBajtow(int starsza, int mlodszy) {
    return ustalNumer(starsza | mlodszy);
}

void TypOstrzegacz::drukujTyp(std::string& out, int linia, int element,
                              const std::string& nrFabryczny) const {
    const std::string nazwa = nazwaTypu();
    const std::string litera = literaGrupy();
    out += wypelnijSzablon(
        std::string("|  %d  |   %-3d  | %-10s | %s |    %-4d  |  %s  |  %-2d |\n"), linia, element,
        nazwa.c_str(), nrFabryczny.c_str(), numer, litera.c_str(), tryb);
    zamknij(out);
}

int TypOstrzegacz::ustalTrybZ(int m, std::initializer_list<int> dozwolone) {
    if (std::find(dozwolone.begin(), dozwolone.end(), m) == dozwolone.end()) return 1;
    tryb = m;
    return 0;
}

int TypOstrzegacz::ustalTrybOd1Do(int m, int ostatni) {
    if (m < 1 || m > ostatni) return 1;
    tryb = m;
    return 0;
}

int TypOstrzegacz::opisZTekstow(std::string& out, int m, std::initializer_list<int> teksty) const {
    if (m == 0) m = tryb;
    const int n = static_cast<int>(teksty.size());
    const int indeks = m >= 1 && m <= n ? m - 1 : 0;
    out = tekst(*(teksty.begin() + indeks));
    return m;
}

int TypOstrzegacz::lista(std::string& out, int nrTekstu) {
    out = tekst(nrTekstu);
    return static_cast<int>(out.size());
}

void TypOstrzegacz::nieDotyczy(std::string& out) {
    out = tekst(284);
}

std::string TypOstrzegacz::literaGrupy() const {
    return tekst(grupa != 0 ? 286 : 285);
}

// --- KFA -----------------------------------------------------------------------------------

int TypKFA::ustalTryb(int m) {
    return ustalTrybOd1Do(m, 3);
}
int TypKFA::opisTrybu(std::string& out, int m) const {
    return opisZTekstow(out, m, {241, 242, 243});
}
int TypKFA::listaTrybow(std::string& out) const {
    return lista(out, 240);
}

// --- KFB -----------------------------------------------------------------------------------

int TypKFB::ustalTryb(int m) {
    return ustalTrybOd1Do(m, 3);
}
int TypKFB::opisTrybu(std::string& out, int m) const {
    return opisZTekstow(out, m, {245, 246, 247});
}
int TypKFB::listaTrybow(std::string& out) const {
    return lista(out, 244);
}

// --- KFC -----------------------------------------------------------------------------------

int TypKFC::ustalTryb(int m) {
    return ustalTrybZ(m, {1, 2, 3, 5, 6, 7, 8, 9});
}
int TypKFC::opisTrybu(std::string& out, int m) const {
    return opisZTekstow(out, m, {253, 254, 255, 256, 257, 258, 259, 260, 261});
}
int TypKFC::listaTrybow(std::string& out) const {
    return lista(out, 252);
}

// --- KFE -----------------------------------------------------------------------------------

int TypKFE::ustalTryb(int m) {
    return ustalTrybOd1Do(m, 9);
}
int TypKFE::opisTrybu(std::string& out, int m) const {
    // Text 267 is not in the program's own table: whatever the language supplies, or empty.
    return opisZTekstow(out, m, {267, 268, 269, 270, 271, 272, 273, 524, 525});
}
int TypKFE::listaTrybow(std::string& out) const {
    return lista(out, 266);
}

// --- KFN -----------------------------------------------------------------------------------

int TypKFN::ustalTryb(int m) {
    return ustalTrybOd1Do(m, 6);
}
int TypKFN::opisTrybu(std::string& out, int m) const {
    return opisZTekstow(out, m, {275, 276, 277, 278, 279, 280});
}
int TypKFN::listaTrybow(std::string& out) const {
    return lista(out, 274);
}

// --- KFM -----------------------------------------------------------------------------------

int TypKFM::ustalTryb(int m) {
    return ustalTrybOd1Do(m, 3);
}
int TypKFM::opisTrybu(std::string& out, int m) const {
    return opisZTekstow(out, m, {249, 250, 251});
}
int TypKFM::listaTrybow(std::string& out) const {
    return lista(out, 248);
}

// --- KFH -----------------------------------------------------------------------------------

int TypKFH::ustalTryb(int m) {
    return ustalTrybOd1Do(m, 3);
}
int TypKFH::opisTrybu(std::string& out, int m) const {
    return opisZTekstow(out, m, {263, 264, 265});
}
int TypKFH::listaTrybow(std::string& out) const {
    return lista(out, 262);
}

// --- KFJ -----------------------------------------------------------------------------------

int TypKFJ::ustalTryb(int m) {
    return ustalTrybOd1Do(m, 7);
}
int TypKFJ::opisTrybu(std::string& out, int m) const {
    // Mode 7 is accepted but not listed; it shows the mode-1 text.
    return opisZTekstow(out, m, {406, 407, 408, 409, 467, 468, 406});
}
int TypKFJ::listaTrybow(std::string& out) const {
    return lista(out, 405);
}

// --- KFL -----------------------------------------------------------------------------------

int TypKFL::ustalTryb(int m) {
    return ustalTrybOd1Do(m, 3);
}
int TypKFL::opisTrybu(std::string& out, int m) const {
    return opisZTekstow(out, m, {411, 412, 413});
}
int TypKFL::listaTrybow(std::string& out) const {
    return lista(out, 410);
}

// --- KFS -----------------------------------------------------------------------------------

int TypKFS::ustalTryb(int m) {
    return ustalTrybOd1Do(m, 10);
}
int TypKFS::opisTrybu(std::string& out, int m) const {
    return opisZTekstow(out, m, {282, 283, 416, 417, 418, 419, 420, 421, 422, 423});
}
int TypKFS::listaTrybow(std::string& out) const {
    return lista(out, 281);
}

// --- KFP, KFR, KFR_207 -----------------------------------------------------------------------

int TypKFP::ustalTryb(int m) {
    return ustalTrybZ(m, {0, 1});
}
int TypKFP::opisTrybu(std::string& out, int) const {
    nieDotyczy(out);
    return 0;
}

int TypKFR::ustalTryb(int m) {
    return ustalTrybZ(m, {0, 1});
}
int TypKFR::opisTrybu(std::string& out, int) const {
    nieDotyczy(out);
    return 0;
}

int TypKFR_207::ustalTryb(int m) {
    return ustalTrybZ(m, {0, 1});
}
int TypKFR_207::opisTrybu(std::string& out, int) const {
    nieDotyczy(out);
    return 0;
}
