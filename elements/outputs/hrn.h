// An HRN sounder (line devices of type code 80).
#pragma once

#include "elements/outputs/sygnalizator.h"

class Hrn : public Sygnalizator {
public:
    static FlagiKlasy flagi;
    static constexpr int kodLinii = 80;

    explicit Hrn(int numer);

protected:
    const FlagiKlasy& podajFlagi() const override { return flagi; }
    // <sound_pattern>: bits 0..1 of the mode byte.
    void dopiszDzwiekXML(std::string& bufor, int tryb) const override;
};
