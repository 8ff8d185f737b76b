// A fresh folder for the files of one test, removed with everything in it at the end, and the
// language libraries a test may switch to.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "lang/language.h"
#include "wspolne/katalog_testu.h"

class KatalogTestowy {
public:
    KatalogTestowy() { sciezka = nowyKatalogTestu("panelcfg-report"); }
    ~KatalogTestowy() {
        std::error_code e;
        std::filesystem::remove_all(sciezka, e);
    }
    KatalogTestowy(const KatalogTestowy&) = delete;
    KatalogTestowy& operator=(const KatalogTestowy&) = delete;

    std::string plik(const std::string& nazwa) const { return (sciezka / nazwa).string(); }

    std::vector<std::string> nazwyPlikow() const {
        std::vector<std::string> nazwy;
        for (const auto& p : std::filesystem::directory_iterator(sciezka))
            nazwy.push_back(p.path().filename().string());
        return nazwy;
    }

    // Makes `nazwa` the current language of `j`, with the English texts under that name.
    void ustawJezyk(Language& j, const std::string& nazwa) const {
        std::filesystem::copy_file(ENGLISH_LANG_DLL, sciezka / (nazwa + "_Lang.dll"),
                                   std::filesystem::copy_options::overwrite_existing);
        j.ustalKatalogProgramu(sciezka.string());
        j.ustawJezyk(nazwa);
        ASSERT_EQ(j.podajJezyk(), nazwa);
    }

    std::filesystem::path sciezka;
};

inline std::string czytajPlik(const std::string& nazwa) {
    std::ifstream f(nazwa, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}
