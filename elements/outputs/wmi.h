// One input of an eight-input WMI monitoring device: a technical-alarm, fire-alarm (in a zone)
// or supervision input with its two user messages.
#pragma once

#include <string>

#include "core/element_systemu.h"

class Wmi : public ElementSystemu {
public:
    static FlagiKlasy flagi;

    // Records of older firmware end after the alarm message.
    static constexpr int dlugosc = 74;
    static constexpr int dlugoscKrotka = 42;
    static constexpr int kodTypu = 66;
    static constexpr int wariantPozarowy = 2;

    Wmi(int numer, int wejscie);

    // ElementSystemu.
    std::uint32_t podajKlucz() const override;
    // The zone of the input.
    int podajParametr() const override { return strefa; }
    // 0, or 1 device or input differs, 2 variant, 1 zone 0 or above the zone count; a record too
    // short for a field is refused with that field's code (1 the zone bytes, 3 the alarm
    // message). A record of 74 bytes or more carries the fault message, a shorter one does not,
    // whatever firmware the panel has now.
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    void zapiszBlok(Bajty& blok) override;
    void zapiszXML(std::string& bufor, std::uint8_t grupy) override;
    int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) override;
    // 42 on firmware older than the supervision variant, else 74.
    int podajDlugoscBloku() const override;
    int drukujWiersz(std::string& bufor) override;
    void drukujNaglowek(std::string& bufor) override;
    bool czyDrukowac() const override;
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

    // Setters: 0 accepted, 1 refused and nothing changed.
    int ustalWariant(int w);
    int ustalStrefe(int s);
    int ustalGrupeB(int g);
    // `alarmu` true: the technical-alarm message, else the fault message.
    void ustalKomunikat(bool alarmu, const std::string& tekst);

    static int maksWariantu();
    int opisWariantu(std::string& bufor, int w) const;

    int linia() const;
    int adres() const;
    bool czyZadeklarowany() const;

    int podajNumer() const { return numer; }
    int podajWejscie() const { return wejscie; }
    int podajWariant() const { return wariant; }
    int podajStrefe() const { return strefa; }
    int podajGrupeB() const { return grupaB; }
    const std::string& podajKomunikatAlarmu() const { return komunikatAlarmu; }
    const std::string& podajKomunikatUszkodzenia() const { return komunikatUszkodzenia; }
    int podajBajt5() const { return bajt5; }
    int podajBajt6() const { return bajt6; }

private:
    int numer;   // device number
    int wejscie; // input 1..8
    int wariant = 0;
    int grupaB = 0;
    int strefa; // 15 bits
    std::string komunikatAlarmu;
    std::string komunikatUszkodzenia;
    int bajt5 = 0;
    int bajt6 = 0;
};
