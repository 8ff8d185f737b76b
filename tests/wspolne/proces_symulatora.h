// The panel simulator run as its own process: started with its arguments, its port name read
// from its first line, killed at the end.
#pragma once

#include <chrono>
#include <csignal>
#include <string>
#include <vector>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

class Symulator {
public:
    explicit Symulator(std::vector<std::string> argumenty) {
        argumenty.insert(argumenty.begin(), SCIEZKA_SYMULATORA);
        std::vector<char*> argv;
        for (std::string& a : argumenty) argv.push_back(a.data());
        argv.push_back(nullptr);
        int rura[2];
        if (::pipe(rura) != 0) return;
        posix_spawn_file_actions_t akcje;
        posix_spawn_file_actions_init(&akcje);
        posix_spawn_file_actions_adddup2(&akcje, rura[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&akcje, rura[0]);
        posix_spawn_file_actions_addclose(&akcje, rura[1]);
        if (posix_spawn(&pid, argv[0], &akcje, nullptr, argv.data(), environ) != 0) pid = -1;
        posix_spawn_file_actions_destroy(&akcje);
        ::close(rura[1]);
        wyjscie = rura[0];
    }
    ~Symulator() {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
        if (wyjscie >= 0) ::close(wyjscie);
    }

    // The first line on stdout, empty when none came in time.
    std::string pierwszaLinia(std::chrono::milliseconds limit = std::chrono::seconds(30)) {
        std::string linia;
        const auto koniec = std::chrono::steady_clock::now() + limit;
        char z = 0;
        while (std::chrono::steady_clock::now() < koniec) {
            pollfd p{wyjscie, POLLIN, 0};
            if (::poll(&p, 1, 100) <= 0) continue;
            if (::read(wyjscie, &z, 1) != 1 || z == '\n') break;
            linia += z;
        }
        return linia;
    }

    // The exit code, or -1 when the process did not end normally in time.
    int czekajNaKoniec(std::chrono::milliseconds limit = std::chrono::seconds(30)) {
        const auto koniec = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < koniec) {
            int stan = 0;
            if (::waitpid(pid, &stan, WNOHANG) == pid) {
                pid = -1;
                return WIFEXITED(stan) ? WEXITSTATUS(stan) : -1;
            }
            ::usleep(10000);
        }
        return -1;
    }

    pid_t pid = -1;
    int wyjscie = -1;
};
