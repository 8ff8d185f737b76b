#include "elements/outputs/xrm.h"

#include <algorithm>

#include "core/centrala.h"
#include "core/globalne.h"
#include "elements/lines/element.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/xrm_uklad.h"
#include "lang/language.h"

FlagiKlasy Xrm::flagi{1, 1};

namespace {

constexpr std::uint8_t kodZapisuXrm = 142;
constexpr std::uint8_t kodOdczytuXrm = 187;
constexpr int tekstNazwy = 469;
constexpr std::uint32_t znacznikKlucza = 0x6700;

bool czyModelCentrali() {
    return biezacaCentrala != nullptr && biezacaCentrala->podajFormatRozszerzony() != 0;
}

std::string poleTekstu(std::span<const std::uint8_t> blok, int od, int szerokosc) {
    return ElementSystemu::dekodujTekst(std::string_view(
        reinterpret_cast<const char*>(blok.data() + od), static_cast<std::size_t>(szerokosc)));
}

void zapiszTekst(Bajty& blok, int od, int szerokosc, const std::string& t) {
    const std::string z = ElementSystemu::kodujTekst(t);
    const std::size_t n = std::min(z.size(), static_cast<std::size_t>(szerokosc));
    std::copy_n(z.begin(), n, blok.begin() + od);
}

} // namespace

Xrm::Xrm(int numer)
    : ElementSystemu(kodZapisuXrm, kodOdczytuXrm, tekst(tekstNazwy) + std::to_string(numer)),
      numer(numer), lk{XrmWejscie(1), XrmWejscie(2)} {}

int Xrm::ustalPu(int pu) {
    if (pu != 0 && pu != 1) return 1;
    wyjsciePu = pu;
    return 0;
}

int Xrm::ustalBhu(int obecny) {
    return bhu.ustalObecny(obecny);
}

int Xrm::trybPodnumeru(int podnumer) const {
    if (podnumer == podnumerPk) return trybPrzypisaniaPk();
    const int n = podnumer - podnumerPierwszegoLs + 1;
    if (n >= 1 && n <= XrmBhu::liczbaWyjsc) return trybPrzypisaniaLs(n);
    return 0;
}

std::vector<std::pair<int, int>> Xrm::podajPrzypisania(int podnumer) const {
    std::vector<std::pair<int, int>> pary;
    if (biezacaCentrala != nullptr && biezacaCentrala->stos != nullptr)
        biezacaCentrala->stos->podajPrzypisania(Stos::kodXrm, numer, podnumer, 0, pary);
    return pary;
}

const Element* Xrm::elementLinii() const {
    const Centrala* c = biezacaCentrala;
    if (c == nullptr || !c->czyTablicaZbudowana()) return nullptr;
    const int elementow =
        std::min(c->liczbaElementowLinii, static_cast<int>(c->elementyLinii.size()));
    for (int i = 0; i < elementow; ++i) {
        const Element* e = c->elementyLinii[static_cast<std::size_t>(i)];
        if (e != nullptr && e->podajTyp().podajKod() == kodTypuLinii &&
            e->podajTyp().podajNumer() == numer)
            return e;
    }
    return nullptr;
}

int Xrm::linia() const {
    const Element* e = elementLinii();
    return e != nullptr ? e->podajLinie() : 0;
}

int Xrm::adres() const {
    const Element* e = elementLinii();
    return e != nullptr ? e->podajAdres() : 0;
}

std::uint32_t Xrm::podajKlucz() const {
    const Element* e = elementLinii();
    const auto l = static_cast<std::uint32_t>(e != nullptr ? e->podajLinie() : 0);
    const auto a = static_cast<std::uint32_t>(e != nullptr ? e->podajAdres() : 0);
    return ((l << 24) & 0x0FFFFFFFu) | ((a << 16) & 0x00FFFFFFu) | znacznikKlucza |
           (static_cast<std::uint32_t>(numer) & 0xFFu);
}

int Xrm::podajDlugoscBloku() const {
    return xrm_uklad::dlugosc;
}

void Xrm::zapiszBlok(Bajty& blok) {
    using namespace xrm_uklad;
    blok.assign(dlugosc, 0);
    blok[bNumer] = static_cast<std::uint8_t>(numer);
    blok[bBhuObecny] = static_cast<std::uint8_t>(bhu.podajObecny());
    blok[bWyjsciePu] = static_cast<std::uint8_t>(wyjsciePu);
    blok[bTypPk] = static_cast<std::uint8_t>(pk.podajTyp());
    blok[bWariantPu] = static_cast<std::uint8_t>(wariantPu);
    blok[bWariantPk] = static_cast<std::uint8_t>(pk.podajWariant());
    for (int n = 1; n <= XrmBhu::liczbaWyjsc; ++n) {
        blok[bTypLs + n - 1] = static_cast<std::uint8_t>(bhu.wyjscie(n).podajTyp());
        blok[bWariantLs + n - 1] = static_cast<std::uint8_t>(bhu.wyjscie(n).podajWariant());
    }
    for (int n = 1; n <= liczbaWejsc; ++n) {
        const XrmWejscie& w = wejscie(n);
        const int i = n - 1;
        blok[bWariantLk + i] = static_cast<std::uint8_t>(w.podajWariant());
        blok[bStrefaLk + 2 * i] = static_cast<std::uint8_t>((w.podajStrefe() >> 8) & 0xFF);
        blok[bStrefaLk + 2 * i + 1] = static_cast<std::uint8_t>(w.podajStrefe() & 0xFF);
        zapiszTekst(blok, bKomunikatAlarmu + i * szerokoscKomunikatu, szerokoscKomunikatu,
                    w.podajKomunikatAlarmu());
        zapiszTekst(blok, bKomunikatUszkodzenia + i * szerokoscKomunikatu, w.szerokoscUszkodzenia(),
                    w.podajKomunikatUszkodzenia());
    }
    // An output whose type no longer takes assignments loses them when it is saved or sent.
    if (czyModelCentrali() && biezacaCentrala->stos != nullptr) {
        for (int p = podnumerPk; p < podnumerPierwszegoLs + XrmBhu::liczbaWyjsc; ++p)
            if (trybPodnumeru(p) == 0)
                biezacaCentrala->stos->usunPrzypisania(Stos::kodXrm, numer, p, 0);
    }
}

int Xrm::odczytajBlok(std::span<const std::uint8_t> blok) {
    using namespace xrm_uklad;
    const auto brakuje = [&](int od, int ile) {
        return blok.size() < static_cast<std::size_t>(od + ile);
    };
    if (brakuje(bNumer, 1) || blok[bNumer] != numer) return bladNumeru;
    if (brakuje(bBhuObecny, 1)) return bladBhu;
    bhu.ustalObecnyZBloku(blok[bBhuObecny]);
    if (brakuje(bWyjsciePu, 1)) return bladPu;
    wyjsciePu = blok[bWyjsciePu];
    // Types and variants pick texts and assignment modes: a value no output type knows is
    // refused rather than carried.
    if (brakuje(bTypPk, 1) || !XrmWyjscie::czyTyp(blok[bTypPk])) return bladTypuPk;
    pk.ustalTypZBloku(blok[bTypPk]);
    if (brakuje(bTypLs, XrmBhu::liczbaWyjsc)) return bladTypuLs;
    for (int n = 0; n < XrmBhu::liczbaWyjsc; ++n)
        if (!XrmWyjscie::czyTyp(blok[bTypLs + n])) return bladTypuLs;
    for (int n = 0; n < XrmBhu::liczbaWyjsc; ++n)
        bhu.wyjscie(n + 1).ustalTypZBloku(blok[bTypLs + n]);
    if (brakuje(bWariantPu, 1)) return bladWariantuPu;
    wariantPu = blok[bWariantPu];
    // A variant is kept through a change of type, so any variant of some type is taken.
    if (brakuje(bWariantPk, 1) || blok[bWariantPk] > XrmWyjscie::maksWariantDowolny)
        return bladWariantuPk;
    pk.ustalWariantZBloku(blok[bWariantPk]);
    if (brakuje(bWariantLs, XrmBhu::liczbaWyjsc)) return bladWariantuLs;
    for (int n = 0; n < XrmBhu::liczbaWyjsc; ++n)
        if (blok[bWariantLs + n] > XrmWyjscie::maksWariantDowolny) return bladWariantuLs;
    for (int n = 0; n < XrmBhu::liczbaWyjsc; ++n)
        bhu.wyjscie(n + 1).ustalWariantZBloku(blok[bWariantLs + n]);
    if (brakuje(bWariantLk, liczbaWejsc)) return bladWariantuLk;
    for (int n = 0; n < liczbaWejsc; ++n)
        if (blok[bWariantLk + n] > XrmWejscie::maksWariant) return bladWariantuLk;
    for (int n = 0; n < liczbaWejsc; ++n) lk[n].ustalWariantZBloku(blok[bWariantLk + n]);
    if (brakuje(bStrefaLk, 2 * liczbaWejsc)) return bladStrefyLk;
    for (int n = 0; n < liczbaWejsc; ++n)
        lk[n].ustalStrefeZBloku(blok[bStrefaLk + 2 * n] << 8 | blok[bStrefaLk + 2 * n + 1]);
    for (int n = 0; n < liczbaWejsc; ++n) {
        const int od = bKomunikatAlarmu + n * szerokoscKomunikatu;
        if (brakuje(od, szerokoscKomunikatu)) return bladKomunikatuAlarmu;
        lk[n].ustalKomunikatAlarmu(poleTekstu(blok, od, szerokoscKomunikatu));
    }
    for (int n = 0; n < liczbaWejsc; ++n) {
        const int od = bKomunikatUszkodzenia + n * szerokoscKomunikatu;
        const int szerokosc = lk[n].szerokoscUszkodzenia();
        if (brakuje(od, szerokosc)) return bladKomunikatuUszkodzenia;
        lk[n].ustalKomunikatUszkodzenia(poleTekstu(blok, od, szerokosc));
    }
    return 0;
}

int Xrm::ustalZapytanie(Bajty& zapytanie, std::uint8_t pierwszy) {
    zapytanie.assign(xrm_uklad::dlugoscZapytania, 0);
    zapytanie[0] = pierwszy;
    zapytanie[1] = static_cast<std::uint8_t>(numer);
    return xrm_uklad::dlugoscZapytania;
}

bool Xrm::operator==(const Xrm& inny) const {
    return numer == inny.numer && wyjsciePu == inny.wyjsciePu && wariantPu == inny.wariantPu &&
           pk == inny.pk && lk == inny.lk && bhu == inny.bhu;
}
