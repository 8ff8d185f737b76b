#include "elements/lines/element.h"

#include <cstdio>

#include "core/centrala.h"
#include "core/globalne.h"
#include "core/xml.h"
#include "elements/outputs/sygnalizator.h"
#include "elements/outputs/wio.h"
#include "elements/outputs/wmi.h"
#include "elements/outputs/wou.h"
#include "elements/outputs/xgn.h"
#include "elements/outputs/xgn30.h"
#include "lang/language.h"

FlagiKlasy Element::flagi{1, 1};

namespace {

const char cyfry[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Value of one factory number character: 0..9, 10..35 for "A".."Z", 0 for anything else.
int wartoscZnaku(std::string_view tekst, std::size_t i) {
    if (i >= tekst.size()) return 0;
    const char c = tekst[i];
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 0;
}

// Type codes whose number field is a logical number in the key and the XML fragment.
bool czyNumerLogiczny(int kod) {
    switch (kod) {
    case 64:
    case 65:
    case 66:
    case 80:
    case 81:
    case 82:
    case 96:
    case 97:
    case 103:
        return true;
    default:
        return false;
    }
}

} // namespace

Element::Element(int linia, int adres)
    : ElementSystemu(115, 163,
                     tekst(324) + std::to_string(linia) + tekst(325) + std::to_string(adres)),
      typ(std::make_unique<TypBRAK>(linia)), linia(linia), adres(adres) {}

Element::Element(const Element& inny)
    : ElementSystemu(inny), typ(inny.typ->klonuj()), linia(inny.linia), adres(inny.adres),
      nrSeryjny(inny.nrSeryjny) {}

Element& Element::operator=(const Element& inny) {
    if (this != &inny) {
        auto kopia = inny.typ->klonuj();
        ElementSystemu::operator=(inny);
        typ = std::move(kopia);
        linia = inny.linia;
        adres = inny.adres;
        nrSeryjny = inny.nrSeryjny;
    }
    return *this;
}

Element::~Element() = default;

int Element::ustalTyp(int kod) {
    auto nowy = TypElementu::utworzZKodu(kod, *typ, linia);
    if (!nowy) return 1;
    typ = std::move(nowy);
    return 0;
}

int Element::ustalTypZKodu(int kod) {
    if (ustalTyp(kod) != 0) return 1;
    nrSeryjny = {kod, 0, 0, 0, 0, 0};
    return 0;
}

int Element::ustalNrSeryjny(const NrSeryjny& bajty) {
    for (int b : bajty) {
        if (b < 0 || b > 255) return 1;
    }
    if (ustalTyp(bajty[0]) != 0) return 1;
    nrSeryjny = bajty;
    return 0;
}

std::string Element::nrFabrycznyTekst() const {
    std::string t;
    auto szesnastkowo = [&t](int b) {
        t += cyfry[(b >> 4) & 15];
        t += cyfry[b & 15];
    };
    szesnastkowo(nrSeryjny[0]);
    szesnastkowo(nrSeryjny[1]);
    const int v = nrSeryjny[2];
    if (v > 179) {
        t += "##";
    } else {
        t += cyfry[v / 5];
        t += v % 5 == 0 ? 'Y' : static_cast<char>('A' + v % 5 - 1);
    }
    szesnastkowo(nrSeryjny[3]);
    szesnastkowo(nrSeryjny[4]);
    szesnastkowo(nrSeryjny[5]);
    return t;
}

int Element::czytajNrFabryczny(std::string_view tekst, NrSeryjny& bajty) {
    // Positions holding hexadecimal digits: all but 4 and 5 (byte 2).
    for (std::size_t i = 0; i < 12; ++i) {
        if (i == 4 || i == 5) continue;
        if (wartoscZnaku(tekst, i) > 15) return static_cast<int>(i) + 1;
    }
    auto c = [tekst](std::size_t i) { return wartoscZnaku(tekst, i); };
    NrSeryjny b;
    b[0] = c(0) * 16 + (c(1) & 15);
    b[1] = c(2) * 16 + (c(3) & 15);
    b[2] = c(4) * 5 + (c(5) >= 10 && c(5) <= 13 ? c(5) - 9 : 0);
    b[3] = c(6) * 16 + (c(7) & 15);
    b[4] = c(8) * 16 + (c(9) & 15);
    b[5] = c(10) * 16 + (c(11) & 15);
    if (b[0] == 32) b[0] = 33;
    bajty = b;
    return 0;
}

std::uint32_t Element::podajKlucz() const {
    const int kod = typ->podajKod();
    const std::uint32_t numerKlucza =
        czyNumerLogiczny(kod) ? static_cast<std::uint32_t>(typ->podajNumer()) & 255u : 255u;
    return (static_cast<std::uint32_t>(linia) & 15u) << 24 |
           (static_cast<std::uint32_t>(adres) & 255u) << 16 |
           (static_cast<std::uint32_t>(kod) & 255u) << 8 | numerKlucza;
}

int Element::podajParametr() const {
    return typ->czyWStrefie() ? typ->podajNumer() : 0;
}

int Element::odczytajBlok(std::span<const std::uint8_t> blok) {
    if (blok.size() < dlugoscBloku) return 1;
    const int liczbaLinii = biezacaCentrala != nullptr ? biezacaCentrala->liczbaLinii : 0;
    const int liczbaAdresow = biezacaCentrala != nullptr ? biezacaCentrala->liczbaAdresow : 0;
    if (blok[0] < 1 || blok[0] > liczbaLinii || blok[0] != linia) return 1;
    if (blok[1] < 1 || blok[1] > liczbaAdresow || blok[1] != adres) return 2;
    if (ustalNrSeryjny({blok[2], blok[3], blok[4], blok[5], blok[6], blok[7]}) != 0) return 3;
    if (typ->ustalTryb(blok[8]) != 0) return 4;
    typ->ustalGrupe(blok[9] >> 7);
    if (typ->ustalNumerZBajtow((blok[9] & 127) << 8, blok[10]) != 0) return 6;
    return 0;
}

void Element::zapiszBlok(Bajty& blok) {
    const int numer = typ->podajNumer();
    blok.assign(dlugoscBloku, 0);
    blok[0] = static_cast<std::uint8_t>(linia);
    blok[1] = static_cast<std::uint8_t>(adres);
    for (int i = 0; i < 6; ++i) blok[2 + i] = static_cast<std::uint8_t>(nrSeryjny[i]);
    blok[8] = static_cast<std::uint8_t>(typ->podajTryb());
    // Group B (any non-zero group) is bit 7; bits 0..6 are bits 8..14 of the number.
    blok[9] = static_cast<std::uint8_t>((typ->podajGrupe() != 0 ? 0x80 : 0) | ((numer >> 8) & 127));
    blok[10] = static_cast<std::uint8_t>(numer & 255);
}

int Element::ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) {
    zapytanie = {pierwszy, static_cast<std::uint8_t>(linia), static_cast<std::uint8_t>(adres), 0,
                 0};
    return 5;
}

void Element::zapiszXML(std::string& bufor, std::uint8_t flagiXml) {
    const int kod = typ->podajKod();
    if (kod <= 0 || (flagiXml & 2) == 0) return;
    const std::uint32_t klucz = podajKlucz();
    const int numer = typ->podajNumer();

    // 1. Identity.
    bufor += "<line_element>";
    dopiszIdXML(bufor, klucz);
    dopiszXML(bufor, "type", kod);
    dopiszXML(bufor, "line", linia);
    dopiszXML(bufor, "element_nr", adres);
    // 2. Factory number: each byte as two hexadecimal digits and a blank.
    std::string nr;
    for (int b : nrSeryjny) {
        char s[4];
        std::snprintf(s, sizeof s, "%02X ", static_cast<unsigned>(b & 255));
        nr += s;
    }
    dopiszTekstXML(bufor, "serial_nr", nr);
    // 3. Mode.
    dopiszXML(bufor, "mode", typ->podajTryb());
    // 4. Logical number, or zone and group.
    if (czyNumerLogiczny(kod)) {
        dopiszXML(bufor, "logical_nr", numer);
    } else {
        dopiszXML(bufor, "zone", numer);
        dopiszXML(bufor, "group", typ->podajGrupe() != 0 ? 1 : 0);
    }
    // 5. The zone of an XGN-200's record.
    // Logical number 0 names no record: zone 0 and no modules.
    if (kod == 96) {
        if (numer == 0)
            dopiszXML(bufor, "zone", 0);
        else if (const auto strefa = strefaXgn())
            dopiszXML(bufor, "zone", *strefa);
    }
    // 6. The device's channels.
    if (numer != 0) xmlKanaly(bufor, klucz);
    // 7. The modules of an XGN-300.
    if (kod == 97 && numer != 0) xmlModulyXgn30(bufor);
    // 8.
    bufor += "</line_element>";
}

void Element::xmlKanaly(std::string& bufor, std::uint32_t klucz) const {
    // Channels the type has: bit n-1 = channel n.
    std::uint8_t wejscia = 0, wyjscia = 0, stale = 0;
    const int kod = typ->podajKod();
    if (kod == 64) {
        wejscia = 0x03;
        wyjscia = 0x01;
    } else if (kod == 65) {
        wyjscia = 0xFF;
    } else if (kod == 66) {
        wejscia = 0xFF;
    } else if (kod == 80 || (kod >= 81 && kod <= 88)) {
        wyjscia = 0x01;
    } else if (kod == 96) {
        wyjscia = 0x07;
        stale = 0x06; // outputs 2 and 3 are always present
    } else {
        return;
    }
    const auto obecne = obecneKanaly();
    if (!obecne) return; // no record data yet: nothing is stated about the channels
    auto lista = [&](const char* lista, const char* pozycja, std::uint8_t kanaly,
                     std::uint8_t obecneBity) {
        bufor += '<';
        bufor += lista;
        bufor += '>';
        for (int n = 1; n <= 8; ++n) {
            const std::uint8_t b = static_cast<std::uint8_t>(1u << (n - 1));
            if ((kanaly & b) == 0 || (obecneBity & b) == 0) continue;
            bufor += '<';
            bufor += pozycja;
            bufor += '>';
            dopiszXML(bufor, "nr", n);
            dopiszIdXML(bufor, klucz | static_cast<std::uint32_t>(n) << 28);
            bufor += "</";
            bufor += pozycja;
            bufor += '>';
        }
        bufor += "</";
        bufor += lista;
        bufor += '>';
    };
    if (wejscia != 0) lista("inputs", "input", wejscia, obecne->wejscia);
    if (wyjscia != 0) lista("outputs", "output", wyjscia, obecne->wyjscia | stale);
}

void Element::xmlModulyXgn30(std::string& bufor) const {
    const auto maski = maskiModulowXgn30();
    if (!maski) return; // no record data yet: the unit's module list is not stated
    const std::uint32_t baza = static_cast<std::uint32_t>(typ->podajNumer()) << 16;
    auto modul = [&bufor](int typModulu, int nr, std::uint32_t id) {
        bufor += "<module>";
        dopiszXML(bufor, "type", typModulu);
        if (nr != 0) dopiszXML(bufor, "nr", nr);
        dopiszIdXML(bufor, id);
        bufor += "</module>";
    };
    bufor += "<modules>";
    modul(112, 0, baza + 0x7001);
    for (int j = 0; j < 8; ++j) {
        if (((*maski)[0] >> j) & 1)
            modul(113, j + 1, baza | static_cast<std::uint32_t>(j + 1) | 0x7100);
    }
    for (int j = 0; j < 4; ++j) {
        if (((*maski)[1] >> j) & 1)
            modul(114, j + 1, baza | static_cast<std::uint32_t>(j + 1) | 0x7200);
    }
    if ((*maski)[2] & 1) modul(114, 5, baza | 5u | 0x7200);
    bufor += "</modules>";
}

// The records the line element's fragment reports on are looked up only for logical numbers
// 1..count of their kind.
std::optional<int> Element::strefaXgn() const {
    const Centrala* c = biezacaCentrala;
    const int n = typ->podajNumer();
    if (c == nullptr || n < 1 || n > c->liczbaXgn) return std::nullopt;
    const Xgn* x = c->xgn[static_cast<std::size_t>(n - 1)];
    if (x == nullptr) return std::nullopt;
    return x->podajParametr();
}

std::optional<Element::ObecneKanaly> Element::obecneKanaly() const {
    const Centrala* c = biezacaCentrala;
    const int kod = typ->podajKod();
    const int n = typ->podajNumer();
    if (c == nullptr) return std::nullopt;
    // A logical number outside the count gives empty lists: no record has that number.
    ObecneKanaly kanaly;
    if (kod == 64) {
        if (n >= 1 && n <= c->liczbaWio) {
            const Wio* w = c->wio[static_cast<std::size_t>(n - 1)];
            if (w != nullptr && w->podajWariant() != 0) {
                kanaly.wejscia = 0x03;
                kanaly.wyjscia = 0x01;
            }
        }
        return kanaly;
    }
    if (kod == 65 || kod == 66) {
        const int grup = kod == 65 ? c->liczbaGrupWou : c->liczbaGrupWmi;
        if (n < 1 || n > grup) return kanaly;
        for (int k = 1; k <= 8; ++k) {
            const std::size_t i = static_cast<std::size_t>((n - 1) * 8 + k - 1);
            const int wariant = kod == 65 ? (c->wou[i] != nullptr ? c->wou[i]->podajWariant() : 0)
                                          : (c->wmi[i] != nullptr ? c->wmi[i]->podajWariant() : 0);
            if (wariant == 0) continue;
            (kod == 65 ? kanaly.wyjscia : kanaly.wejscia) |=
                static_cast<std::uint8_t>(1u << (k - 1));
        }
        return kanaly;
    }
    // HRN (80), HVA/HLT (81..88): output 1 is present when the sounder's type is not 0.
    if (kod >= 80 && kod <= 88) {
        const Sygnalizator* s = sygnalizatorElementu(kod, n);
        if (s == nullptr) return std::nullopt;
        ObecneKanaly k;
        k.wyjscia = s->podajTyp() != 0 ? 0x01 : 0x00;
        return k;
    }
    // XGN 200: output 1 is P1, present while it has a variant; P2 and P3 are added by the caller.
    if (kod == 96) {
        if (n < 1 || n > c->liczbaXgn) return std::nullopt;
        const Xgn* x = c->xgn[static_cast<std::size_t>(n - 1)];
        if (x == nullptr) return std::nullopt;
        return ObecneKanaly{0, static_cast<std::uint8_t>(x->podajWariant() != 0 ? 0x01 : 0)};
    }
    return std::nullopt;
}

std::optional<std::array<std::uint8_t, 3>> Element::maskiModulowXgn30() const {
    const Centrala* c = biezacaCentrala;
    const int n = typ->podajNumer();
    if (c == nullptr || n < 1 || n > c->liczbaXgn30) return std::nullopt;
    const Xgn30* x = c->xgn30[static_cast<std::size_t>(n - 1)];
    if (x == nullptr) return std::nullopt;
    return std::array<std::uint8_t, 3>{static_cast<std::uint8_t>(x->podajMaskeBqa()),
                                       static_cast<std::uint8_t>(x->podajMaskeBtz()),
                                       static_cast<std::uint8_t>(x->podajBkv())};
}

int Element::drukujWiersz(std::string& bufor) {
    const std::size_t przed = bufor.size();
    typ->drukujTyp(bufor, linia, adres, nrFabrycznyTekst());
    return static_cast<int>(bufor.size() - przed);
}

void Element::drukujNaglowek(std::string& bufor) {
    bufor += tekst(310);
}
