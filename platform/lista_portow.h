// The serial ports offered for connecting: the serial devices the kernel reports, then the ports
// that running panel simulators have announced. Names are device paths below /dev ("ttyUSB0",
// "pts/3").
#pragma once

#include <string>
#include <vector>

namespace platform {

// Where the list is looked for; tests point it at folders of their own.
struct MiejscaPortow {
    std::string dev = "/dev";
    std::string klasaTty = "/sys/class/tty";
    std::string ogloszenia; // empty: katalogOgloszenPortow()
};

// Kernel devices (ttyS*, ttyUSB*, ttyACM* backed by hardware), in natural order, then announced
// ports whose device still exists and whose announcing process still runs, in natural order.
// Announcements of vanished ports are removed.
std::vector<std::string> listaPortow(const MiejscaPortow& miejsca = {});

// The per-user folder of announcements: $XDG_RUNTIME_DIR/panelcfg/ports, else
// /tmp/panelcfg-<uid>/ports.
std::string katalogOgloszenPortow();

// For a simulator: announces the port `nazwa` of this process in `katalog` (empty: the user's
// folder, created private when missing). Returns the announcement file to pass to
// `wycofajPort`, or empty when the name is not a valid port name or nothing could be written.
// The file holds the port name on its first line and the process id on its second.
std::string ogloszPort(const std::string& nazwa, const std::string& katalog = {});
void wycofajPort(const std::string& plikOgloszenia);

// A name below /dev of at most 15 characters, made of letters, digits, '_', '-', '.' and '/',
// with no empty, "." or ".." part.
bool czyPoprawnaNazwaPortu(const std::string& nazwa);

} // namespace platform
