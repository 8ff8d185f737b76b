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

std::unique_ptr<TypElementu> TypKFA::klonuj() const {
    return std::make_unique<TypKFA>(*this);
}
int TypKFA::podajNazweTypu(std::string& out) const {
    out = tekst(219);
    return kod;
}
int TypKFA::ustalTryb(int m) {
    return ustalTrybOd1Do(m, 3);
}
int TypKFA::opisTrybu(std::string& out, int m) const {
    return opisZTekstow(out, m, {241, 242, 243});
}
int TypKFA::listaTrybow(std::string& out) const {
    return lista(out, 240);
}

std::unique_ptr<TypElementu> TypKFA_213::klonuj() const {
    return std::make_unique<TypKFA_213>(*this);
}
int TypKFA_213::podajNazweTypu(std::string& out) const {
    out = tekst(220);
    return kod;
}

// --- KFB -----------------------------------------------------------------------------------

std::unique_ptr<TypElementu> TypKFB::klonuj() const {
    return std::make_unique<TypKFB>(*this);
}
int TypKFB::podajNazweTypu(std::string& out) const {
    out = tekst(221);
    return kod;
}
int TypKFB::ustalTryb(int m) {
    return ustalTrybOd1Do(m, 3);
}
int TypKFB::opisTrybu(std::string& out, int m) const {
    return opisZTekstow(out, m, {245, 246, 247});
}
int TypKFB::listaTrybow(std::string& out) const {
    return lista(out, 244);
}

std::unique_ptr<TypElementu> TypKFB_213::klonuj() const {
    return std::make_unique<TypKFB_213>(*this);
}
int TypKFB_213::podajNazweTypu(std::string& out) const {
    out = tekst(222);
    return kod;
}

// --- KFC -----------------------------------------------------------------------------------

std::unique_ptr<TypElementu> TypKFC::klonuj() const {
    return std::make_unique<TypKFC>(*this);
}
int TypKFC::podajNazweTypu(std::string& out) const {
    out = tekst(223);
    return kod;
}
int TypKFC::ustalTryb(int m) {
    return ustalTrybZ(m, {1, 2, 3, 5, 6, 7, 8, 9});
}
int TypKFC::opisTrybu(std::string& out, int m) const {
    return opisZTekstow(out, m, {253, 254, 255, 256, 257, 258, 259, 260, 261});
}
int TypKFC::listaTrybow(std::string& out) const {
    return lista(out, 252);
}

std::unique_ptr<TypElementu> TypKFC_213::klonuj() const {
    return std::make_unique<TypKFC_213>(*this);
}
int TypKFC_213::podajNazweTypu(std::string& out) const {
    out = tekst(224);
    return kod;
}

std::unique_ptr<TypElementu> TypKFC_310::klonuj() const {
    return std::make_unique<TypKFC_310>(*this);
}
int TypKFC_310::podajNazweTypu(std::string& out) const {
    out = tekst(512);
    return kod;
}

std::unique_ptr<TypElementu> TypKFC_313::klonuj() const {
    return std::make_unique<TypKFC_313>(*this);
}
int TypKFC_313::podajNazweTypu(std::string& out) const {
    out = tekst(513);
    return kod;
}

// --- KFE -----------------------------------------------------------------------------------

std::unique_ptr<TypElementu> TypKFE::klonuj() const {
    return std::make_unique<TypKFE>(*this);
}
int TypKFE::podajNazweTypu(std::string& out) const {
    out = tekst(229);
    return kod;
}
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

std::unique_ptr<TypElementu> TypKFN::klonuj() const {
    return std::make_unique<TypKFN>(*this);
}
int TypKFN::podajNazweTypu(std::string& out) const {
    out = tekst(230);
    return kod;
}
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

std::unique_ptr<TypElementu> TypKFM::klonuj() const {
    return std::make_unique<TypKFM>(*this);
}
int TypKFM::podajNazweTypu(std::string& out) const {
    out = tekst(226);
    return kod;
}
int TypKFM::ustalTryb(int m) {
    return ustalTrybOd1Do(m, 3);
}
int TypKFM::opisTrybu(std::string& out, int m) const {
    return opisZTekstow(out, m, {249, 250, 251});
}
int TypKFM::listaTrybow(std::string& out) const {
    return lista(out, 248);
}

std::unique_ptr<TypElementu> TypKFM_213::klonuj() const {
    return std::make_unique<TypKFM_213>(*this);
}
int TypKFM_213::podajNazweTypu(std::string& out) const {
    out = tekst(227);
    return kod;
}

std::unique_ptr<TypElementu> TypKFM_217::klonuj() const {
    return std::make_unique<TypKFM_217>(*this);
}
int TypKFM_217::podajNazweTypu(std::string& out) const {
    out = tekst(228);
    return kod;
}

// --- KFH -----------------------------------------------------------------------------------

std::unique_ptr<TypElementu> TypKFH::klonuj() const {
    return std::make_unique<TypKFH>(*this);
}
int TypKFH::podajNazweTypu(std::string& out) const {
    out = tekst(225);
    return kod;
}
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

std::unique_ptr<TypElementu> TypKFJ::klonuj() const {
    return std::make_unique<TypKFJ>(*this);
}
int TypKFJ::podajNazweTypu(std::string& out) const {
    out = tekst(415);
    return kod;
}
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

std::unique_ptr<TypElementu> TypKFL::klonuj() const {
    return std::make_unique<TypKFL>(*this);
}
int TypKFL::podajNazweTypu(std::string& out) const {
    out = tekst(414);
    return kod;
}
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

std::unique_ptr<TypElementu> TypKFS::klonuj() const {
    return std::make_unique<TypKFS>(*this);
}
int TypKFS::podajNazweTypu(std::string& out) const {
    out = tekst(236);
    return kod;
}
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

std::unique_ptr<TypElementu> TypKFP::klonuj() const {
    return std::make_unique<TypKFP>(*this);
}
int TypKFP::podajNazweTypu(std::string& out) const {
    out = tekst(519);
    return kod;
}
int TypKFP::ustalTryb(int m) {
    return ustalTrybZ(m, {0, 1});
}
int TypKFP::opisTrybu(std::string& out, int) const {
    nieDotyczy(out);
    return 0;
}

std::unique_ptr<TypElementu> TypKFR::klonuj() const {
    return std::make_unique<TypKFR>(*this);
}
int TypKFR::podajNazweTypu(std::string& out) const {
    out = tekst(231);
    return kod;
}
int TypKFR::ustalTryb(int m) {
    return ustalTrybZ(m, {0, 1});
}
int TypKFR::opisTrybu(std::string& out, int) const {
    nieDotyczy(out);
    return 0;
}

std::unique_ptr<TypElementu> TypKFR_207::klonuj() const {
    return std::make_unique<TypKFR_207>(*this);
}
int TypKFR_207::podajNazweTypu(std::string& out) const {
    out = tekst(505);
    return kod;
}
int TypKFR_207::ustalTryb(int m) {
    return ustalTrybZ(m, {0, 1});
}
int TypKFR_207::opisTrybu(std::string& out, int) const {
    nieDotyczy(out);
    return 0;
}
