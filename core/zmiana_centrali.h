// Starting with, replacing and releasing the configuration root held by `biezacaCentrala`.
#pragma once

class Otoczenie;

// Replaces the root by the model of panel type 3, 4, 5 or 6 (the whole configuration is lost,
// after the user confirmed it when the current root is a model). Choosing the current type again
// does nothing; any other type only refreshes the main window.
void zmienTypCentrali(int typ, Otoczenie& otoczenie);

// Creates the generic root with its table when there is no root yet.
void utworzCentralePoczatkowa();
// Deletes the root and its table.
void usunCentrale();
