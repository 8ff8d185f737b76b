// Every source of the assignment stack of a configuration, in the stack's walk order, with the
// table object that owns it and its current assignment mode: what the review tools go through
// when they look at assignments.
#pragma once

#include <string>
#include <vector>

#include "elements/outputs/stos.h"

class Centrala;

struct ZrodloPrzypisan {
    Stos::Klucz klucz;
    int indeksTablicy = 0; // the owning object in the element table
    int tryb = 0;          // current assignment mode; 0 takes no assignments
    std::string etykieta;  // as the stack's progress description names the source
};

// Reads the objects of `c`; the texts come from the current language.
std::vector<ZrodloPrzypisan> zrodlaPrzypisan(const Centrala& c);
// The key's entries in the stack of `c` (empty when the root has no stack).
std::vector<std::pair<int, int>> wpisyZrodla(const Centrala& c, const Stos::Klucz& k);

// Makes `c` the current root for as long as it lives: the kinds read the model's counts and the
// other records of their own configuration through the process-wide root.
class CentralaNaCzas {
public:
    explicit CentralaNaCzas(Centrala& c);
    ~CentralaNaCzas();
    CentralaNaCzas(const CentralaNaCzas&) = delete;
    CentralaNaCzas& operator=(const CentralaNaCzas&) = delete;

private:
    Centrala* poprzednia;
};
