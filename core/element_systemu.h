// Base of every configuration object in the element table. File save and read, the panel
// transfer, the XML export and the printout treat every kind alike through these sixteen
// operations.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using Bajty = std::vector<std::uint8_t>;

// The class-wide transfer and print flags of one kind.
struct FlagiKlasy {
    std::uint8_t przesylanie;
    int drukowanie;

    void ustalPrzesylanie(std::uint8_t f) { przesylanie = f; }
    void ustalDrukowanie(int f) { drukowanie = f; }
};

class ElementSystemu {
public:
    ElementSystemu(std::uint8_t kodZapisu, std::uint8_t kodOdczytu, std::string nazwa)
        : kodZapisu(kodZapisu), kodOdczytu(kodOdczytu), nazwa(std::move(nazwa)) {}
    virtual ~ElementSystemu() = default;

    // 0, 1: function numbers of the block written to and requested from the panel.
    virtual std::uint8_t podajNrFunkcjiZapisu() const { return kodZapisu; }
    virtual std::uint8_t podajNrFunkcjiOdczytu() const { return kodOdczytu; }
    // 2: display name.
    virtual std::string podajNazwe() const { return nazwa; }
    // 3: packed reference by which assignments name this object.
    virtual std::uint32_t podajKlucz() const = 0;
    // 4: one kind-specific number used by the editors.
    virtual int podajParametr() const = 0;
    // 5: parses one record; 0 when accepted, else the 1-based code of the first refused field
    // (fields before it keep their new values, the rest their old ones).
    virtual int odczytajBlok(std::span<const std::uint8_t> blok) = 0;
    // 6: the record, the same layout slot 5 reads; `blok` is resized to its length.
    virtual void zapiszBlok(Bajty& blok) = 0;
    // 7: appends the XML fragment when in use and its group is requested in `flagi`.
    virtual void zapiszXML(std::string& bufor, std::uint8_t flagi) = 0;
    // 8: body of a read request: the given first byte, then the object's key; its length.
    virtual int ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) {
        (void)pierwszy;
        zapytanie.clear();
        return 0;
    }
    // 9: length of the record slot 6 writes.
    virtual int podajDlugoscBloku() const = 0;
    // 10, 11: printout rows and the table heading of the kind.
    virtual int drukujWiersz(std::string& bufor) = 0;
    virtual void drukujNaglowek(std::string& bufor) = 0;
    // 12, 13: whether the object is printed, and whether it takes part in save, read and transfer.
    virtual bool czyDrukowac() const = 0;
    virtual bool czyPrzesylac() const = 0;
    // 14: for objects of several blocks: whether the same object must be processed again.
    virtual bool czyKolejnyBlok() { return false; }
    // 15: user description: part 1 the first 32 characters, 2 characters 33..64, else the whole.
    virtual std::optional<std::string> podajOpis(int czesc) const {
        (void)czesc;
        return std::nullopt;
    }

    // User texts inside records: Windows-1250 to code page 852 and back for the listed letters,
    // under "polish", "english" and "hungary"; unchanged under every other language.
    static std::string kodujTekst(std::string_view zrodlo);
    static std::string dekodujTekst(std::string_view zrodlo); // at most 256 bytes are taken

    // Printout cells: a range of assigned zones of a panel, and the assigned inputs of a device.
    static std::string opisStref(int pierwsza, int ostatnia, int nrCentrali);
    static std::string opisWejsc(int numer, std::uint8_t bityWejsc, int kodRodzaju);

protected:
    std::uint8_t kodZapisu;
    std::uint8_t kodOdczytu;
    std::string nazwa;
};
