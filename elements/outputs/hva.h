// An HVA or HLT sounder or sounder-beacon (line devices of type codes 81..88).
#pragma once

#include "elements/outputs/sygnalizator.h"

class Hva : public Sygnalizator {
public:
    static FlagiKlasy flagi;
    static constexpr int pierwszyKodLinii = 81;
    static constexpr int ostatniKodLinii = 88;

    explicit Hva(int numer);

protected:
    const FlagiKlasy& podajFlagi() const override { return flagi; }
    // <sequence>: bits 0..3 of the mode byte plus 1; <volume>: bits 4..5.
    void dopiszDzwiekXML(std::string& bufor, int tryb) const override;
};
