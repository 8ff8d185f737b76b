// A supervised input of a sub-panel (LK1 or LK2): what it reports (its variant), the zone of a
// fire-alarm input, and its fault and technical-alarm messages of one display line each.
#pragma once

#include <string>
#include <string_view>

class XrmWejscie {
public:
    static constexpr int maksWariant = 3;
    static constexpr int wariantAlarmuTechnicznego = 1;
    static constexpr int wariantPozarowy = 2;
    static constexpr int wariantKontroli = 3;

    // Input 1 or 2, with its default messages.
    explicit XrmWejscie(int numer);

    // 0 none, 1 technical alarm, 2 fire alarm, 3 supervision only; anything else 1.
    int ustalWariant(int w);
    // A zone of the panel (1..its zone count); anything else 1 and nothing changed.
    int ustalStrefe(int s);
    // Messages are kept one display line wide, padded with blanks; text after a zero byte is
    // dropped. The LK2 fault message keeps only the characters its record field can carry.
    void ustalKomunikatUszkodzenia(std::string_view t);
    void ustalKomunikatAlarmu(std::string_view t);
    // Text of a variant (the current one for 0), empty outside 0..3; the variant described.
    int opisWariantu(std::string& bufor, int w) const;

    int podajNumer() const { return numer; }
    int podajWariant() const { return wariant; }
    int podajStrefe() const { return strefa; }
    const std::string& podajKomunikatUszkodzenia() const { return komunikatUszkodzenia; }
    const std::string& podajKomunikatAlarmu() const { return komunikatAlarmu; }
    // How many characters of the fault message the record carries.
    int szerokoscUszkodzenia() const;

    // What a record carried, already checked by the reader.
    void ustalWariantZBloku(int w) { wariant = w; }
    void ustalStrefeZBloku(int s) { strefa = s; }

    bool operator==(const XrmWejscie&) const = default;

private:
    int numer;
    int wariant = 0;
    int strefa = 1;
    std::string komunikatUszkodzenia;
    std::string komunikatAlarmu;
};
