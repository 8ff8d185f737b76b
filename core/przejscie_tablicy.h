// Walking the element table block by block: the order shared by file save and read, the panel
// transfer and the XML export. Objects of several blocks are visited again while they say so.
#pragma once

class Centrala;
class ElementSystemu;

class PrzejscieTablicy {
public:
    // Starts at the first line element, or at `od` when given, and stops before `do_` (default:
    // the end of the walked table); entries whose kind is not transferred are skipped.
    explicit PrzejscieTablicy(Centrala& centrala, int od = -1, int doIndeksu = -1);

    bool koniec() const { return indeks >= granica; }
    int podajIndeks() const { return indeks; }
    ElementSystemu& biezacy() const;
    // After one block of the current entry was processed: the same entry again when it has a
    // further block, else the next transferred entry.
    void dalej();

private:
    void pominNieprzesylane();

    Centrala& centrala;
    int indeks;
    int granica;
};
