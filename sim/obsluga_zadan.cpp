#include "sim/obsluga_zadan.h"

#include <string>

#include "comm/ramka.h"
#include "elements/outputs/stos_uklad.h"
#include "sim/magazyn_blokow.h"
#include "sim/ramka_odpowiedzi.h"
#include "sim/teksty_pamieci.h"

namespace sim {

namespace {

// Event request payload.
constexpr std::size_t zNumerHi = 1, zNumerLo = 2, zRodzaj = 3, dlugoscZapytaniaPamieci = 5;
constexpr std::uint8_t rodzajAlarmy = 2;
// Event reply payload: a byte not examined, the entry number, the count, the text.
constexpr std::size_t dlugoscNaglowkaPamieci = 5;
constexpr std::size_t maksTekstuPamieci =
    static_cast<std::size_t>(ramka::maksDanych) - dlugoscNaglowkaPamieci - 1;

const char* nazwaModelu(int typ) {
    switch (typ) {
    case 3:
        return "7600";
    case 5:
        return "7400";
    case 6:
        return "7200";
    default:
        return "7800";
    }
}

bool nty(int licznik, int coIle) {
    return coIle > 0 && licznik % coIle == 0;
}

} // namespace

ObslugaZadan::ObslugaZadan(const UstawieniaPanelu& ustawienia, MagazynBlokow& magazyn)
    : u(ustawienia), magazyn(magazyn) {}

std::string ObslugaZadan::identyfikacja() const {
    return std::string("PSC") + nazwaModelu(u.typ) + "V" + std::to_string(u.wersjaGlowna % 10) +
           "." + std::to_string(u.wersjaPoboczna % 10);
}

Bajty ObslugaZadan::odpowiedzPamieci(std::span<const std::uint8_t> dane) const {
    std::uint8_t numerHi = 0, numerLo = 0, rodzaj = 0;
    if (dane.size() >= dlugoscZapytaniaPamieci) {
        numerHi = dane[zNumerHi];
        numerLo = dane[zNumerLo];
        rodzaj = dane[zRodzaj];
    }
    const bool alarmy = rodzaj == rodzajAlarmy;
    const int liczba = alarmy ? u.liczbaAlarmow : u.liczbaZdarzen;
    const int numer = numerHi << 8 | numerLo;
    Bajty p{0, numerHi, numerLo, static_cast<std::uint8_t>(liczba >> 8),
            static_cast<std::uint8_t>(liczba)};
    const bool jest = alarmy ? numer < liczba : numer >= 1 && numer <= liczba;
    if (jest) {
        Bajty t = naZnakiPanelu(alarmy ? tekstAlarmu(numer) : tekstZdarzenia(numer));
        if (t.size() > maksTekstuPamieci) t.resize(maksTekstuPamieci);
        p.insert(p.end(), t.begin(), t.end());
    }
    p.push_back(0);
    return p;
}

Bajty ObslugaZadan::daneOdczytu(std::uint8_t nr, std::span<const std::uint8_t> dane) const {
    if (const Bajty* b = magazyn.odczytaj(nr, dane)) return *b;
    using namespace stos_uklad;
    if ((nr == nrOdczytuStosu || nr == nrOdczytuStosuStary) &&
        dane.size() == static_cast<std::size_t>(dlugoscZapytania)) {
        // A source without entries: an empty page of its own key.
        Bajty b(dlugoscNaglowka, 0);
        b[bKod] = dane[zKod];
        b[bIndeks] = dane[zIndeks];
        b[bNumer + 1] = dane[zNumer];
        b[bPodnumer] = dane[zPodnumer];
        b[bPrzesuniecie] = dane[zPrzesuniecie];
        b[bPrzesuniecie + 1] = dane[zPrzesuniecie + 1];
        return b;
    }
    return {};
}

Odpowiedz ObslugaZadan::obsluz(std::span<const std::uint8_t> zadanie) {
    Odpowiedz o;
    if (!czyPoprawnaRamka(zadanie)) return o;
    const std::uint8_t nr = zadanie[ramka::offNrFunkcji];
    const auto dane =
        zadanie.subspan(ramka::offDane, zadanie.size() - ramka::offDane - 2 /* checksum */);
    std::uint8_t flagi = flagiTypuCentrali(u.typ);

    if (nr == ramka::nrZapytaniaIdentyfikacji) {
        const std::string t = identyfikacja();
        o.ramka =
            zbudujOdpowiedz(flagi, ramka::nrOdpowiedziIdentyfikacji,
                            std::span(reinterpret_cast<const std::uint8_t*>(t.data()), t.size()));
        return o;
    }
    if (nr == ramka::nrZapytaniaPamieci) {
        o.ramka = zbudujOdpowiedz(flagi, ramka::nrOdpowiedziStanuPamieci, odpowiedzPamieci(dane));
        return o;
    }
    const bool zapis = czyNrZapisu(nr), odczyt = czyNrOdczytu(nr);
    if (!zapis && !odczyt) {
        o.ramka = zbudujOdpowiedz(flagi, nr, {});
        return o;
    }

    o.blokowa = true;
    const int n = ++liczbaBlokowych;
    // A lost request is never seen by the panel.
    if (nty(n, u.coIleBezOdpowiedzi)) return o;
    Bajty p;
    if (zapis) {
        std::uint8_t status = statusZablokowana;
        if (!u.zablokowana) status = magazyn.zapisz(nr, dane) ? statusPrzyjety : statusOdrzucony;
        p = {status};
    } else {
        p = daneOdczytu(nr, dane);
    }
    if (nty(n, u.coIleZlyTyp)) flagi = flagiBezModelu;
    o.ramka = zbudujOdpowiedz(flagi, nr, p);
    if (nty(n, u.coIleZlaSuma)) o.ramka[o.ramka.size() - 2] ^= 0x55;
    o.opoznienie = u.opoznienie;
    o.znikniecie = u.zniknieciePo > 0 && ++liczbaOdpowiedzi >= u.zniknieciePo;
    return o;
}

std::chrono::microseconds czasNaLinii(std::size_t bajtyZadania, std::size_t bajtyOdpowiedzi,
                                      int predkosc) {
    if (predkosc <= 0) return std::chrono::microseconds{0};
    const std::uint64_t bity = (bajtyZadania + bajtyOdpowiedzi) * 11u;
    // Rounded up: the reply never goes out before the line could have carried it.
    return std::chrono::microseconds{(bity * 1000000u + static_cast<std::uint64_t>(predkosc) - 1) /
                                     static_cast<std::uint64_t>(predkosc)};
}

} // namespace sim
