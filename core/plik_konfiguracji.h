// The configuration file (.ctr): the model's 9-byte signature, the 4-byte version stamp, one
// length-prefixed record per block in table-walk order, and a 16-bit byte-sum trailer.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class Otoczenie;

enum class WynikPliku {
    ok,
    brakPliku,   // cannot be created or opened: text 100 and the file name
    bladZapisu,  // the file could not be written whole; the previous file is untouched
    bladSumy,    // the trailer does not match the bytes: the file error window
    bladFormatu, // wrong signature or version stamp, or records that do not fit the table
    przerwano,   // the user stopped reading at a refused record
};

// Saves the current configuration. The file is written whole to a temporary name and renamed over
// the target, so a failed save never damages the previous file; `zmiany` is cleared only on
// success.
WynikPliku zapiszKonfiguracje(const std::string& sciezka, Otoczenie& otoczenie);

// Reads a configuration into the current root. A file that fails the checksum, signature or stamp
// check leaves the configuration exactly as it was. A refused record asks the user to skip it or
// stop; a file that ends before the table walk does, or that holds bytes after it, is a file error.
WynikPliku odczytajKonfiguracje(const std::string& sciezka, Otoczenie& otoczenie);
// The same from the bytes of a file already in memory.
WynikPliku odczytajKonfiguracje(std::span<const std::uint8_t> dane, Otoczenie& otoczenie);

// The 16-bit sum of the bytes, each taken as 0..255.
std::uint16_t sumaKontrolna(std::span<const std::uint8_t> dane);
// Appends the trailer to an existing file: 0 done, 1 the file cannot be processed, 2 the trailer
// could not be written whole.
int dopiszSumeKontrolna(const std::string& sciezka);
// 0 the trailer matches, 1 it does not (or the file is shorter than a trailer), 2 no such file.
int sprawdzSumeKontrolna(const std::string& sciezka);

// Which of the kinds that depend on the version stamp a file of that stamp holds.
struct RodzajeWersji {
    bool xgn, xgn30, hva, xrm;
};
RodzajeWersji rodzajeWersji(std::string_view stempel);
