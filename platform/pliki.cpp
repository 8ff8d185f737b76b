#include "platform/pliki.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace platform {

namespace {

bool niepowodzenie(std::string* powod, const std::string& co) {
    if (powod != nullptr) *powod = co + ": " + std::strerror(errno);
    return false;
}

} // namespace

bool zapiszPlik(const std::string& sciezka, std::span<const std::uint8_t> dane,
                std::string* powod) {
    const fs::path cel(sciezka);
    const fs::path katalog = cel.has_parent_path() ? cel.parent_path() : fs::path(".");
    std::string wzor = (katalog / ("." + cel.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(wzor.data());
    if (fd < 0) return niepowodzenie(powod, "cannot create a file in " + katalog.string());
    std::size_t zapisane = 0;
    while (zapisane < dane.size()) {
        const ssize_t n = ::write(fd, dane.data() + zapisane, dane.size() - zapisane);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            niepowodzenie(powod, "cannot write " + sciezka);
            ::close(fd);
            ::unlink(wzor.c_str());
            return false;
        }
        zapisane += static_cast<std::size_t>(n);
    }
    // A new file gets the usual permissions rather than mkstemp's private ones.
    const mode_t maska = ::umask(0);
    ::umask(maska);
    ::fchmod(fd, 0666 & ~maska);
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        niepowodzenie(powod, "cannot write " + sciezka);
        ::unlink(wzor.c_str());
        return false;
    }
    if (::rename(wzor.c_str(), sciezka.c_str()) != 0) {
        niepowodzenie(powod, "cannot replace " + sciezka);
        ::unlink(wzor.c_str());
        return false;
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> czytajPlik(const std::string& sciezka,
                                                    std::uint64_t maksRozmiar) {
    std::error_code blad;
    if (!fs::is_regular_file(sciezka, blad)) return std::nullopt;
    const auto rozmiar = fs::file_size(sciezka, blad);
    if (blad || rozmiar > maksRozmiar) return std::nullopt;
    std::ifstream plik(sciezka, std::ios::binary);
    if (!plik) return std::nullopt;
    std::vector<std::uint8_t> dane(static_cast<std::size_t>(rozmiar));
    if (!plik.read(reinterpret_cast<char*>(dane.data()), static_cast<std::streamsize>(dane.size())))
        return std::nullopt;
    return dane;
}

} // namespace platform
