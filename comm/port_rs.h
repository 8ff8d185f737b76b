// The serial port to the panel and the five events that drive the communication worker. One
// instance lives for the whole run (`portRS`); it knows nothing about frames.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>

#include "core/otoczenie.h"
#include "platform/urzadzenie_szeregowe.h"
#include "platform/zdarzenie.h"

class PortRS {
public:
    // Event indexes.
    static constexpr int odbiorGotowy = 0;   // a read ended (data or time-out)
    static constexpr int nadanieGotowe = 1;  // a write completed
    static constexpr int rezerwa = 2;        // nobody signals it
    static constexpr int zadanieWysylki = 3; // build and send the next (or the same) frame
    static constexpr int koniecPracy = 4;    // end the communication worker
    static constexpr int liczbaZdarzen = 5;

    static constexpr std::size_t rozmiarBufora = 256;
    static constexpr int maksDlugoscNazwy = 15; // "ttyUSB10", "pts/12"
    static constexpr const char* prefiksSciezki = "/dev/";
    static constexpr int maksZadanBezNadania = 10; // more send requests than this: port failure

    // Answers of `czekaj` besides an event index.
    static constexpr int bladCzekania = platform::kBladCzekania;
    static constexpr int czasMinal = platform::kCzasMinal;

    explicit PortRS(const char* nazwa);
    ~PortRS();
    PortRS(const PortRS&) = delete;
    PortRS& operator=(const PortRS&) = delete;

    // Where the configuration error messages are shown; none means nowhere.
    void ustalOtoczenie(Otoczenie* o) { otoczenie = o; }

    // The device path is the prefix and the first maksDlugoscNazwy characters of the name.
    void ustalNazwePortu(const char* nazwa);
    const char* podajNazwePortu() const { return sciezka.data() + dlugoscPrefiksu; }
    const char* podajSciezke() const { return sciezka.data(); }
    // Length of the port field of the settings file.
    int podajDlugoscNazwy() const { return 4; }

    // Takes effect at the next ustawKonfiguracje.
    void ustalPredkosc(int baud) { dcb.predkosc = static_cast<std::uint32_t>(baud); }
    std::string podajPredkosc() const { return std::to_string(dcb.predkosc); }

    // 0, or 1 when the device cannot be opened (the port is closed then). An open port is
    // closed first.
    int otworzPort();
    void zamknijPort();
    bool czyOtwarty() const { return uchwyt.czyOtwarte(); }

    // Apply the line settings / the time-outs to the open port; a failure shows a message with
    // the system error number and answers false, leaving the port open.
    bool ustawKonfiguracje();
    bool ustawTimeouty();
    // The time-outs in force on the open port (unchanged when closed).
    void odczytajTimeouty();

    // Take effect at the next ustawTimeouty.
    void ustalReadIntervalTimeout(int ms) {
        timeouty.readIntervalTimeout = static_cast<std::uint32_t>(ms);
    }
    void ustalReadTotalTimeoutMultiplier(int ms) {
        timeouty.readTotalTimeoutMultiplier = static_cast<std::uint32_t>(ms);
    }
    void ustalReadTotalTimeoutConstant(int ms) {
        timeouty.readTotalTimeoutConstant = static_cast<std::uint32_t>(ms);
    }
    void ustalWriteTotalTimeoutMultiplier(int ms) {
        timeouty.writeTotalTimeoutMultiplier = static_cast<std::uint32_t>(ms);
    }
    void ustalWriteTotalTimeoutConstant(int ms) {
        timeouty.writeTotalTimeoutConstant = static_cast<std::uint32_t>(ms);
    }
    int podajReadIntervalTimeout() const { return static_cast<int>(timeouty.readIntervalTimeout); }
    int podajReadTotalTimeoutMultiplier() const {
        return static_cast<int>(timeouty.readTotalTimeoutMultiplier);
    }
    int podajReadTotalTimeoutConstant() const {
        return static_cast<int>(timeouty.readTotalTimeoutConstant);
    }
    int podajWriteTotalTimeoutMultiplier() const {
        return static_cast<int>(timeouty.writeTotalTimeoutMultiplier);
    }
    int podajWriteTotalTimeoutConstant() const {
        return static_cast<int>(timeouty.writeTotalTimeoutConstant);
    }

    // Zeroes the transmit buffer, then copies the frame: 0; 1 when the port is closed; 2 when
    // the length is outside 0 to rozmiarBufora (nothing copied).
    int zaladujNadawanie(const std::uint8_t* dane, int dlugosc);
    // Starts writing the loaded bytes; completion shows as nadanieGotowe.
    void nadaj();
    // Zeroes the receive buffer and starts a read of up to `ile` bytes (at most rozmiarBufora):
    // 0; 1 when the port is closed. Completion shows as odbiorGotowy.
    int odbierz(int ile);
    std::uint8_t* buforOdbioru() { return odbior.data(); }
    void wyczyscOdbior() { odbior.fill(0); }
    // Bytes of the last ended read and write.
    std::uint32_t podajOdebrano() const { return odebrano; }
    std::uint32_t podajWyslano() const { return wyslano; }

    // Signal / reset an event (0 to 4; other indexes signal or reset nothing). Resetting counts
    // send requests: see kasuj in the source.
    void zglos(int indeks);
    void kasuj(int indeks);
    // For odbiorGotowy: 0 when something arrived (the first byte is not zero), 2 when nothing
    // did; 1 for an index outside 0 to 4.
    int stanOdbioru(int indeks) const;

    // The lowest index of a signalled event, or bladCzekania. Without a limit it waits for ever;
    // with one it answers czasMinal when the limit passed.
    int czekaj();
    int czekaj(std::chrono::milliseconds limit);

    void zakonczWatek() { zglos(koniecPracy); }
    // Also true once the device reported a hang-up or an error: a port that has gone away fails
    // at once instead of after eleven unanswered send requests.
    bool czyAwaria() const { return awaria || uchwyt.czyZerwane(); }
    bool czyZamkniety() const { return zamkniety; }
    int podajLicznikZadan() const { return licznikZadan; }

private:
    static constexpr std::size_t dlugoscPrefiksu = 5;

    Otoczenie& podajOtoczenie();

    std::array<std::uint8_t, rozmiarBufora> odbior{};
    std::array<std::uint8_t, rozmiarBufora> nadawanie{};
    std::int32_t dlugoscNadawania = 0;
    std::array<char, dlugoscPrefiksu + maksDlugoscNazwy + 1> sciezka{};
    std::atomic<bool> zamkniety{true};
    std::atomic<bool> awaria{false};
    std::atomic<std::uint8_t> licznikZadan{0};
    platform::UstawieniaLinii dcb;
    platform::CzasyOczekiwania timeouty;
    platform::UstawieniaLinii konfiguracja; // the line settings last handed to the device
    std::array<platform::Zdarzenie, liczbaZdarzen> zdarzenia;
    std::array<platform::Zdarzenie*, liczbaZdarzen> listaOczekiwania{};
    std::atomic<std::uint32_t> odebrano{0};
    std::atomic<std::uint32_t> wyslano{0};
    Otoczenie* otoczenie = nullptr;
    OtoczenieBezOkien bezOkien;
    // Declared last: destroyed first, so its I/O thread stops before the buffers and events go.
    platform::UrzadzenieSzeregowe uchwyt;
};
