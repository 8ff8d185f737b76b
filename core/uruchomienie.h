// Start-up and shut-down of the process-wide objects, in their fixed order. Each object is
// created once and reached through its pointer in core/globalne.h.
#pragma once

class Otoczenie;

// Creates the generic root, the serial port (for "COM1", closed), the event memory, the language
// object ("polish") and the settings object, records the program folder, then builds the root's
// element table. `otoczenie` receives the language object's questions and messages and must outlive
// `zakoncz`.
void uruchom(Otoczenie& otoczenie);

// Closes the port and destroys the event memory, the port, the settings object and the language
// object, then the root with its table.
void zakoncz();
