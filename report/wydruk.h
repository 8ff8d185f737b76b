// The configuration printout: one fixed-width table per kind, composed by walking the element
// table and asking every printed entry for its heading and rows.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class Centrala;
class ElementSystemu;

// Whether an element begins a new table after the previous printed one: names that agree in their
// first five characters (or in fewer, when one of them is shorter) continue the same table. An
// empty current name always begins one; an empty previous name never does.
bool czyNowaTabela(std::string_view poprzedniaNazwa, std::string_view nazwa);

// The report text: a line feed, then for each entry whose `czyDrukowac` is true its heading (the
// first printed entry, or after a line feed when a new table begins) and its rows. Nothing when
// the text cannot be held in memory; the window then shows text 363 instead.
std::optional<std::string> zlozRaport(std::span<ElementSystemu* const> elementy);
// The same over the table entries 0 .. `liczbaElementowSystemu` - 1.
std::optional<std::string> zlozRaport(const Centrala& centrala);

// The lines the window shows and the printer prints: the text cut at line feeds; what follows the
// last line feed is not a line.
std::vector<std::string> linieRaportu(std::string_view tekst);
