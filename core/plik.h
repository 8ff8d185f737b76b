// The settings object: where the settings file lives and the folders the program remembers.
#pragma once

#include <string>

class Plik {
public:
    static constexpr std::size_t maksDlugoscKatalogu = 255;

    const std::string& podajNazwePlikuUstawien() const { return nazwaPlikuUstawien; }
    // The settings file lives in the user's settings folder: an installed program's folder is not
    // writable.
    const std::string& podajKatalogUstawien() const { return katalogUstawien; }
    void ustalKatalogUstawien(const std::string& k) { katalogUstawien = k; }
    std::string podajSciezkeUstawien() const;

    // Last-used folder: the starting point of the open and save dialogs; up to 255 characters,
    // a longer one is not remembered.
    const std::string& podajOstatniKatalog() const { return ostatniKatalog; }
    void ustalOstatniKatalog(const std::string& k);

    // Folder recorded at start-up: home of the language libraries and the version text.
    const std::string& podajKatalogProgramu() const { return katalogProgramu; }
    void ustalKatalogProgramu(const std::string& k) { katalogProgramu = k; }

    // The current folder, asked anew each time.
    std::string podajBiezacyKatalog() const;

private:
    std::string nazwaPlikuUstawien = "panelcfg.ini";
    std::string katalogUstawien;
    std::string ostatniKatalog;
    std::string katalogProgramu;
};
