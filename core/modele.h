// The panel models and the generic root used until a model is chosen. Each fixes its type,
// signature, display name and the size of every kind in the element table.
#pragma once

#include <memory>
#include <string_view>

#include "core/centrala.h"

class MerakSys : public Centrala {
public:
    MerakSys();
    void ustawRozmiary() override;
    std::string podajNazweCentrali() const override { return {}; }
};

class Merak7600 : public Centrala {
public:
    Merak7600();
    void ustawRozmiary() override;
    std::string podajNazweCentrali() const override;
};

class Merak7800 : public Centrala {
public:
    Merak7800();
    void ustawRozmiary() override;
    std::string podajNazweCentrali() const override;
};

// Shown as the 7400 everywhere in the user interface.
class Merak7500 : public Centrala {
public:
    Merak7500();
    void ustawRozmiary() override;
    std::string podajNazweCentrali() const override;
};

class Merak7200 : public Centrala {
public:
    Merak7200();
    void ustawRozmiary() override;
    std::string podajNazweCentrali() const override;
};

// The panel type a file signature names, -1 for none.
int typZSygnatury(std::string_view sygnatura);

// The root of a panel type: 3, 4, 5 or 6 give a model, 0 the generic root, anything else none.
std::unique_ptr<Centrala> utworzCentrale(int typ);
