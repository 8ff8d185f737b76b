// Finding the panel: the monitored ports are tried in turn, each pass over the list at one
// speed and the next at the other, until a port gives three good connection ticks in a row or
// too many attempts have failed. The state of the connection window without the window: its
// owner calls `tik` once a second (and the engine's retry tick on its own timer).
#pragma once

#include <string>
#include <vector>

class PortRS;
class Transmisja;

class Laczenie {
public:
    enum class Wynik { trwa, polaczono, niepowodzenie };

    Laczenie(Transmisja& t, PortRS& p) : transmisja(t), port(p) {}

    // The window is shown: the monitored list, the counters back to the start, the engine's
    // error counters cleared with `blad` set.
    void rozpocznij(std::vector<std::string> porty);

    // The port settings window's choice: that port (and, when given, that speed) on every
    // attempt, the failure count started afresh.
    void ustalWybranyPort(const std::string& nazwa);
    void ustalWybranaPredkosc(const std::string& predkosc);
    // The monitored list becomes the chosen port alone.
    void ograniczListe();
    void wznowLaczenie();

    // One connection-timer tick.
    Wynik tik();

    // After `niepowodzenie` (and after each failed attempt): the engine's error code and the
    // number of the text that says it.
    int podajKodBledu() const { return kodBledu; }
    int podajTekstBledu() const { return tekstBleduLaczenia(kodBledu); }
    static int tekstBleduLaczenia(int kod);

    const std::vector<std::string>& podajPorty() const { return porty; }
    int podajLiczbePoprawnych() const { return liczbaPoprawnych; }
    int podajLiczbeNiepowodzen() const { return liczbaNiepowodzen; }
    int podajNrPortu() const { return nrPortu; }
    bool czyNastepnyPort() const { return nastepnyPort != 0; }

private:
    void otworzNastepny();
    int limitNiepowodzen() const { return 6 * static_cast<int>(porty.size()); }

    Transmisja& transmisja;
    PortRS& port;
    std::vector<std::string> porty;
    int liczbaPoprawnych = 0;
    int liczbaNiepowodzen = 0;
    int nastepnyPort = 0;
    int nrPortu = 0;
    std::string wybranyPort = "0";
    std::string wybranaPredkosc = "0";
    int kodBledu = 0;
};
