// The command line of the panel simulator.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/obsluga_zadan.h"

namespace sim {

struct OpcjeSymulatora {
    UstawieniaPanelu panel;
    bool modelPodany = false;
    std::string plik; // configuration to preload, empty: the model's empty one
    bool tempoLinii = false;
    int predkosc = 19200;
    bool gadatliwy = false;
    bool pomoc = false;
};

extern const char* const opisUzycia;

// The panel type of a model name ("7800" ...), 0 for none.
int typModelu(const std::string& model);

// Reads the arguments (without the program name) into `opcje`; a message for the first one that
// is unknown, lacks its value or has a value out of range.
std::optional<std::string> czytajOpcje(const std::vector<std::string>& argumenty,
                                       OpcjeSymulatora& opcje);

} // namespace sim
