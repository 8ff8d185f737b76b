#include "report/zapis_zastepujacy.h"

#include <filesystem>
#include <system_error>

namespace {

constexpr int probNazw = 100;

} // namespace

ZapisZastepujacy::ZapisZastepujacy(std::string c) : cel(std::move(c)) {
    // A fresh hidden name beside the target ("x": never an existing file, say one left by a
    // crash).
    const std::filesystem::path sciezka(cel);
    for (int n = 0; n < probNazw && plik == nullptr; ++n) {
        tymczasowy = (sciezka.parent_path() /
                      ("." + sciezka.filename().string() + ".tmp" + std::to_string(n)))
                         .string();
        plik = std::fopen(tymczasowy.c_str(), "wbx");
    }
    if (plik == nullptr) tymczasowy.clear();
}

ZapisZastepujacy::~ZapisZastepujacy() {
    porzuc();
}

void ZapisZastepujacy::porzuc() {
    if (plik != nullptr) std::fclose(plik);
    plik = nullptr;
    if (!tymczasowy.empty()) {
        std::error_code e;
        std::filesystem::remove(tymczasowy, e);
        tymczasowy.clear();
    }
}

bool ZapisZastepujacy::zapisz(std::string_view bajty) {
    if (plik == nullptr || blad) return false;
    if (!bajty.empty() && std::fwrite(bajty.data(), 1, bajty.size(), plik) != bajty.size())
        blad = true;
    return !blad;
}

WynikZapisu ZapisZastepujacy::zatwierdz() {
    if (plik == nullptr) return WynikZapisu::nieMoznaUtworzyc;
    const bool zamkniety = std::fclose(plik) == 0;
    plik = nullptr;
    if (blad || !zamkniety) {
        porzuc();
        return WynikZapisu::bladZapisu;
    }
    std::error_code e;
    std::filesystem::rename(tymczasowy, cel, e);
    if (e) {
        porzuc();
        return WynikZapisu::nieMoznaZastapic;
    }
    tymczasowy.clear();
    return WynikZapisu::ok;
}
