// The configuration check: findings about a configuration that the editors let through but
// that the panel or the commissioning engineer would trip over, one finding per line.
#pragma once

#include <string>
#include <vector>

class Centrala;

struct Uwaga {
    enum class Waga { blad, ostrzezenie };
    Waga waga = Waga::ostrzezenie;
    std::string regula; // rule id, the same in every language
    int indeks = 0;     // index of the object in the element table
    std::string obiekt; // the object's display name
    std::string komunikat;
};

// Every finding about `c`, in table order within each rule. `c` is made the current root while
// the check runs; the texts are in the current language's code page.
std::vector<Uwaga> sprawdzKonfiguracje(Centrala& c);

// One line per finding: severity, rule, index, object, message; then a closing count line.
std::string uwagiTekstem(const std::vector<Uwaga>& uwagi);
// One tab-separated line per finding with the same five fields, no heading; tabs and line breaks
// inside fields become blanks.
std::string uwagiTsv(const std::vector<Uwaga>& uwagi);
// Whether the check failed: any error, or in strict mode any finding.
bool czySaBledy(const std::vector<Uwaga>& uwagi, bool scisle);
