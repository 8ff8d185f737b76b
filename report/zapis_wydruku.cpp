#include "report/zapis_wydruku.h"

std::string tekstPlikuRaportu(std::string_view tekst) {
    std::string bajty;
    bajty.reserve(tekst.size() + tekst.size() / 32 + 1);
    for (char c : tekst) {
        if (c == '\n') bajty += '\r';
        bajty += c;
    }
    bajty += '\0';
    return bajty;
}

WynikZapisu zapiszRaport(const std::string& nazwaPliku, std::string_view tekst) {
    ZapisZastepujacy zapis(nazwaPliku);
    if (!zapis.czyOtwarty()) return WynikZapisu::nieMoznaUtworzyc;
    zapis.zapisz(tekstPlikuRaportu(tekst));
    return zapis.zatwierdz();
}
