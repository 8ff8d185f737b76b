// What the configuration core asks of the user interface: modal questions and messages, and the
// timers the core must stop while it replaces the configuration. The windows implement it; tests
// script it. Texts are in the active language's code page.
#pragma once

#include <string>

class Otoczenie {
public:
    virtual ~Otoczenie() = default;

    // Confirmation with Yes and No; true for Yes.
    virtual bool pytanie(const std::string& tekst) = 0;
    // Error window with an OK button.
    virtual void blad(const std::string& tekst) = 0;
    // Plain message window.
    virtual void komunikat(const std::string& tekst) = 0;

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
};
