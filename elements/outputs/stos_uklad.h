// Byte layout of the assignment stack's block (a header naming the source and the page, then
// the entries) and of its read request.
#pragma once

namespace stos_uklad {

// Block.
constexpr int bKod = 0;
constexpr int bIndeks = 1;
constexpr int bNumer = 2;         // 2 bytes, big-endian
constexpr int bPodnumer = 4;      // bytes 5..8 stay 0
constexpr int bRazem = 9;         // entries of the key in the whole stack, 2 bytes
constexpr int bPrzesuniecie = 11; // 2 bytes
constexpr int bLiczba = 13;
constexpr int dlugoscNaglowka = 14; // the entries follow, 2 bytes each

// Read request: the source's key and the page's offset.
constexpr int zKod = 0;
constexpr int zIndeks = 1;
constexpr int zNumer = 3; // byte 2 stays 0
constexpr int zPodnumer = 4;
constexpr int zPrzesuniecie = 5; // 2 bytes
constexpr int dlugoscZapytania = 7;

} // namespace stos_uklad
