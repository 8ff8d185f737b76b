#include "core/globalne.h"

Centrala* biezacaCentrala = nullptr;
Language* jezyk = nullptr;
Plik* plik = nullptr;
PamiecZdarzen* pamiecZdarzen = nullptr;
PortRS* portRS = nullptr;
Transmisja* transmisja = nullptr;
