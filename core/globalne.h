// The process-wide objects, each reached through one pointer, created at start-up and destroyed
// at exit.
#pragma once

class Centrala;
class Language;
class PamiecZdarzen;
class Plik;
class PortRS;
class Transmisja;

extern Centrala* biezacaCentrala;
extern Language* jezyk;
extern Plik* plik;
extern PamiecZdarzen* pamiecZdarzen;
extern PortRS* portRS;
extern Transmisja* transmisja;
