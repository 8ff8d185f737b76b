// The one container of what is read of the panel's event memory or alarm memory: the range to
// read, the request for each entry, the number of entries the panel reports, and the records.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/element_systemu.h"
#include "memory/zdarzenie.h"

class PamiecZdarzen {
public:
    static constexpr int maksZdarzen = 10000; // entries a panel keeps, and records held
    static constexpr int kodZapytania = 0x55; // function number of the event request
    static constexpr int kodStatusu = 0x36;   // function number of the status reply
    static constexpr std::uint8_t pamiecZdarzenRodzaj = 0;
    static constexpr std::uint8_t pamiecAlarmowRodzaj = 2;
    static constexpr int dlugoscZapytania = 5;

    PamiecZdarzen() = default;
    PamiecZdarzen(const PamiecZdarzen&) = delete;
    PamiecZdarzen& operator=(const PamiecZdarzen&) = delete;

    // The request payload for entry `pierwsze` + `liczbaOdczytanych` of the chosen memory; its
    // length (5). Serves both the status poll and the read of a record.
    int budujZapytanie(Bajty& wyjscie, std::uint8_t pierwszy = 0) const;
    int podajKodZapytania() const { return kodZapytania; }

    // A status reply: the number of stored entries, accepted and kept when 1..10000; 0 refuses
    // it (a count outside that range, or a payload too short to hold it).
    int odczytajStatus(std::span<const std::uint8_t> dane);
    // A record reply: 0 stored as the next record; 1 refused (it is not the entry asked for,
    // its payload is too short, or the store is full), nothing is kept of it.
    int dodajZdarzenie(std::span<const std::uint8_t> dane);

    // The panel numbers of the range to read. Events are numbered 1..count, alarms 0..count-1;
    // 0 accepted, 1 refused (value unchanged). `ostatnie` is not below `pierwsze`.
    int ustalPierwsze(int n);
    int ustalOstatnie(int n);
    // Skips the entry asked for next (a record the user chose not to read): the requests go on
    // with the entry after it. False at the end of the range.
    bool pominZdarzenie();
    // The range from the user's two numbers (events counted from the newest, 1 = newest;
    // alarms from the oldest, 1 = entry 0): 0 accepted; 1 `od` refused, 2 `doNumeru` refused.
    int ustalZakres(int od, int doNumeru);
    // The lowest and highest panel number of an entry of the current memory kind.
    int podajNajnizszy() const;
    int podajNajwyzszy() const;

    int podajLiczbeZdarzen() const { return liczbaZdarzen; }
    // 0 accepted; 1 refused outside 0..10000.
    int ustalLiczbeZdarzen(int n);
    int podajLiczbeOdczytanych() const { return liczbaOdczytanych; }
    // Starting a read sets 0, which releases the records of the earlier read; 1 refuses a count
    // outside 0..records held.
    int ustalLiczbeOdczytanych(int n);
    int podajPierwsze() const { return pierwsze; }
    int podajOstatnie() const { return ostatnie; }
    std::uint8_t podajRodzajPamieci() const { return rodzajPamieci; }
    // 0 accepted; 1 refused for anything but 0 (events) and 2 (alarms).
    int ustalRodzajPamieci(std::uint8_t rodzaj);
    bool czyAlarmy() const { return rodzajPamieci == pamiecAlarmowRodzaj; }
    std::uint8_t czyStatusOdebrany() const { return statusOdebrany; }
    void ustalStatusOdebrany(std::uint8_t f) { statusOdebrany = f; }

    // Record i (0 .. liczbaOdczytanych - 1) in the order read, or null.
    const Zdarzenie* podajZdarzenie(int i) const;

private:
    // Filled by the communication worker; read by the windows only once the read has ended.
    std::vector<std::unique_ptr<Zdarzenie>> rekordy;
    // Written by the communication worker, read by the range window's timer.
    std::atomic<int> liczbaZdarzen = 0;
    // Counted by the worker while the windows watch the progress.
    std::atomic<int> liczbaOdczytanych = 0;
    // Set by the range window while the worker may be building a status request from them.
    std::atomic<int> pierwsze = 1;
    std::atomic<int> ostatnie = 1;
    std::atomic<std::uint8_t> statusOdebrany = 1;
    std::atomic<std::uint8_t> rodzajPamieci = pamiecZdarzenRodzaj;
};
