// What the configuration core asks of the user interface: modal questions and messages, and the
// timers the core must stop while it replaces the configuration. The windows implement it; tests
// script it. Texts are in the active language's code page.
#pragma once

#include <string>

// The user's answer to a record that was refused while a configuration was read.
enum class WyborBleduDanych {
    ponow,   // try the same block again (panel transfer only)
    pomin,   // go on with the next block; the object keeps what it took
    zakoncz, // stop reading at once
};

class Otoczenie {
public:
    virtual ~Otoczenie() = default;

    // Confirmation with Yes and No; true for Yes.
    virtual bool pytanie(const std::string& tekst) = 0;
    // Error window with an OK button.
    virtual void blad(const std::string& tekst) = 0;
    // Plain message window.
    virtual void komunikat(const std::string& tekst) = 0;
    // The file error window: wrong checksum, signature or version stamp, or a damaged file.
    virtual void bladPliku() = 0;
    // The data error window for the object at a table index whose record was refused at field
    // `kod`; `zPonowieniem` offers "try again" too (the panel transfer's instance).
    virtual WyborBleduDanych bladDanych(int indeks, const std::string& nazwa, int kod,
                                        bool zPonowieniem) = 0;

    // The main window's refresh timer and the protocol engine's retry timer.
    virtual void zatrzymajOdswiezanie() {}
    virtual void wznowOdswiezanie() {}
    virtual void zatrzymajPonawianie() {}
    virtual void wznowPonawianie() {}
    // Panel label and menus of the main window after the model or the language changed.
    virtual void odswiezOknoGlowne() {}
};

// Used where nobody can be asked: every question is answered No, messages go nowhere.
class OtoczenieBezOkien : public Otoczenie {
public:
    bool pytanie(const std::string&) override { return false; }
    void blad(const std::string&) override {}
    void komunikat(const std::string&) override {}
    void bladPliku() override {}
    WyborBleduDanych bladDanych(int, const std::string&, int, bool) override {
        return WyborBleduDanych::zakoncz;
    }
};
