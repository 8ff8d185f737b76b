#include "platform/biblioteka_tekstow.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// The few places of the PE/COFF layout the reader touches, as byte offsets. All fields are
// little-endian.

// DOS header.
constexpr std::uint64_t kDosPrzesuniecieNaglowkaPe = 0x3c; // e_lfanew

// PE signature "PE\0\0", then the COFF file header; offsets from the signature.
constexpr std::uint64_t kCoffLiczbaSekcji = 4 + 2;
constexpr std::uint64_t kCoffRozmiarNaglowkaOpcjonalnego = 4 + 16;
constexpr std::uint64_t kCoffKoniec = 4 + 20; // the optional header starts here

// Optional header; offsets from its start.
constexpr std::uint16_t kMagicPe32 = 0x10b;
constexpr std::uint16_t kMagicPe32Plus = 0x20b;
constexpr std::uint64_t kOptLiczbaKatalogowPe32 = 92; // NumberOfRvaAndSizes
constexpr std::uint64_t kOptKatalogiPe32 = 96;        // first data directory
constexpr std::uint64_t kOptLiczbaKatalogowPe32Plus = 108;
constexpr std::uint64_t kOptKatalogiPe32Plus = 112;
constexpr std::uint64_t kKatalogDanychRozmiar = 8; // RVA, size
constexpr std::uint32_t kIndeksKataloguZasobow = 2;

// Section header.
constexpr std::uint64_t kSekcjaVirtualSize = 8;
constexpr std::uint64_t kSekcjaVirtualAddress = 12;
constexpr std::uint64_t kSekcjaSizeOfRawData = 16;
constexpr std::uint64_t kSekcjaPointerToRawData = 20;
constexpr std::uint64_t kSekcjaRozmiar = 40;

// Resource directory table, its entries (name or id, then target) and data entries.
constexpr std::uint64_t kKatalogLiczbaNazwanych = 12;
constexpr std::uint64_t kKatalogLiczbaId = 14;
constexpr std::uint64_t kKatalogRozmiar = 16;
constexpr std::uint64_t kWpisNazwa = 0;
constexpr std::uint64_t kWpisCel = 4;
constexpr std::uint64_t kWpisRozmiar = 8;
constexpr std::uint32_t kBitPodkatalogu = 0x8000'0000; // in the target: it is another table
constexpr std::uint64_t kDaneRva = 0;
constexpr std::uint64_t kDaneRozmiar = 4;
constexpr std::uint64_t kDaneRozmiarWpisu = 16;

constexpr std::uint32_t kRtString = 6;
constexpr unsigned kNapisowWBloku = 16;
constexpr std::uint32_t kMaksIdBloku = 0xffff; // resource ids are 16-bit

// Thrown inside the parser only; becomes the reason of the refusal.
struct Blad {
    const char* powod;
};

struct Sekcja {
    std::uint64_t adres;  // RVA
    std::uint64_t zasieg; // bytes of the section that come from the file
    std::uint64_t wPliku; // file offset of its data
};

class Czytnik {
public:
    explicit Czytnik(std::span<const std::uint8_t> b) : b_(b) {}

    bool miesci(std::uint64_t od, std::uint64_t ile) const {
        return od <= b_.size() && ile <= b_.size() - od;
    }
    std::uint16_t u16(std::uint64_t od, const char* powod) const {
        if (!miesci(od, 2)) throw Blad{powod};
        return static_cast<std::uint16_t>(b_[od] | b_[od + 1] << 8);
    }
    std::uint32_t u32(std::uint64_t od, const char* powod) const {
        if (!miesci(od, 4)) throw Blad{powod};
        return static_cast<std::uint32_t>(b_[od]) | static_cast<std::uint32_t>(b_[od + 1]) << 8 |
               static_cast<std::uint32_t>(b_[od + 2]) << 16 |
               static_cast<std::uint32_t>(b_[od + 3]) << 24;
    }

private:
    std::span<const std::uint8_t> b_;
};

constexpr const char* kObcietyPlik = "file is truncated";
constexpr const char* kKatalogPozaPlikiem = "resource directory points outside the file";
constexpr const char* kBlokPozaPlikiem = "string block points outside the file";

// File offset of `ile` bytes at `rva`, all of them inside one section's data in the file.
std::optional<std::uint64_t> mapuj(const std::vector<Sekcja>& sekcje, const Czytnik& c,
                                   std::uint64_t rva, std::uint64_t ile) {
    for (const Sekcja& s : sekcje) {
        if (rva < s.adres || rva - s.adres >= s.zasieg) continue;
        const std::uint64_t wSekcji = rva - s.adres;
        if (ile > s.zasieg - wSekcji) return std::nullopt;
        const std::uint64_t od = s.wPliku + wSekcji;
        if (!c.miesci(od, ile)) return std::nullopt;
        return od;
    }
    return std::nullopt;
}

} // namespace

std::optional<BibliotekaTekstow> BibliotekaTekstow::otworz(const std::string& sciezka,
                                                           std::string* powod) {
    auto odmowa = [&](std::string co) -> std::optional<BibliotekaTekstow> {
        if (powod) *powod = std::move(co);
        return std::nullopt;
    };
    auto bladSystemu = [](const char* co) {
        return std::string(co) + " (" + std::generic_category().message(errno) + ")";
    };

    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return odmowa(bladSystemu("cannot open file"));
    struct Zamknij {
        int fd;
        ~Zamknij() { ::close(fd); }
    } zamknij{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0) return odmowa(bladSystemu("cannot read file"));
    if (!S_ISREG(st.st_mode)) return odmowa("not a regular file");
    if (static_cast<std::uint64_t>(st.st_size) > kMaksRozmiarPliku)
        return odmowa("file is too large for a language library");

    std::vector<std::uint8_t> bajty(static_cast<std::size_t>(st.st_size));
    std::size_t wczytane = 0;
    while (wczytane < bajty.size()) {
        const ssize_t n = ::read(fd, bajty.data() + wczytane, bajty.size() - wczytane);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return odmowa(bladSystemu("cannot read file"));
        if (n == 0) break; // shrank since fstat: parse what is there, the checks catch the cut
        wczytane += static_cast<std::size_t>(n);
    }
    bajty.resize(wczytane);
    return zBajtow(bajty, powod);
}

std::optional<BibliotekaTekstow> BibliotekaTekstow::zBajtow(std::span<const std::uint8_t> obraz,
                                                            std::string* powod) {
    auto odmowa = [&](const char* co) -> std::optional<BibliotekaTekstow> {
        if (powod) *powod = co;
        return std::nullopt;
    };
    if (obraz.empty()) return odmowa("file is empty");
    if (obraz.size() > kMaksRozmiarPliku) return odmowa("file is too large for a language library");
    if (obraz.size() < 2 || obraz[0] != 'M' || obraz[1] != 'Z') return odmowa("not a PE image");

    BibliotekaTekstow wynik;
    try {
        const Czytnik c(obraz);
        const std::uint64_t pe = c.u32(kDosPrzesuniecieNaglowkaPe, kObcietyPlik);
        if (!c.miesci(pe, 4)) throw Blad{kObcietyPlik};
        if (obraz[pe] != 'P' || obraz[pe + 1] != 'E' || obraz[pe + 2] != 0 || obraz[pe + 3] != 0)
            throw Blad{"not a PE image"};

        const unsigned liczbaSekcji = c.u16(pe + kCoffLiczbaSekcji, kObcietyPlik);
        const std::uint64_t rozmiarOpt = c.u16(pe + kCoffRozmiarNaglowkaOpcjonalnego, kObcietyPlik);
        const std::uint64_t opt = pe + kCoffKoniec;
        if (rozmiarOpt < 2) throw Blad{"PE image has no optional header"};
        if (!c.miesci(opt, rozmiarOpt)) throw Blad{kObcietyPlik};

        std::uint64_t poleLiczby = 0;
        std::uint64_t katalogi = 0;
        switch (c.u16(opt, kObcietyPlik)) {
        case kMagicPe32:
            poleLiczby = kOptLiczbaKatalogowPe32;
            katalogi = kOptKatalogiPe32;
            break;
        case kMagicPe32Plus:
            poleLiczby = kOptLiczbaKatalogowPe32Plus;
            katalogi = kOptKatalogiPe32Plus;
            break;
        default:
            throw Blad{"unknown optional header format"};
        }

        // The section table must be whole, and so must every section's data: a loader refuses an
        // image cut anywhere, and so do we, even where the cut misses the strings.
        const std::uint64_t tabelaSekcji = opt + rozmiarOpt;
        if (!c.miesci(tabelaSekcji, liczbaSekcji * kSekcjaRozmiar)) throw Blad{kObcietyPlik};
        std::vector<Sekcja> sekcje;
        sekcje.reserve(liczbaSekcji);
        for (unsigned i = 0; i < liczbaSekcji; ++i) {
            const std::uint64_t s = tabelaSekcji + i * kSekcjaRozmiar;
            const std::uint64_t wirtualny = c.u32(s + kSekcjaVirtualSize, kObcietyPlik);
            const std::uint64_t surowy = c.u32(s + kSekcjaSizeOfRawData, kObcietyPlik);
            const std::uint64_t wPliku = c.u32(s + kSekcjaPointerToRawData, kObcietyPlik);
            if (surowy != 0 && !c.miesci(wPliku, surowy)) throw Blad{kObcietyPlik};
            // Raw data past the virtual size is file padding, not part of the section.
            const std::uint64_t zasieg = wirtualny != 0 ? std::min(wirtualny, surowy) : surowy;
            sekcje.push_back({c.u32(s + kSekcjaVirtualAddress, kObcietyPlik), zasieg, wPliku});
        }

        const std::uint64_t liczbaKatalogow = c.u32(opt + poleLiczby, kObcietyPlik);
        if (liczbaKatalogow <= kIndeksKataloguZasobow) return wynik; // no resources at all
        const std::uint64_t wpisZasobow = katalogi + kIndeksKataloguZasobow * kKatalogDanychRozmiar;
        if (wpisZasobow + kKatalogDanychRozmiar > rozmiarOpt)
            throw Blad{"optional header is too small for its data directories"};
        const std::uint64_t korzen = c.u32(opt + wpisZasobow, kObcietyPlik);
        if (korzen == 0) return wynik;

        // One directory table: returns the file offset of its entries and how many there are.
        // Offsets inside the resource tree count from its root.
        struct Tabela {
            std::uint64_t wpisy;
            unsigned nazwanych;
            unsigned zId;
        };
        auto tabela = [&](std::uint64_t przesuniecie) {
            const auto naglowek = mapuj(sekcje, c, korzen + przesuniecie, kKatalogRozmiar);
            if (!naglowek) throw Blad{kKatalogPozaPlikiem};
            Tabela t{*naglowek + kKatalogRozmiar,
                     c.u16(*naglowek + kKatalogLiczbaNazwanych, kKatalogPozaPlikiem),
                     c.u16(*naglowek + kKatalogLiczbaId, kKatalogPozaPlikiem)};
            // Counts are 16-bit, so a table is at most ~1 MiB; it still has to lie in the file,
            // in one piece with its header.
            if (!mapuj(sekcje, c, korzen + przesuniecie,
                       kKatalogRozmiar + (std::uint64_t{t.nazwanych} + t.zId) * kWpisRozmiar))
                throw Blad{kKatalogPozaPlikiem};
            return t;
        };
        auto podkatalog = [&](std::uint32_t cel) -> std::uint64_t {
            if (!(cel & kBitPodkatalogu)) throw Blad{"malformed resource directory"};
            return cel & ~kBitPodkatalogu;
        };

        // Level 1: resource types. The string table and its blocks are numbered, never named,
        // so named entries are passed over.
        const Tabela typy = tabela(0);
        std::optional<std::uint64_t> napisy;
        for (unsigned i = 0; i < typy.zId && !napisy; ++i) {
            const std::uint64_t w = typy.wpisy + (typy.nazwanych + i) * kWpisRozmiar;
            if (c.u32(w + kWpisNazwa, kKatalogPozaPlikiem) == kRtString)
                napisy = podkatalog(c.u32(w + kWpisCel, kKatalogPozaPlikiem));
        }
        if (!napisy) return wynik; // no string table: an empty library

        // Level 2: string blocks; level 3: their languages. Walking a fixed three levels means a
        // directory that points back at itself ends as a malformed entry, never as a loop.
        const Tabela bloki = tabela(*napisy);
        std::vector<bool> widziany(kMaksIdBloku + 1);
        for (unsigned i = 0; i < bloki.zId; ++i) {
            const std::uint64_t w = bloki.wpisy + (bloki.nazwanych + i) * kWpisRozmiar;
            const std::uint32_t idBloku = c.u32(w + kWpisNazwa, kKatalogPozaPlikiem);
            const std::uint64_t jezykiPrzes = podkatalog(c.u32(w + kWpisCel, kKatalogPozaPlikiem));
            // Block 0 would hold negative numbers; a repeated block is shadowed by the first.
            if (idBloku == 0 || idBloku > kMaksIdBloku || widziany[idBloku]) continue;
            widziany[idBloku] = true;

            const Tabela jezyki = tabela(jezykiPrzes);
            if (jezyki.nazwanych + jezyki.zId == 0) continue;
            const std::uint32_t celDanych = c.u32(jezyki.wpisy + kWpisCel, kKatalogPozaPlikiem);
            if (celDanych & kBitPodkatalogu) throw Blad{"resource directory is nested too deep"};
            const auto wpisDanych = mapuj(sekcje, c, korzen + celDanych, kDaneRozmiarWpisu);
            if (!wpisDanych) throw Blad{kKatalogPozaPlikiem};
            const std::uint64_t rvaDanych = c.u32(*wpisDanych + kDaneRva, kKatalogPozaPlikiem);
            const std::uint64_t rozmiarDanych =
                c.u32(*wpisDanych + kDaneRozmiar, kKatalogPozaPlikiem);
            const auto dane = mapuj(sekcje, c, rvaDanych, rozmiarDanych);
            if (!dane) throw Blad{kBlokPozaPlikiem};

            // Sixteen strings, each a 16-bit length in UTF-16 units and then the units.
            std::uint64_t poz = *dane;
            const std::uint64_t koniec = *dane + rozmiarDanych;
            for (unsigned n = 0; n < kNapisowWBloku && poz != koniec; ++n) {
                // A block ending early at a string boundary just leaves the rest empty.
                if (koniec - poz < 2) throw Blad{"string block is malformed"};
                const std::uint64_t dlugosc = c.u16(poz, kBlokPozaPlikiem);
                poz += 2;
                if (dlugosc > (koniec - poz) / 2) throw Blad{"string runs past its block"};
                // The cut at the first NUL waits for tekst(): scanning here would let many blocks
                // aliasing one long string cost millions of reads. Only a leading NUL empties it.
                if (dlugosc > 0 && c.u16(poz, kBlokPozaPlikiem) != 0)
                    wynik.wpisy_.push_back({(idBloku - 1) * kNapisowWBloku + n,
                                            static_cast<std::uint32_t>(poz),
                                            static_cast<std::uint32_t>(
                                                std::min<std::uint64_t>(dlugosc, kMaksDlugosc))});
                poz += 2 * dlugosc;
            }
        }
    } catch (const Blad& b) {
        return odmowa(b.powod);
    }

    // Blocks are unique, so numbers are too; only the order is up to the file.
    std::sort(wynik.wpisy_.begin(), wynik.wpisy_.end(),
              [](const Wpis& a, const Wpis& b) { return a.numer < b.numer; });
    wynik.obraz_.assign(obraz.begin(), obraz.end());
    return wynik;
}

std::optional<std::u16string> BibliotekaTekstow::tekst(unsigned numer) const {
    const auto it = std::lower_bound(wpisy_.begin(), wpisy_.end(), numer,
                                     [](const Wpis& w, unsigned n) { return w.numer < n; });
    if (it == wpisy_.end() || it->numer != numer) return std::nullopt;
    // The loader copies at most 1023 units and the program reads the result up to the first
    // NUL, which also drops the terminator some resource compilers store with each string.
    std::u16string wynik;
    for (std::size_t i = 0; i < it->dlugosc; ++i) {
        const std::size_t od = it->przesuniecie + 2 * i;
        const auto znak = static_cast<char16_t>(obraz_[od] | obraz_[od + 1] << 8);
        if (znak == u'\0') break;
        wynik.push_back(znak);
    }
    return wynik;
}

std::vector<unsigned> BibliotekaTekstow::numery() const {
    std::vector<unsigned> wynik;
    wynik.reserve(wpisy_.size());
    for (const Wpis& w : wpisy_) wynik.push_back(w.numer);
    return wynik;
}

} // namespace platform
