#include "comm/ramka.h"

#include <algorithm>

#include "core/element_systemu.h"

using namespace ramka;

std::uint16_t podajCRC(std::span<const std::uint8_t> bajty) {
    std::uint16_t suma = 0;
    for (std::uint8_t b : bajty) suma = static_cast<std::uint16_t>(suma + b);
    return suma;
}

int ustalBlokRS(std::uint8_t funkcja, std::uint8_t nrFunkcji, std::span<const std::uint8_t> dane,
                std::span<std::uint8_t> wyjscie) {
    const std::size_t n = dane.size();
    if (n > static_cast<std::size_t>(maksDanych) || wyjscie.size() < n + narzutRamki) return 0;
    wyjscie[offStx] = stx;
    wyjscie[offLen] = static_cast<std::uint8_t>(n + narzutLen);
    std::copy(naglowek.begin(), naglowek.end(), wyjscie.begin() + offNaglowek);
    wyjscie[offTypCentrali] = 0x00;
    wyjscie[offFunkcja] = funkcja;
    wyjscie[offNrFunkcji] = nrFunkcji;
    std::copy(dane.begin(), dane.end(), wyjscie.begin() + offDane);
    const std::uint16_t crc = podajCRC(wyjscie.subspan(offLen, offDane - offLen + n));
    wyjscie[offDane + n] = static_cast<std::uint8_t>(crc);
    wyjscie[offDane + n + 1] = static_cast<std::uint8_t>(crc >> 8);
    return static_cast<int>(n + narzutRamki);
}

int ustalRamkeZapisu(ElementSystemu& e, std::span<std::uint8_t> wyjscie) {
    Bajty blok;
    e.zapiszBlok(blok);
    // A kind whose stated length disagrees with its record sends no frame rather than stray
    // bytes.
    const int n = e.podajDlugoscBloku();
    if (n < 0 || static_cast<std::size_t>(n) > blok.size()) return 0;
    return ustalBlokRS(funkcjaZadania, e.podajNrFunkcjiZapisu(),
                       std::span<const std::uint8_t>(blok).first(static_cast<std::size_t>(n)),
                       wyjscie);
}

int ustalRamkeOdczytu(ElementSystemu& e, std::span<std::uint8_t> wyjscie) {
    Bajty zapytanie;
    const int n = e.ustalZapytanie(zapytanie, 0);
    if (n < 0 || static_cast<std::size_t>(n) > zapytanie.size()) return 0;
    return ustalBlokRS(funkcjaZadania, e.podajNrFunkcjiOdczytu(),
                       std::span<const std::uint8_t>(zapytanie).first(static_cast<std::size_t>(n)),
                       wyjscie);
}

int ustalRamkeIdentyfikacji(std::span<std::uint8_t> wyjscie) {
    return ustalBlokRS(funkcjaZadania, nrZapytaniaIdentyfikacji, {}, wyjscie);
}

int ustalRamkePamieci(std::span<const std::uint8_t> zapytanie, std::span<std::uint8_t> wyjscie,
                      std::uint8_t kod) {
    return ustalBlokRS(funkcjaZadania, kod, zapytanie, wyjscie);
}
