// What the command-line tool's commands share: the parsed arguments, exit codes, start-up with
// a language and a model, loading files and writing results.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/otoczenie_terminala.h"
#include "core/plik_konfiguracji.h"

class Centrala;

constexpr int wynikGotowe = 0;
constexpr int wynikBledneDane = 1;
constexpr int wynikUzycie = 2;
constexpr int wynikBladKomunikacji = 3;

struct Argumenty {
    std::string polecenie;
    std::vector<std::string> pliki;
    std::map<std::string, std::string> opcje;
    bool flagaAll = false;
    bool flagaStrict = false;
    bool flagaAlarms = false;
};

// Prints the complaint and answers wynikUzycie.
int uzycie(const std::string& co);

// Panel type of a model as the user names it; -1 when unknown.
int typModelu(const std::string& model);
std::string nazwaModelu(const Centrala& c);

// Starts the core, selects the language and makes the root the model of the given type.
bool przygotuj(OtoczenieTerminala& o, const Argumenty& a, int typ);

// The panel type a file's signature names; negative (with a message) when it names none or the
// file cannot be read.
int typPliku(const std::string& sciezka);

// Loads the first file named on the command line into a root of the model its signature names.
bool wczytaj(OtoczenieTerminala& o, const Argumenty& a, WynikPliku& wynik);

// As wczytaj, and the file must be read whole: otherwise a message and false.
bool wczytajCaly(OtoczenieTerminala& o, const Argumenty& a);

// The names of a comma-separated list ("zones,pk").
std::vector<std::string> nazwyZListy(const std::string& lista);

// A second configuration beside the current root: its own root of the file's model; none (with
// a message) when the file cannot be read whole.
std::unique_ptr<Centrala> wczytajDruga(OtoczenieTerminala& o, const std::string& sciezka);

// Writes text to the file named by -o (as it stands), or to standard output in UTF-8.
int wypiszWynik(const Argumenty& a, const std::string& tekst, bool juzUtf8);
