#include "sim/opcje.h"

#include <charconv>

namespace sim {

const char* const opisUzycia =
    "usage: merak-panel-sim [--model 7800|7400|7600|7200] [--firmware X.Y] [--events N]\n"
    "         [--alarms N] [--from FILE.ctr] [--locked] [--pace] [--speed 9600|19200]\n"
    "         [--drop N] [--bad-crc N] [--bad-type N] [--delay MS] [--vanish-after N]\n"
    "         [--verbose] [--help]\n"
    "Opens a pseudo-terminal, prints its port name on the first line and answers the panel\n"
    "protocol on it until SIGINT or SIGTERM.\n"
    "  --model         panel model (default 7800)\n"
    "  --firmware X.Y  firmware version in the identity reply, two digits (default 4.0)\n"
    "  --events N      stored events, 0..10000 (default 100)\n"
    "  --alarms N      stored alarms, 0..10000 (default 10)\n"
    "  --from FILE     preload the configuration of a .ctr file (its model unless --model)\n"
    "  --locked        refuse configuration writes (status 3)\n"
    "  --pace          hold replies back for the wire time at --speed (default 19200)\n"
    "  --drop N        no reply to every Nth block request\n"
    "  --bad-crc N     wrong checksum in every Nth block reply\n"
    "  --bad-type N    no panel type in every Nth block reply\n"
    "  --delay MS      hold every block reply back MS more milliseconds\n"
    "  --vanish-after N  the port vanishes after N answered block requests\n"
    "  --verbose       one line per request on stderr\n";

int typModelu(const std::string& model) {
    if (model == "7800") return 4;
    if (model == "7400") return 5;
    if (model == "7600") return 3;
    if (model == "7200") return 6;
    return 0;
}

namespace {

std::optional<int> liczba(const std::string& s, int od, int do_) {
    int v = 0;
    const char* koniec = s.data() + s.size();
    const auto [p, blad] = std::from_chars(s.data(), koniec, v);
    if (blad != std::errc() || p != koniec || s.empty() || v < od || v > do_) return std::nullopt;
    return v;
}

constexpr int maksLicznika = 1000000;
constexpr int maksOpoznienia = 600000;

} // namespace

std::optional<std::string> czytajOpcje(const std::vector<std::string>& a, OpcjeSymulatora& o) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::string& n = a[i];
        if (n == "--help") {
            o.pomoc = true;
            continue;
        }
        if (n == "--locked") {
            o.panel.zablokowana = true;
            continue;
        }
        if (n == "--pace") {
            o.tempoLinii = true;
            continue;
        }
        if (n == "--verbose") {
            o.gadatliwy = true;
            continue;
        }
        const bool zWartoscia = n == "--model" || n == "--firmware" || n == "--events" ||
                                n == "--alarms" || n == "--from" || n == "--speed" ||
                                n == "--drop" || n == "--bad-crc" || n == "--bad-type" ||
                                n == "--delay" || n == "--vanish-after";
        if (!zWartoscia) return "unknown option " + n;
        if (i + 1 >= a.size()) return n + " needs a value";
        const std::string& v = a[++i];
        const auto licznik = [&](int& cel, int od, int do_) -> std::optional<std::string> {
            const auto x = liczba(v, od, do_);
            if (!x)
                return n + " takes a whole number from " + std::to_string(od) + " to " +
                       std::to_string(do_) + ", not \"" + v + "\"";
            cel = *x;
            return std::nullopt;
        };
        std::optional<std::string> blad;
        if (n == "--model") {
            o.panel.typ = typModelu(v);
            if (o.panel.typ == 0)
                return "--model takes 7800, 7400, 7600 or 7200, not \"" + v + "\"";
            o.modelPodany = true;
        } else if (n == "--firmware") {
            const auto cyfra = [](char c) { return c >= '0' && c <= '9'; };
            if (v.size() != 3 || !cyfra(v[0]) || v[1] != '.' || !cyfra(v[2]))
                return "--firmware takes X.Y with two single digits, not \"" + v + "\"";
            o.panel.wersjaGlowna = v[0] - '0';
            o.panel.wersjaPoboczna = v[2] - '0';
        } else if (n == "--events") {
            blad = licznik(o.panel.liczbaZdarzen, 0, maksWpisowPamieci);
        } else if (n == "--alarms") {
            blad = licznik(o.panel.liczbaAlarmow, 0, maksWpisowPamieci);
        } else if (n == "--from") {
            if (v.empty()) return "--from needs a file name";
            o.plik = v;
        } else if (n == "--speed") {
            if (v != "9600" && v != "19200")
                return "--speed takes 9600 or 19200, not \"" + v + "\"";
            o.predkosc = v == "9600" ? 9600 : 19200;
        } else if (n == "--drop") {
            blad = licznik(o.panel.coIleBezOdpowiedzi, 1, maksLicznika);
        } else if (n == "--bad-crc") {
            blad = licznik(o.panel.coIleZlaSuma, 1, maksLicznika);
        } else if (n == "--bad-type") {
            blad = licznik(o.panel.coIleZlyTyp, 1, maksLicznika);
        } else if (n == "--delay") {
            int ms = 0;
            blad = licznik(ms, 0, maksOpoznienia);
            o.panel.opoznienie = std::chrono::milliseconds{ms};
        } else {
            blad = licznik(o.panel.zniknieciePo, 1, maksLicznika);
        }
        if (blad) return blad;
    }
    return std::nullopt;
}

} // namespace sim
