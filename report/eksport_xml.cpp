#include "report/eksport_xml.h"

#include <array>

#include "core/centrala.h"
#include "core/element_systemu.h"
#include "core/globalne.h"
#include "core/otoczenie.h"
#include "core/xml.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/xgn30.h"
#include "report/crc32.h"
#include "report/modul_centrali.h"
#include "report/utf8_xml.h"

namespace {

struct Sekcja {
    std::uint8_t grupa;
    std::string_view otwarcie;
    std::string_view zamkniecie;
};
constexpr std::array<Sekcja, 5> sekcje = {{
    {grupaXML::strefy, "<zones>", "</zones>"},
    {grupaXML::elementyLinii, "<line_elements>", "</line_elements>"},
    {grupaXML::moduly, "<modules>", "</modules>"},
    {grupaXML::wejscia, "<inputs>", "</inputs>"},
    {grupaXML::wyjscia, "<outputs>", "</outputs>"},
}};
constexpr int sekcjaModulow = 2;

// The file being written and the CRC of the part of it that is checksummed.
class Dokument {
public:
    explicit Dokument(ZapisZastepujacy& z) : zapis(z) {}
    void pisz(std::string_view bajty) {
        if (!zapis.zapisz(bajty)) return;
        if (liczCrc) crc.dodaj(bajty);
    }
    void ustalLiczenieCrc(bool l) { liczCrc = l; }
    std::uint32_t podajCrc() const { return crc.wynik(); }

private:
    ZapisZastepujacy& zapis;
    Crc32 crc;
    bool liczCrc = false;
};

class Wskaznik {
public:
    explicit Wskaznik(const PostepEksportu& p) : postep(p) {}
    void ustal(int wartosc) {
        if (wartosc == ostatnia || !postep) return;
        ostatnia = wartosc;
        postep(wartosc);
    }

private:
    const PostepEksportu& postep;
    int ostatnia = -1;
};

// The retry timer stays stopped for the whole export, also when a fragment throws.
class WstrzymaniePonawiania {
public:
    explicit WstrzymaniePonawiania(Otoczenie* o) : otoczenie(o) {
        if (otoczenie != nullptr) otoczenie->zatrzymajPonawianie();
    }
    ~WstrzymaniePonawiania() {
        if (otoczenie != nullptr) otoczenie->wznowPonawianie();
    }
    WstrzymaniePonawiania(const WstrzymaniePonawiania&) = delete;
    WstrzymaniePonawiania& operator=(const WstrzymaniePonawiania&) = delete;

private:
    Otoczenie* otoczenie;
};

// Units of several blocks start their walk at their first block, as for a file save.
void zerujKursory(Centrala& c) {
    for (int n = 0; n < c.liczbaXgn30; ++n) {
        if (c.xgn30[n] != nullptr) c.xgn30[n]->zerujKursor();
    }
    if (c.stos != nullptr) c.stos->zerujKursor();
}

// One section: the block walk of the table, every entry asked once per block, whatever the
// transfer flags say.
void przebieg(Centrala& c, int p, Dokument& d, Wskaznik& w) {
    const int n = c.liczbaElementowSystemu;
    std::string fragment;
    for (int i = c.poczElementyLinii; i < n;) {
        ElementSystemu& e = *c.tablicaElementow[i];
        w.ustal(postepEksportu(p, i, n));
        fragment.clear();
        e.zapiszXML(fragment, sekcje[p].grupa);
        if (!fragment.empty()) d.pisz(kodujUTF8(fragment));
        if (i >= c.poczXgn30 && i < c.indStos && e.czyKolejnyBlok()) continue;
        if (i == c.indStos && c.stos != nullptr &&
            (c.stos->nastepnaStrona() || c.stos->czyKolejnyBlok()))
            continue;
        ++i;
    }
}

} // namespace

int postepEksportu(int przebieg, int indeks, int liczbaElementow) {
    if (liczbaElementow <= 0) return 20 * przebieg;
    return 20 * przebieg + ((1000000 / liczbaElementow) * indeks) / 50000;
}

WynikZapisu eksportujXML(Centrala& c, const std::string& nazwaPliku, const PostepEksportu& postep,
                         Otoczenie* otoczenie) {
    if (!c.czyTablicaZbudowana()) return WynikZapisu::brakKonfiguracji;
    Wskaznik w(postep);
    w.ustal(0);
    ZapisZastepujacy zapis(nazwaPliku);
    if (!zapis.czyOtwarty()) return WynikZapisu::nieMoznaUtworzyc;
    WstrzymaniePonawiania wstrzymanie(otoczenie);
    zerujKursory(c);

    Dokument d(zapis);
    d.pisz(deklaracjaXML);
    d.pisz("<setup>");
    d.ustalLiczenieCrc(true);
    d.pisz("<system>");
    for (int p = 0; p < static_cast<int>(sekcje.size()); ++p) {
        d.pisz(sekcje[p].otwarcie);
        if (p == sekcjaModulow) {
            std::string modul;
            dopiszModulCentrali(modul, c);
            d.pisz(kodujUTF8(modul));
        }
        przebieg(c, p, d, w);
        d.pisz(sekcje[p].zamkniecie);
    }
    d.pisz("</system>");
    d.ustalLiczenieCrc(false);
    d.pisz("<crc>" + kluczXML(d.podajCrc()) + "</crc></setup>");
    return zapis.zatwierdz();
}

WynikZapisu eksportujXML(const std::string& nazwaPliku, const PostepEksportu& postep,
                         Otoczenie* otoczenie) {
    if (biezacaCentrala == nullptr) return WynikZapisu::brakKonfiguracji;
    return eksportujXML(*biezacaCentrala, nazwaPliku, postep, otoczenie);
}
