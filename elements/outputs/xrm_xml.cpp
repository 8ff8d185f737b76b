// The sub-panel's fragments of the XML export: its outputs, its inputs and its BHU module.
#include "core/xml.h"
#include "elements/outputs/stos.h"
#include "elements/outputs/xrm.h"

namespace {

constexpr std::uint8_t grupaWejsc = 8;
constexpr std::uint8_t grupaWyjsc = 16;
constexpr int sprzetPlyty = 1; // outputs on the sub-panel's own board
constexpr int sprzetBhu = 2;   // outputs on the BHU module
constexpr int nrPu = 1;
constexpr int nrPk = 2;

std::uint32_t kanal(std::uint32_t klucz, int n) {
    return klucz | static_cast<std::uint32_t>(n) << 28;
}

} // namespace

void Xrm::xmlWyjscie(std::string& bufor, std::uint32_t klucz, int rodzajSprzetu, int nr, int typ,
                     int wariant, int podnumer, bool strefy) const {
    bufor += "<output>";
    dopiszIdXML(bufor, klucz);
    dopiszXML(bufor, "hardware_type", rodzajSprzetu);
    dopiszXML(bufor, "nr", nr);
    dopiszXML(bufor, "type", typ);
    dopiszXML(bufor, "variant", wariant);
    if (strefy) {
        bufor += "<zones>";
        for (const auto& [strefa, centrala] : podajPrzypisania(podnumer)) {
            bufor += "<zone>";
            dopiszXML(bufor, "zone_nr", strefa);
            dopiszXML(bufor, "control_panel_nr", centrala);
            bufor += "</zone>";
        }
        bufor += "</zones>";
    }
    bufor += "</output>";
}

void Xrm::xmlWejscie(std::string& bufor, const XrmWejscie& w) const {
    const int wariant = w.podajWariant();
    bufor += "<input>";
    dopiszIdXML(bufor, kanal(podajKlucz(), w.podajNumer()));
    dopiszXML(bufor, "nr", w.podajNumer());
    dopiszXML(bufor, "variant", wariant);
    switch (wariant) {
    case XrmWejscie::wariantAlarmuTechnicznego:
        dopiszTekstXML(bufor, "fault_message", w.podajKomunikatUszkodzenia());
        dopiszTekstXML(bufor, "tech_alarm_message", w.podajKomunikatAlarmu());
        break;
    case XrmWejscie::wariantPozarowy:
        dopiszXML(bufor, "zone", w.podajStrefe());
        dopiszTekstXML(bufor, "fault_message", w.podajKomunikatUszkodzenia());
        break;
    case XrmWejscie::wariantKontroli:
        dopiszTekstXML(bufor, "tech_alarm_message", w.podajKomunikatAlarmu());
        break;
    default:
        break;
    }
    bufor += "</input>";
}

void Xrm::zapiszXML(std::string& bufor, std::uint8_t grupy) {
    if (!czyZadeklarowany()) return;
    const std::uint32_t klucz = podajKlucz();
    if ((grupy & grupaWyjsc) != 0) {
        if (wyjsciePu != 0)
            xmlWyjscie(bufor, klucz, sprzetPlyty, nrPu, wyjsciePu, wariantPu, 0, false);
        if (pk.podajTyp() > 0)
            xmlWyjscie(bufor, klucz, sprzetPlyty, nrPk, pk.podajTyp(), pk.podajWariant(),
                       podnumerPk, pk.trybPrzypisania() == Stos::trybStrefy);
    }
    if ((grupy & grupaWejsc) != 0) {
        for (const XrmWejscie& w : lk)
            if (w.podajWariant() > 0) xmlWejscie(bufor, w);
    }
    if ((grupy & grupaWyjsc) != 0 && bhu.czyObecny()) {
        bufor += "<module>";
        dopiszIdXML(bufor, klucz);
        for (int n = 1; n <= XrmBhu::liczbaWyjsc; ++n) {
            const XrmWyjscie& w = bhu.wyjscie(n);
            if (w.podajWariant() == 0) continue;
            xmlWyjscie(bufor, kanal(klucz, n), sprzetBhu, n, w.podajTyp(), w.podajWariant(),
                       podnumerPierwszegoLs + n - 1, w.trybPrzypisania() == Stos::trybStrefy);
        }
        bufor += "</module>";
    }
}
