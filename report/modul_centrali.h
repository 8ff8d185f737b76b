// The module of the XML export that describes the control panel itself: its type, the lines of
// its declared line packages, its declared extension packages, and its own control lines, signal
// lines and relays in use.
#pragma once

#include <string>

class Centrala;

// The whole "<module>...</module>" of the panel, appended to `bufor`.
void dopiszModulCentrali(std::string& bufor, const Centrala& centrala);
