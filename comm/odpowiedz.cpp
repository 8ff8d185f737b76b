#include "comm/odpowiedz.h"

#include "comm/bledy_transmisji.h"
#include "comm/ramka.h"
#include "elements/outputs/stos.h"

using namespace ramka;

namespace {

// Positions in the identity text.
constexpr std::size_t idLitery = 0;
constexpr std::size_t idV = 7;
constexpr std::size_t idDziesiatki = 8;
constexpr std::size_t idKropka = 9;
constexpr std::size_t idJednostki = 10;
constexpr std::size_t dlugoscIdentyfikacji = 11;

constexpr int typTest = 3;

bool cyfra(std::uint8_t c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool sprawdzSTX(std::span<const std::uint8_t> r) {
    return !r.empty() && r[offStx] == stx;
}

bool sprawdzCRC(std::span<const std::uint8_t> r) {
    if (r.size() <= offLen) return false;
    const std::size_t len = r[offLen];
    if (len < static_cast<std::size_t>(narzutLen) || len + 1 > r.size()) return false;
    const std::uint16_t zapisana = static_cast<std::uint16_t>(r[len - 1] | (r[len] << 8));
    return podajCRC(r.subspan(offLen, len - 2)) == zapisana;
}

int sprawdzTypCentrali(std::uint8_t flagi) {
    switch (flagi >> 5) {
    case 0b001:
        return 4;
    case 0b101:
        return 5;
    case 0b011:
        return 3;
    case 0b110:
        return 6;
    default:
        return 0;
    }
}

std::uint8_t podajNrFunkcji(std::span<const std::uint8_t> r) {
    return r.size() > offNrFunkcji ? r[offNrFunkcji] : 0;
}

std::span<const std::uint8_t> podajDane(std::span<const std::uint8_t> r) {
    if (!sprawdzCRC(r)) return {};
    return r.subspan(offDane, r[offLen] - static_cast<std::size_t>(narzutLen));
}

StatusZapisu sprawdzACK(std::span<const std::uint8_t> dane) {
    if (dane.empty()) return StatusZapisu::odrzucony;
    if (dane[0] == 1) return StatusZapisu::przyjety;
    if (dane[0] == 3) return StatusZapisu::odmowaDostepu;
    return StatusZapisu::odrzucony;
}

bool sprawdzIdentyfikacje(std::span<const std::uint8_t> d) {
    return d.size() >= dlugoscIdentyfikacji && d[idLitery] == 'P' && d[idLitery + 1] == 'S' &&
           d[idLitery + 2] == 'C' && d[idV] == 'V' && d[idKropka] == '.' &&
           cyfra(d[idDziesiatki]) && cyfra(d[idJednostki]);
}

Odpowiedz sprawdzRamke(std::span<const std::uint8_t> r) {
    Odpowiedz o;
    if (!sprawdzSTX(r)) {
        o.wynik = WynikOdpowiedzi::brakStx;
        return o;
    }
    if (!sprawdzCRC(r)) {
        o.wynik = WynikOdpowiedzi::zlaSuma;
        return o;
    }
    // From here the frame holds at least its 13-byte skeleton.
    o.nrFunkcji = r[offNrFunkcji];
    o.typCentrali = sprawdzTypCentrali(r[offTypCentrali]);
    if (o.typCentrali == 0) {
        o.wynik = WynikOdpowiedzi::zlyTypCentrali;
        return o;
    }
    o.dane = podajDane(r);
    return o;
}

Odpowiedz sprawdzOdpowiedzZapisu(std::span<const std::uint8_t> r) {
    Odpowiedz o = sprawdzRamke(r);
    if (!o.czyPrzyjeta()) return o;
    switch (sprawdzACK(o.dane)) {
    case StatusZapisu::przyjety:
        break;
    case StatusZapisu::odmowaDostepu:
        o.wynik = WynikOdpowiedzi::odmowaDostepu;
        break;
    case StatusZapisu::odrzucony:
        o.wynik = WynikOdpowiedzi::odrzucona;
        break;
    }
    return o;
}

Odpowiedz sprawdzOdpowiedzOdczytu(std::span<const std::uint8_t> r, std::size_t najkrotszy) {
    Odpowiedz o = sprawdzRamke(r);
    if (o.czyPrzyjeta() && o.dane.size() < najkrotszy) o.wynik = WynikOdpowiedzi::zaKrotkieDane;
    return o;
}

Odpowiedz sprawdzOdpowiedzTestu(std::span<const std::uint8_t> r) {
    Odpowiedz o = sprawdzRamke(r);
    if (!o.czyPrzyjeta()) return o;
    if (o.nrFunkcji == nrOdpowiedziIdentyfikacji) {
        if (!sprawdzIdentyfikacje(o.dane)) o.wynik = WynikOdpowiedzi::zlaIdentyfikacja;
    } else if (o.nrFunkcji != nrOdpowiedziStanuPamieci) {
        o.wynik = WynikOdpowiedzi::nieznanaFunkcja;
    }
    return o;
}

std::size_t najkrotszyBlok(const ElementSystemu& e) {
    if (dynamic_cast<const Stos*>(&e) != nullptr) return Stos::dlugoscNaglowka;
    const int n = e.podajDlugoscBloku();
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

void zliczBlad(WynikOdpowiedzi wynik, int typTransmisji, BledyTransmisji& b) {
    const bool test = typTransmisji == typTest;
    switch (wynik) {
    case WynikOdpowiedzi::przyjeta:
        break;
    case WynikOdpowiedzi::brakStx:
        if (test)
            b.zwiekszLicznikBledowDanych(typBleduDanych::brakStx);
        else
            b.zwiekszLicznikBledowDanych();
        break;
    case WynikOdpowiedzi::zlaSuma:
        if (test)
            b.zwiekszLicznikBledowDanych(typBleduDanych::zlaSuma);
        else
            b.zwiekszLicznikBledowDanych();
        break;
    case WynikOdpowiedzi::zlyTypCentrali:
        b.zwiekszLicznikBledowTypuCentrali();
        break;
    case WynikOdpowiedzi::zaKrotkieDane:
    case WynikOdpowiedzi::odrzucona:
        b.zwiekszLicznikBledowDanych();
        break;
    case WynikOdpowiedzi::odmowaDostepu:
        b.zwiekszLicznikBledowDostepu();
        break;
    case WynikOdpowiedzi::nieznanaFunkcja:
    case WynikOdpowiedzi::zlaIdentyfikacja:
        b.zwiekszLicznikBledowZakresu();
        break;
    }
}
