// The panel commands of the command-line tool: read, write and the event memory, each finding
// the panel on the named port (or every listed port) first.
#pragma once

#include "app/cli/wspolne.h"

int odczyt(OtoczenieTerminala& o, const Argumenty& a);
int zapis(OtoczenieTerminala& o, const Argumenty& a);
int zdarzenia(OtoczenieTerminala& o, const Argumenty& a);

// Starts the core and reads the whole configuration of the panel on --port into the current
// root, then disconnects; wynikGotowe or the exit code (with its message printed).
int odczytajZCentrali(OtoczenieTerminala& o, const Argumenty& a);
