// panelcfg-cli run as a user runs it, from the tests of the tool.
#pragma once

#include <array>
#include <cstdio>
#include <string>

#include <sys/wait.h>

struct Wynik {
    int kod;
    std::string wyjscie; // standard output and standard error together
};

inline Wynik uruchom(const std::string& argumenty) {
    const std::string polecenie = std::string(PANELCFG_CLI) + " " + argumenty + " 2>&1";
    FILE* p = ::popen(polecenie.c_str(), "r");
    Wynik w{-1, {}};
    if (p == nullptr) return w;
    std::array<char, 4096> bufor;
    std::size_t n;
    while ((n = std::fread(bufor.data(), 1, bufor.size(), p)) > 0)
        w.wyjscie.append(bufor.data(), n);
    const int status = ::pclose(p);
    w.kod = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return w;
}
