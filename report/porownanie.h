// Comparing two configurations of one panel model: the objects whose records differ, shown with
// their printout rows from both sides, the assignment lists that differ, and a count per kind.
#pragma once

#include <string>

class Centrala;

struct Porownanie {
    enum class Wynik { identyczne, rozne, inneModele };
    Wynik wynik = Wynik::identyczne;
    // The report, in the current language's code page like the printout; for `inneModele` the
    // one line of the error.
    std::string raport;
};

// Each root is made the current one while its side is read; the previous current root is
// restored afterwards.
Porownanie porownajKonfiguracje(Centrala& a, Centrala& b);
