#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// The string table of one language library, read from a PE file (PE32 or PE32+).
// The file is read by hand on every platform: nothing is loaded or executed.
class BibliotekaTekstow {
public:
    // nullopt when the file is missing, unreadable, not a PE image, truncated, or has a resource
    // directory / string block pointing outside the file; `powod` (if given) gets a short English
    // reason.
    static std::optional<BibliotekaTekstow> otworz(const std::string& sciezka,
                                                   std::string* powod = nullptr);
    static std::optional<BibliotekaTekstow> zBajtow(std::span<const std::uint8_t> obraz,
                                                    std::string* powod = nullptr);

    // The text with this number (UTF-16), as the OS string loader would give it, cut to 1023
    // UTF-16 units; nullopt when the table has no non-empty string with that number.
    std::optional<std::u16string> tekst(unsigned numer) const;
    // Every number with a non-empty string, ascending.
    std::vector<unsigned> numery() const;

    // Longest text handed out, in UTF-16 units (the loader's 1024-unit buffer less its NUL).
    static constexpr std::size_t kMaksDlugosc = 1023;
    // Larger files are refused before they are read.
    static constexpr std::uint64_t kMaksRozmiarPliku = 64u << 20;

private:
    struct Wpis {
        unsigned numer;
        std::uint32_t przesuniecie; // of the first UTF-16 unit in `obraz_`
        std::uint32_t dlugosc;      // in UTF-16 units, already cut
    };

    BibliotekaTekstow() = default;

    // The image is kept whole and texts are decoded on demand: a hostile file could point many
    // blocks at the same long strings, and copying them all out would multiply its size.
    std::vector<std::uint8_t> obraz_;
    std::vector<Wpis> wpisy_; // sorted by number, unique
};

} // namespace platform
