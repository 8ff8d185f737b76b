// The process-wide objects, each reached through one pointer, created at start-up and destroyed
// at exit.
#pragma once

class Centrala;
class Language;
class Plik;

extern Centrala* biezacaCentrala;
extern Language* jezyk;
extern Plik* plik;
