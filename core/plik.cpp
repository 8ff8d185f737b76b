#include "core/plik.h"

#include "platform/katalogi.h"

std::string Plik::podajSciezkeUstawien() const {
    return platform::polacz(katalogUstawien, nazwaPlikuUstawien);
}

void Plik::ustalOstatniKatalog(const std::string& k) {
    if (k.size() <= maksDlugoscKatalogu) ostatniKatalog = k;
}

std::string Plik::podajBiezacyKatalog() const {
    return platform::biezacyKatalog();
}
