// The texts of the simulated event and alarm memories: made from the entry number alone, so the
// same entry reads the same every time. Lines are separated by CR; one line is the date
// "YYYY-MM-DD hh:mm:ss". In both memories the highest number is the newest entry.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/element_systemu.h"

namespace sim {

constexpr char separatorLinii = '\r';

// UTF-8 texts.
std::string tekstZdarzenia(int numer);
std::string tekstAlarmu(int numer);

// Seconds from 2000-01-01 00:00:00 as "YYYY-MM-DD hh:mm:ss".
std::string dataTekstem(std::int64_t sekundy);

// UTF-8 into the panel's character set (code page 852 for the Polish letters).
Bajty naZnakiPanelu(std::string_view utf8);

} // namespace sim
