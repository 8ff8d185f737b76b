// Writing a report file so that a failure never leaves half a document: the bytes go to a new
// temporary file in the target's folder, which replaces the target only when all was written.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Results of the report writers; 0 is success.
enum class WynikZapisu {
    ok = 0,
    brakKonfiguracji, // no root, or its table is not built
    nieMoznaUtworzyc, // the file cannot be created in that folder
    bladZapisu,       // writing failed part way; the target is as it was
    nieMoznaZastapic, // all was written but the target cannot be replaced; it is as it was
};

class ZapisZastepujacy {
public:
    explicit ZapisZastepujacy(std::string cel);
    ZapisZastepujacy(const ZapisZastepujacy&) = delete;
    ZapisZastepujacy& operator=(const ZapisZastepujacy&) = delete;
    // Removes the temporary file unless it replaced the target.
    ~ZapisZastepujacy();

    bool czyOtwarty() const { return plik != nullptr; }
    // False once any write has failed; later writes are skipped.
    bool zapisz(std::string_view bajty);
    // Closes the temporary file and renames it over the target.
    WynikZapisu zatwierdz();

private:
    void porzuc();

    std::string cel;
    std::string tymczasowy;
    std::FILE* plik = nullptr;
    bool blad = false;
};
