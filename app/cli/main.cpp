// panelcfg-cli: the configuration tool's file, report and panel jobs without windows.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/otoczenie_terminala.h"
#include "app/cli/polecenia_centrali.h"
#include "app/cli/wspolne.h"
#include "app/cli/zakresy.h"
#include "core/centrala.h"
#include "core/element_systemu.h"
#include "core/globalne.h"
#include "core/modele.h"
#include "core/plik_konfiguracji.h"
#include "core/uruchomienie.h"
#include "core/zmiana_centrali.h"
#include "elements/outputs/stos.h"
#include "lang/kodowanie.h"
#include "lang/language.h"
#include "platform/pliki.h"
#include "report/csv.h"
#include "report/eksport_xml.h"
#include "report/flagi_wydruku.h"
#include "report/kontrola.h"
#include "report/porownanie.h"
#include "report/wydruk.h"
#include "report/zapis_wydruku.h"

namespace {

const char* const pomoc =
    "usage: panelcfg-cli COMMAND [ARGUMENTS] [--lang NAME]\n"
    "\n"
    "commands:\n"
    "  new --model MODEL -o FILE   write an empty configuration of a model\n"
    "  info FILE                   model, version stamp, checksum and objects in use per kind\n"
    "  check FILE                  exit 0 when the file is valid; otherwise list every refused\n"
    "                              record (table index, object, refused field) and exit 1\n"
    "  xml FILE -o OUT.xml         write the XML export\n"
    "  print FILE -o OUT.txt [--kinds K1,K2,...] [--all]\n"
    "                              write the printout as a text file; by default every kind is\n"
    "                              listed with its used objects only, --all lists all of them\n"
    "  diff A.ctr B.ctr [-o REPORT.txt]\n"
    "  diff --port PORT FILE [-o REPORT.txt]\n"
    "                              what differs between two configurations of one model (the\n"
    "                              panel's, read first, and the file's); exit 0 when identical,\n"
    "                              1 when they differ\n"
    "  lint FILE [--format text|tsv] [--strict]\n"
    "                              findings that need a look before writing to a panel; exit 1\n"
    "                              on an error (with --strict also on a warning)\n"
    "  csv FILE --what devices|zones -o OUT.csv\n"
    "                              the declared devices or the zones as UTF-8 CSV\n"
    "  layout --model MODEL        where each kind starts in the element table of a model\n"
    "\n"
    "panel commands (the panel is looked for on PORT, e.g. ttyUSB0 or pts/3, or on every\n"
    "listed port with --port auto; at --speed 9600|19200, else at both in turn):\n"
    "  read --port PORT -o FILE    read the whole configuration and save it\n"
    "  write --port PORT FILE [--kinds K1,K2,...]\n"
    "                              write the configuration (or the kinds named); refused when\n"
    "                              the panel is another model than the file's\n"
    "  events --port PORT [--alarms] [--first N --last M] [-o OUT.txt] [--xml OUT.xml]\n"
    "                              read the event memory (events counted from the newest, 1 =\n"
    "                              newest) or the alarm memory and write the listing (to\n"
    "                              standard output without -o and --xml) and its XML\n"
    "\n"
    "MODEL is 7800, 7400, 7600, 7200 or generic. --lang NAME takes the language library\n"
    "NAME_Lang.dll from the program's folder (default: polish, built in).\n"
    "Kinds: elements, zones, wio, wou, wmi, hrn, hva, xgn, xgn300, pk, ls, lk, blc, xrm.\n"
    "Exit codes: 0 done, 1 invalid input or data, 2 wrong usage, 3 communication failure.\n";

void wypiszZakres(const char* rodzaj, int pierwszy, int liczba) {
    std::printf("  %-22s %5d %5d\n", rodzaj, pierwszy, liczba);
}

int layout(OtoczenieTerminala& o, const Argumenty& a) {
    const int typ = a.opcje.count("--model") ? typModelu(a.opcje.at("--model")) : -1;
    if (typ < 0 || !a.pliki.empty())
        return uzycie("layout needs --model 7800|7400|7600|7200|generic");
    if (!przygotuj(o, a, typ)) return wynikBledneDane;
    const Centrala& c = *biezacaCentrala;
    std::printf("%s  (signature %s)\n", nazwaModelu(c).c_str(), c.podajSygnature().c_str());
    std::printf("  %-22s %5s %5s\n", "kind", "first", "count");
    for (const auto& z : zakresyRodzajow(c)) wypiszZakres(z.opis, z.pierwszy, z.liczba);
    std::printf("  %-22s %5d\n", "objects in the table", c.liczbaElementowSystemu);
    std::printf("  %-22s %5d\n", "highest network panel", c.maksNrCentrali);
    return wynikGotowe;
}

int nowy(OtoczenieTerminala& o, const Argumenty& a) {
    const int typ = a.opcje.count("--model") ? typModelu(a.opcje.at("--model")) : -1;
    if (typ < 0 || !a.opcje.count("-o") || !a.pliki.empty())
        return uzycie("new needs --model 7800|7400|7600|7200|generic and -o FILE");
    if (!przygotuj(o, a, typ)) return wynikBledneDane;
    return zapiszKonfiguracje(a.opcje.at("-o"), o) == WynikPliku::ok ? wynikGotowe
                                                                     : wynikBledneDane;
}

int info(OtoczenieTerminala& o, const Argumenty& a) {
    if (a.pliki.size() != 1) return uzycie("info needs one FILE");
    o.cichy = true;
    WynikPliku wynik;
    if (!wczytaj(o, a, wynik)) return wynikBledneDane;
    const auto dane = platform::czytajPlik(a.pliki[0]);
    const Centrala& c = *biezacaCentrala;
    std::printf("file: %s\nmodel: %s (signature %s)\n", a.pliki[0].c_str(), nazwaModelu(c).c_str(),
                c.podajSygnature().c_str());
    std::printf("version stamp: %s\n",
                dane && dane->size() >= 13
                    ? std::string(dane->begin() + 9, dane->begin() + 13).c_str()
                    : "-");
    std::printf("checksum: %s\n", sprawdzSumeKontrolna(a.pliki[0]) == 0 ? "correct" : "WRONG");
    if (wynik != WynikPliku::ok) std::printf("records: not all could be read (see check)\n");
    // An object is in use when it appears in the XML export.
    std::printf("objects in use:\n");
    for (const auto& z : zakresyRodzajow(c)) {
        int wUzyciu = 0;
        for (int i = z.pierwszy; i < z.pierwszy + z.liczba; ++i) {
            std::string fragment;
            c.tablicaElementow[i]->zapiszXML(fragment, 0x1F);
            if (!fragment.empty()) ++wUzyciu;
        }
        std::printf("  %-22s %5d of %d\n", z.opis, wUzyciu, z.liczba);
    }
    std::printf("  %-22s %5d\n", "assignments", c.stos->podajLiczbeWpisow());
    return wynik == WynikPliku::ok ? wynikGotowe : wynikBledneDane;
}

int check(OtoczenieTerminala& o, const Argumenty& a) {
    if (a.pliki.size() != 1) return uzycie("check needs one FILE");
    o.cichy = true;
    WynikPliku wynik;
    if (!wczytaj(o, a, wynik)) return wynikBledneDane;
    for (const auto& r : o.odmowy)
        std::printf("%d\t%s\tfield %d\n", r.indeks, r.nazwa.c_str(), r.kod);
    if (wynik == WynikPliku::ok && o.odmowy.empty()) {
        std::printf("%s: valid\n", a.pliki[0].c_str());
        return wynikGotowe;
    }
    return wynikBledneDane;
}

int xml(OtoczenieTerminala& o, const Argumenty& a) {
    if (a.pliki.size() != 1 || !a.opcje.count("-o")) return uzycie("xml needs FILE and -o OUT.xml");
    o.cichy = true;
    if (!wczytajCaly(o, a)) return wynikBledneDane;
    if (eksportujXML(a.opcje.at("-o"), {}, &o) != WynikZapisu::ok) {
        OtoczenieTerminala::wypisz("cannot write " + a.opcje.at("-o"));
        return wynikBledneDane;
    }
    return wynikGotowe;
}

// The printout choice from --kinds and --all; false for an unknown kind name.
bool wyborWydruku(const Argumenty& a, WyborWydruku& w) {
    std::vector<std::string> rodzaje = {"elements", "zones",  "wio", "wou", "wmi", "hrn", "hva",
                                        "xgn",      "xgn300", "pk",  "ls",  "lk",  "blc", "xrm"};
    if (a.opcje.count("--kinds")) rodzaje = nazwyZListy(a.opcje.at("--kinds"));
    const std::map<std::string, WyborRodzaju*> pary = {
        {"zones", &w.strefy}, {"wio", &w.wio}, {"wou", &w.wou}, {"wmi", &w.wmi},
        {"hrn", &w.hrn},      {"hva", &w.hva}, {"xgn", &w.xgn}, {"xgn300", &w.xgn30}};
    const std::map<std::string, bool*> pojedyncze = {
        {"elements", &w.elementyLiniowe}, {"pk", &w.pk}, {"ls", &w.ls}, {"lk", &w.lk}};
    for (const auto& r : rodzaje) {
        if (pary.count(r)) {
            pary.at(r)->zaznaczony = true;
            pary.at(r)->wszystkie = a.flagaAll;
        } else if (pojedyncze.count(r)) {
            *pojedyncze.at(r) = true;
        } else if (r != "blc" && r != "xrm") { // those two are never printed
            OtoczenieTerminala::wypisz("unknown kind " + r);
            return false;
        }
    }
    return true;
}

int print(OtoczenieTerminala& o, const Argumenty& a) {
    if (a.pliki.size() != 1 || !a.opcje.count("-o"))
        return uzycie("print needs FILE and -o OUT.txt");
    WyborWydruku wybor;
    if (!wyborWydruku(a, wybor)) return wynikUzycie;
    o.cichy = true;
    if (!wczytajCaly(o, a)) return wynikBledneDane;
    ustalFlagiDrukowania(wybor);
    const auto raport = zlozRaport(*biezacaCentrala);
    if (!raport || zapiszRaport(a.opcje.at("-o"), *raport) != WynikZapisu::ok) {
        OtoczenieTerminala::wypisz("cannot write " + a.opcje.at("-o"));
        return wynikBledneDane;
    }
    return wynikGotowe;
}

int lint(OtoczenieTerminala& o, const Argumenty& a) {
    const std::string format = a.opcje.count("--format") ? a.opcje.at("--format") : "text";
    if (a.pliki.size() != 1 || (format != "text" && format != "tsv"))
        return uzycie("lint needs one FILE and --format text or tsv");
    o.cichy = true;
    if (!wczytajCaly(o, a)) return wynikBledneDane;
    const auto uwagi = sprawdzKonfiguracje(*biezacaCentrala);
    const int zapis =
        wypiszWynik(a, format == "tsv" ? uwagiTsv(uwagi) : uwagiTekstem(uwagi), false);
    if (zapis != wynikGotowe) return zapis;
    return czySaBledy(uwagi, a.flagaStrict) ? wynikBledneDane : wynikGotowe;
}

int csv(OtoczenieTerminala& o, const Argumenty& a) {
    const std::string co = a.opcje.count("--what") ? a.opcje.at("--what") : "";
    if (a.pliki.size() != 1 || !a.opcje.count("-o") || (co != "devices" && co != "zones"))
        return uzycie("csv needs FILE, --what devices|zones and -o OUT.csv");
    o.cichy = true;
    if (!wczytajCaly(o, a)) return wynikBledneDane;
    return wypiszWynik(
        a, co == "devices" ? csvElementow(*biezacaCentrala) : csvStref(*biezacaCentrala), true);
}

int diff(OtoczenieTerminala& o, const Argumenty& a) {
    const bool zCentrali = a.opcje.count("--port") != 0;
    if (a.pliki.size() != (zCentrali ? 1u : 2u))
        return uzycie("diff needs two files A.ctr B.ctr, or --port PORT and one FILE");
    o.cichy = true;
    if (zCentrali) {
        // The panel's configuration is A: a file that cannot be read fails before the line
        // is used.
        if (typPliku(a.pliki[0]) < 0) return wynikBledneDane;
        if (const int w = odczytajZCentrali(o, a); w != wynikGotowe) return w;
    } else {
        Argumenty pierwszy = a;
        pierwszy.pliki = {a.pliki[0]};
        if (!wczytajCaly(o, pierwszy)) return wynikBledneDane;
    }
    auto druga = wczytajDruga(o, a.pliki.back());
    if (!druga) return wynikBledneDane;
    const Porownanie p = porownajKonfiguracje(*biezacaCentrala, *druga);
    if (p.wynik == Porownanie::Wynik::inneModele) {
        OtoczenieTerminala::wypisz(naUtf8(p.raport, jezyk->podajStroneKodowa()));
        return wynikUzycie;
    }
    const int zapis = wypiszWynik(a, p.raport, false);
    if (zapis != wynikGotowe) return zapis;
    return p.wynik == Porownanie::Wynik::identyczne ? wynikGotowe : wynikBledneDane;
}

// Options that take a value, and the commands.
const std::vector<std::string> opcjeZWartoscia = {"--lang",   "--model", "-o",     "--kinds",
                                                  "--format", "--what",  "--port", "--speed",
                                                  "--first",  "--last",  "--xml"};

bool parsuj(int argc, char** argv, Argumenty& a, std::string& blad) {
    for (int i = 1; i < argc; ++i) {
        const std::string s = argv[i];
        if (std::find(opcjeZWartoscia.begin(), opcjeZWartoscia.end(), s) != opcjeZWartoscia.end()) {
            if (i + 1 >= argc) {
                blad = s + " needs a value";
                return false;
            }
            a.opcje[s] = argv[++i];
        } else if (s == "--all") {
            a.flagaAll = true;
        } else if (s == "--strict") {
            a.flagaStrict = true;
        } else if (s == "--alarms") {
            a.flagaAlarms = true;
        } else if (s.size() > 1 && s[0] == '-') {
            blad = "unknown option " + s;
            return false;
        } else if (a.polecenie.empty()) {
            a.polecenie = s;
        } else {
            a.pliki.push_back(s);
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(pomoc, stdout);
            return wynikGotowe;
        }
    }
    Argumenty a;
    std::string blad;
    if (!parsuj(argc, argv, a, blad)) return uzycie(blad);
    using Polecenie = int (*)(OtoczenieTerminala&, const Argumenty&);
    const std::map<std::string, Polecenie> polecenia = {
        {"layout", layout}, {"new", nowy},    {"info", info},   {"check", check},
        {"xml", xml},       {"print", print}, {"lint", lint},   {"csv", csv},
        {"diff", diff},     {"read", odczyt}, {"write", zapis}, {"events", zdarzenia}};
    const auto it = polecenia.find(a.polecenie);
    if (it == polecenia.end())
        return uzycie(a.polecenie.empty() ? "no command given" : "unknown command " + a.polecenie);
    OtoczenieTerminala o;
    const int wynik = it->second(o, a);
    zakoncz();
    return wynik;
}
