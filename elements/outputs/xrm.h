// An XRM sub-panel: a loop device with its own outputs PU and PK, supervised inputs LK1 and LK2
// and an optional BHU module with four more outputs. Its record is tied to the line element of
// type code 103 that carries its number as logical number.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/element_systemu.h"
#include "elements/outputs/xrm_bhu.h"
#include "elements/outputs/xrm_wejscie.h"
#include "elements/outputs/xrm_wyjscie.h"

class Element;

class Xrm : public ElementSystemu {
public:
    static FlagiKlasy flagi;

    static constexpr int kodTypuLinii = 103;
    static constexpr int liczbaWejsc = 2;
    // Sub-numbers of the outputs' assignment lists: PK, then BHU outputs 1..4.
    static constexpr int podnumerPk = 2;
    static constexpr int podnumerPierwszegoLs = 3;

    // Refusal codes of the record reader, by field in record order.
    enum Blad {
        bladNumeru = 1,
        bladBhu,
        bladPu,
        bladTypuPk,
        bladTypuLs,
        bladWariantuPu,
        bladWariantuPk,
        bladWariantuLs,
        bladWariantuLk,
        bladStrefyLk,
        bladKomunikatuAlarmu,
        bladKomunikatuUszkodzenia,
    };

    explicit Xrm(int numer);

    int podajNumer() const { return numer; }

    // Flags 0/1; anything else 1 and nothing changed.
    int ustalPu(int pu);
    int ustalBhu(int obecny);
    int ustalTypPk(int t) { return pk.ustalTyp(t); }
    int ustalWariantPk(int w) { return pk.ustalWariant(w); }
    // BHU outputs 1..4 and inputs 1..2: any other index is taken as 1.
    int ustalTypLs(int n, int t) { return bhu.wyjscie(n).ustalTyp(t); }
    int ustalWariantLs(int n, int w) { return bhu.wyjscie(n).ustalWariant(w); }
    int ustalWariantLk(int n, int w) { return wejscieZmienne(n).ustalWariant(w); }
    int ustalStrefeLk(int n, int s) { return wejscieZmienne(n).ustalStrefe(s); }
    void ustalKomunikatUszkodzenia(int n, std::string_view t) {
        wejscieZmienne(n).ustalKomunikatUszkodzenia(t);
    }
    void ustalKomunikatAlarmu(int n, std::string_view t) {
        wejscieZmienne(n).ustalKomunikatAlarmu(t);
    }

    int opisTypuPk(std::string& bufor, int t) const { return pk.opisTypu(bufor, t); }
    int opisWariantuPk(std::string& bufor, int w) const { return pk.opisWariantu(bufor, w); }
    int opisTypuLs(int n, std::string& bufor, int t) const {
        return bhu.wyjscie(n).opisTypu(bufor, t);
    }
    int opisWariantuLs(int n, std::string& bufor, int w) const {
        return bhu.wyjscie(n).opisWariantu(bufor, w);
    }
    int opisWariantuLk(int n, std::string& bufor, int w) const {
        return wejscie(n).opisWariantu(bufor, w);
    }

    int trybPrzypisaniaPk() const { return pk.trybPrzypisania(); }
    int trybPrzypisaniaLs(int n) const { return bhu.wyjscie(n).trybPrzypisania(); }
    // Mode of the output with that stack sub-number (2 PK, 3..6 BHU outputs 1..4); 0 for any
    // other sub-number, which names no output.
    int trybPodnumeru(int podnumer) const;
    // The assignment list of that sub-number from the stack: (zone, panel) pairs.
    std::vector<std::pair<int, int>> podajPrzypisania(int podnumer) const;

    // Line and address of the line element that declares this sub-panel, 0 when none does.
    int linia() const;
    int adres() const;
    bool czyZadeklarowany() const { return elementLinii() != nullptr; }

    int podajPu() const { return wyjsciePu; }
    int podajWariantPu() const { return wariantPu; }
    const XrmWyjscie& podajPk() const { return pk; }
    const XrmBhu& podajBhu() const { return bhu; }
    // Input 1..2, any other index taken as 1.
    const XrmWejscie& wejscie(int n) const { return lk[indeksWejscia(n)]; }
    int podajStrefeLk(int n) const { return wejscie(n).podajStrefe(); }

    // ElementSystemu.
    std::uint32_t podajKlucz() const override;
    int podajParametr() const override { return 1; }
    int odczytajBlok(std::span<const std::uint8_t> blok) override;
    // On a panel model an output whose mode is 0 drops its assignment list here.
    void zapiszBlok(Bajty& blok) override;
    void zapiszXML(std::string& bufor, std::uint8_t flagi) override;
    int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) override;
    int podajDlugoscBloku() const override;
    // Sub-panels take no part in the printout.
    int drukujWiersz(std::string&) override { return 0; }
    void drukujNaglowek(std::string&) override {}
    bool czyDrukowac() const override { return false; }
    bool czyPrzesylac() const override { return flagi.przesylanie != 0; }

    // The same configuration (number, outputs, inputs, module).
    bool operator==(const Xrm& inny) const;

private:
    static std::size_t indeksWejscia(int n) { return n == 2 ? 1 : 0; }
    XrmWejscie& wejscieZmienne(int n) { return lk[indeksWejscia(n)]; }
    const Element* elementLinii() const;
    void xmlWyjscie(std::string& bufor, std::uint32_t klucz, int rodzajSprzetu, int nr, int typ,
                    int wariant, int podnumer, bool strefy) const;
    void xmlWejscie(std::string& bufor, const XrmWejscie& w) const;

    int numer; // logical number
    int wyjsciePu = 0;
    int wariantPu = 0;
    XrmWyjscie pk;
    std::array<XrmWejscie, liczbaWejsc> lk;
    XrmBhu bhu;
};
