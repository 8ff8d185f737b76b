// The language object: the current language by name, its library, and texts by number with the
// fixed fallback to the program's own Polish table.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include "core/otoczenie.h"

class Language {
public:
    static constexpr int dlugoscBufora = 1024; // texts are cut to 1023 characters

    Language();
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    // The text for a number in the current language's code page. `domyslny` "0" means none.
    std::string podajTekst(int numer, const std::string& domyslny = "0") const;

    // Makes the language current without asking; restores the previous name when its library
    // cannot be loaded.
    void ustawJezyk(const std::string& nazwa);
    // The user's language change: asks, then rebuilds the current root's element table.
    void zmienJezyk(const std::string& nazwa);
    const std::string& podajJezyk() const { return nazwa; }

    // True for "polish"; otherwise reloads the library and answers whether that succeeded.
    bool czyGotowy();
    bool czyPolski() const;
    bool czyLacinski() const;
    bool czyCyrylica() const;
    // Window character set: 238, 204 or 1.
    int podajZestawZnakow() const;
    // The code page of the core's texts under this language: 1250, 1251 or 1252.
    int podajStroneKodowa() const;
    // Whether record texts are converted to code page 852.
    bool czyKodowanie852() const { return czyPolski() || czyLacinski(); }

    // (Re)loads the library of the current name.
    bool zaladujBiblioteke();
    bool czyBibliotekaZaladowana() const { return biblioteka.has_value(); }

    void ustalKatalogProgramu(const std::string& katalog) { katalogProgramu = katalog; }
    const std::string& podajKatalogProgramu() const { return katalogProgramu; }
    // Where questions and load errors are shown; none means nobody is asked (answer No).
    void ustalOtoczenie(Otoczenie* o) { otoczenie = o; }
    // The template of a number that is safe to fill (see lang/formatowanie.h), remembered until
    // another library is loaded: printouts fill the same few templates thousands of times. A
    // copy, taken under the lock: loading another library clears the cache meanwhile.
    std::string podajSzablon(int numer) const;

    // Library file of the current name: program folder, name, "_Lang.dll".
    std::string podajPlikBiblioteki() const;

private:
    std::string tekstWlasny(int numer) const;
    Otoczenie& podajOtoczenie() const;

    std::string nazwa = "polish";
    std::string katalogProgramu;
    Otoczenie* otoczenie = nullptr;
    mutable OtoczenieBezOkien bezOkien;
    // Texts of the loaded library, already in the language's code page.
    std::optional<std::map<int, std::string>> biblioteka;
    // The program's own table, converted once to Windows-1250.
    std::map<int, std::string> wlasne;
    // Filled from the worker thread too (reply handlers format default texts): guarded.
    mutable std::mutex blokadaSzablonow;
    mutable std::unordered_map<int, std::string> szablony;
};

// The text for a number from the process-wide language object, or from the program's own table
// before that object exists.
std::string tekst(int numer, const std::string& domyslny = "0");
