// Byte layout of the sub-panel record: the block sent to and read from the panel, and the
// record of the configuration file.
#pragma once

namespace xrm_uklad {

constexpr int dlugosc = 146;

constexpr int bNumer = 0; // bytes 1..3 carry nothing
constexpr int bBhuObecny = 4;
constexpr int bWyjsciePu = 5;
constexpr int bTypPk = 6;
constexpr int bTypLs = 7; // BHU outputs 1..4 in bytes 7..10
constexpr int bWariantPu = 11;
constexpr int bWariantPk = 12;
constexpr int bWariantLs = 13;            // BHU outputs 1..4 in bytes 13..16
constexpr int bWariantLk = 17;            // inputs LK1, LK2 in bytes 17, 18
constexpr int bStrefaLk = 19;             // 2 bytes each, big-endian: LK1 in 19..20, LK2 in 21..22
constexpr int bKomunikatAlarmu = 25;      // LK1 in 25..56, LK2 in 57..88
constexpr int bKomunikatUszkodzenia = 89; // LK1 in 89..120, LK2 from 121 to the end

constexpr int szerokoscKomunikatu = 32;
// Only the first 25 characters of the LK2 fault message fit in the block.
constexpr int szerokoscUszkodzeniaLk2 = dlugosc - (bKomunikatUszkodzenia + szerokoscKomunikatu);

// The read request: given byte, number, two zero bytes.
constexpr int dlugoscZapytania = 4;

} // namespace xrm_uklad
