// Any bytes as the panel's reply to a transfer in progress: the engine hands them to the
// element at the current block (or to the event memory) in each transmission type. Whatever
// they hold, nothing may read or write past a buffer, and a refused reply counts an error.
// The first three bytes choose the type and the table entry; the rest is the frame, given a
// start byte, a LEN within it and a correct checksum when long enough so that the element's
// reader sees the payload.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "comm/port_rs.h"
#include "comm/ramka.h"
#include "comm/stan_transmisji.h"
#include "comm/transmisja.h"
#include "core/centrala.h"
#include "core/globalne.h"
#include "core/modele.h"
#include "lang/language.h"
#include "memory/pamiec_zdarzen.h"

namespace {

struct Srodowisko {
    Language j;
    PortRS port{"COM1"};
    PamiecZdarzen pamiec;
    Transmisja t{port, 0, 1};
    Srodowisko() {
        jezyk = &j;
        biezacaCentrala = utworzCentrale(4).release();
        biezacaCentrala->ustawRozmiary();
        biezacaCentrala->budujTabliceElementow();
        t.ustalPamiec(&pamiec);
        pamiec.ustalLiczbeZdarzen(10000);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    static Srodowisko s;
    if (rozmiar < 3) return 0;
    const int typ = 1 + dane[0] % 4;
    const Centrala& c = *biezacaCentrala;
    const int blok = (dane[1] << 8 | dane[2]) % c.liczbaElementowSystemu;
    std::vector<std::uint8_t> r(dane + 3, dane + rozmiar);
    if (r.size() >= 13 && r.size() % 8 != 0) {
        const std::size_t dlugosc = r.size() > 255 ? 255 : r.size();
        r[ramka::offStx] = ramka::stx;
        r[ramka::offLen] = static_cast<std::uint8_t>(dlugosc - 1);
        const std::uint16_t suma = podajCRC(std::span(r).subspan(1, dlugosc - 3));
        r[dlugosc - 2] = static_cast<std::uint8_t>(suma);
        r[dlugosc - 1] = static_cast<std::uint8_t>(suma >> 8);
    }
    s.t.ustalTypTransmisji(typ);
    if (typ == typTransmisji::Pamiec) {
        s.pamiec.ustalLiczbeOdczytanych(0);
        s.pamiec.ustalRodzajPamieci(dane[1] & 2);
        s.pamiec.ustalPierwsze(blok % 10000);
        s.pamiec.ustalOstatnie(s.pamiec.podajPierwsze());
        s.t.ustalBlokPamieci(s.pamiec.podajPierwsze(), s.pamiec.podajOstatnie() + 1);
    } else {
        s.t.ustalBlokDanych(blok, blok + 1);
    }
    s.t.odbierzDane(r);
    ramka::BuforRamki wyjscie{};
    (void)s.t.wyslijDane(wyjscie);
    (void)s.t.sprawdzLicznikiBledow();
    return 0;
}
