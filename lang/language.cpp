#include "lang/language.h"

#include <algorithm>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/otoczenie.h"
#include "lang/formatowanie.h"
#include "lang/kodowanie.h"
#include "lang/teksty_polskie.h"
#include "platform/biblioteka_tekstow.h"
#include "platform/katalogi.h"

namespace {

std::string przytnij(std::string s) {
    if (s.size() >= Language::dlugoscBufora) s.resize(Language::dlugoscBufora - 1);
    return s;
}

} // namespace

Language::Language() {
    for (const auto& t : tekstyWbudowane())
        wlasne.emplace(t.numer, przytnij(utf8NaStronaKodowa(t.tekst, 1250)));
}

std::string Language::tekstWlasny(int numer) const {
    const auto it = wlasne.find(numer);
    return it != wlasne.end() ? it->second : std::string();
}

std::string Language::podajTekst(int numer, const std::string& domyslny) const {
    if (biblioteka) {
        const auto it = biblioteka->find(numer);
        if (it != biblioteka->end()) return it->second;
    } else if (wlasne.count(numer) != 0) {
        return tekstWlasny(numer);
    }
    // A number the program's own table lacks keeps the caller's default (a window keeps its
    // designed caption) rather than turning blank.
    if ((domyslny == "0" || czyPolski()) && wlasne.count(numer) != 0) return tekstWlasny(numer);
    return domyslny == "0" ? std::string() : przytnij(domyslny);
}

std::string Language::podajPlikBiblioteki() const {
    return platform::polacz(katalogProgramu, nazwa + "_Lang.dll");
}

Otoczenie& Language::podajOtoczenie() const {
    return otoczenie != nullptr ? *otoczenie : bezOkien;
}

bool Language::zaladujBiblioteke() {
    biblioteka.reset();
    {
        const std::lock_guard<std::mutex> blokada(blokadaSzablonow);
        szablony.clear();
    }
    if (czyPolski()) return true;
    const std::string plikBiblioteki = podajPlikBiblioteki();
    // Library names ignore letter case, as they do where the libraries come from.
    const std::string znaleziony = platform::znajdzPlik(katalogProgramu, nazwa + "_Lang.dll");
    if (znaleziony.empty()) {
        podajOtoczenie().blad("Could not find " + plikBiblioteki + " !!!");
        return false;
    }
    auto tabela = platform::BibliotekaTekstow::otworz(znaleziony);
    if (!tabela) {
        podajOtoczenie().komunikat("Error opening the " + plikBiblioteki + "!");
        return false;
    }
    const int strona = podajStroneKodowa();
    std::map<int, std::string> teksty;
    for (unsigned nr : tabela->numery()) {
        if (auto t = tabela->tekst(nr))
            teksty.emplace(static_cast<int>(nr), przytnij(utf16NaStronaKodowa(*t, strona)));
    }
    biblioteka = std::move(teksty);
    return true;
}

std::string Language::podajSzablon(int numer) const {
    const std::lock_guard<std::mutex> blokada(blokadaSzablonow);
    auto it = szablony.find(numer);
    if (it == szablony.end())
        it = szablony.emplace(numer, wyznaczBezpiecznySzablon(podajTekst(numer), numer)).first;
    return it->second;
}

void Language::ustawJezyk(const std::string& nowa) {
    const std::string poprzednia = nazwa;
    nazwa = nowa;
    if (!zaladujBiblioteke()) nazwa = poprzednia;
}

void Language::zmienJezyk(const std::string& nowa) {
    Otoczenie& o = podajOtoczenie();
    o.zatrzymajOdswiezanie();
    o.zatrzymajPonawianie();
    if (nowa != nazwa && o.pytanie(tekst(333))) {
        nazwa = nowa;
        zaladujBiblioteke(); // a failure is reported by the loader; the new name stays
        if (biezacaCentrala != nullptr) {
            biezacaCentrala->usunTabliceElementow();
            biezacaCentrala->budujTabliceElementow();
        }
    }
    o.odswiezOknoGlowne();
    o.wznowOdswiezanie();
    o.wznowPonawianie();
}

bool Language::czyGotowy() {
    return czyPolski() || zaladujBiblioteke();
}

bool Language::czyPolski() const {
    return nazwa == "polish";
}

bool Language::czyLacinski() const {
    return nazwa == "english" || nazwa == "hungary";
}

bool Language::czyCyrylica() const {
    return nazwa == "russian" || nazwa == "ukrainian";
}

int Language::podajZestawZnakow() const {
    if (czyPolski() || czyLacinski() || nazwa == "portugal" || nazwa == "spanish") return 238;
    if (czyCyrylica()) return 204;
    return 1;
}

int Language::podajStroneKodowa() const {
    switch (podajZestawZnakow()) {
    case 238:
        return 1250;
    case 204:
        return 1251;
    default:
        return 1252;
    }
}

std::string tekst(int numer, const std::string& domyslny) {
    if (jezyk != nullptr) return jezyk->podajTekst(numer, domyslny);
    // Before start-up: the program's own table.
    const auto teksty = tekstyWbudowane();
    const auto it = std::lower_bound(teksty.begin(), teksty.end(), numer,
                                     [](const TekstWbudowany& t, int n) { return t.numer < n; });
    if (it == teksty.end() || it->numer != numer) return {};
    return przytnij(utf8NaStronaKodowa(it->tekst, 1250));
}
