// Laying printed lines out on pages; used by the configuration printout and the memory listing.
#pragma once

#include <vector>

// Height of one printed line in printer pixels: the font height for the printer's vertical
// resolution (rounded as the printer's own multiply-divide does) with 40% spacing; at least 1.
int wysokoscLinii(int rozmiarCzcionkiPkt, int pikseleNaCalPionowo);
// Lines per page: whole lines in the page height, less four.
int liniiNaStrone(int wysokoscStronyPiksele, int wysokoscLinii);

// Where one line is drawn: page (from 0) and row; the line's top is row × line height.
struct PolozenieLinii {
    int strona;
    int wiersz;
    bool operator==(const PolozenieLinii&) const = default;
};

// The first page carries its lines from row 3 and every further page from row 2, up to row L.
// A page too small for that (L below 3) still gets each line on a page of its own at row 2.
std::vector<PolozenieLinii> rozmiescLinie(int liniiNaStrone, int liczbaLinii);
