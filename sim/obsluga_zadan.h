// The simulated panel's answers: one request frame in, the reply frame out, with the faults the
// settings ask for. Keeps no process-wide state, so one handler can be driven byte by byte.
#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

#include "core/element_systemu.h"

namespace sim {

class MagazynBlokow;

constexpr int maksWpisowPamieci = 10000;

struct UstawieniaPanelu {
    int typ = 4; // panel type 3, 4, 5 or 6
    int wersjaGlowna = 4, wersjaPoboczna = 0;
    int liczbaZdarzen = 100;
    int liczbaAlarmow = 10;
    bool zablokowana = false; // configuration writes refused
    // Faults on every Nth block request (0: never).
    int coIleBezOdpowiedzi = 0;
    int coIleZlaSuma = 0;
    int coIleZlyTyp = 0;
    std::chrono::milliseconds opoznienie{0}; // every block reply held back this much more
    int zniknieciePo = 0;                    // block requests answered before the port vanishes
};

// Status bytes of a write reply.
constexpr std::uint8_t statusPrzyjety = 1;
constexpr std::uint8_t statusOdrzucony = 0;
constexpr std::uint8_t statusZablokowana = 3;

struct Odpowiedz {
    Bajty ramka;                             // empty: no reply
    std::chrono::milliseconds opoznienie{0}; // held back this much beyond the line time
    bool znikniecie = false;                 // the port vanishes once this reply is out
    bool blokowa = false;                    // the request read or wrote a configuration block
};

class ObslugaZadan {
public:
    ObslugaZadan(const UstawieniaPanelu& ustawienia, MagazynBlokow& magazyn);

    // The reply to one request frame; a frame that is not whole or fails its checksum gets none.
    Odpowiedz obsluz(std::span<const std::uint8_t> zadanie);

    // The identity text, e.g. "PSC7800V4.0".
    std::string identyfikacja() const;
    int blokoweZadania() const { return liczbaBlokowych; }

private:
    Bajty odpowiedzPamieci(std::span<const std::uint8_t> dane) const;
    Bajty daneOdczytu(std::uint8_t nr, std::span<const std::uint8_t> dane) const;

    UstawieniaPanelu u;
    MagazynBlokow& magazyn;
    int liczbaBlokowych = 0;
    int liczbaOdpowiedzi = 0;
};

// The wire time of a request and its reply at the line speed: 11 bits a byte (start, 8 data,
// parity, stop).
std::chrono::microseconds czasNaLinii(std::size_t bajtyZadania, std::size_t bajtyOdpowiedzi,
                                      int predkosc);

} // namespace sim
