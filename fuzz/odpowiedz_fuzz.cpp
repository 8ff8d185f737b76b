// Any bytes as a reply from the panel: the checks must refuse or take them without reading past
// them, and a taken reply's payload must lie inside the frame. Most inputs are first given a
// start byte, a LEN within them and a correct checksum, so the mutations reach the panel type,
// the status byte and the identity text instead of stopping at the checksum.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "comm/bledy_transmisji.h"
#include "comm/odpowiedz.h"
#include "comm/ramka.h"

namespace {

void sprawdzWynik(const Odpowiedz& o, std::span<const std::uint8_t> r) {
    if (!o.czyPrzyjeta() && o.wynik != WynikOdpowiedzi::zaKrotkieDane &&
        o.wynik != WynikOdpowiedzi::odrzucona && o.wynik != WynikOdpowiedzi::odmowaDostepu &&
        o.wynik != WynikOdpowiedzi::zlaIdentyfikacja && o.wynik != WynikOdpowiedzi::nieznanaFunkcja)
        return;
    const std::size_t len = r[ramka::offLen];
    if (o.dane.data() != r.data() + ramka::offDane || o.dane.size() + 12 != len ||
        len + 1 > r.size() || o.typCentrali < 3 || o.typCentrali > 6)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
    std::vector<std::uint8_t> r(dane, dane + rozmiar);
    if (r.size() >= 13 && r.size() % 8 != 0) {
        const std::size_t dlugosc = r.size() > 255 ? 255 : r.size();
        r[ramka::offStx] = ramka::stx;
        r[ramka::offLen] = static_cast<std::uint8_t>(dlugosc - 1);
        const std::uint16_t s = podajCRC(std::span(r).subspan(1, dlugosc - 3));
        r[dlugosc - 2] = static_cast<std::uint8_t>(s);
        r[dlugosc - 1] = static_cast<std::uint8_t>(s >> 8);
    }
    // The exact bytes of one read, so anything past them is outside the buffer's reach.
    const std::span<const std::uint8_t> ramka(r);
    BledyTransmisji b;
    for (int typ = 1; typ <= 4; ++typ) {
        Odpowiedz o;
        switch (typ) {
        case 1:
            o = sprawdzOdpowiedzZapisu(ramka);
            break;
        case 2:
            o = sprawdzOdpowiedzOdczytu(ramka, rozmiar % 243);
            break;
        case 3:
            o = sprawdzOdpowiedzTestu(ramka);
            break;
        default:
            o = sprawdzOdpowiedzPamieci(ramka);
        }
        sprawdzWynik(o, ramka);
        zliczBlad(o.wynik, typ, b);
    }
    (void)podajDane(ramka);
    (void)podajNrFunkcji(ramka);
    (void)b.sprawdzLicznikiBledow();
    return 0;
}
