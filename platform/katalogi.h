// Folders and file look-ups the program needs from the operating system.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Folder of the running executable, without a trailing separator.
std::string katalogProgramu();
// Current working folder, without a trailing separator.
std::string biezacyKatalog();
// Folder of the user's settings: $XDG_CONFIG_HOME/panelcfg, else ~/.config/panelcfg.
std::string katalogUstawien();

bool czyPlikIstnieje(const std::string& sciezka);

// Path of the file in the folder whose name equals `nazwa` ignoring letter case (exact match
// first); empty when there is none. File names on Windows ignore case, and language libraries
// are named that way.
std::string znajdzPlik(const std::string& katalog, const std::string& nazwa);

// Names of the files in the folder whose name ends with `koncowka`, ignoring letter case, in the
// order the folder lists them.
std::vector<std::string> plikiZKoncowka(const std::string& katalog, const std::string& koncowka);

// The folder of a file path ("." for a bare name).
std::string katalogPliku(const std::string& sciezka);

// Joins a folder and a file name with the platform's separator.
std::string polacz(const std::string& katalog, const std::string& nazwa);

} // namespace platform
