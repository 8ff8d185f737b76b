// Whole-file reads and writes that never leave a damaged file behind.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// Writes the bytes to a temporary file in the target's folder, flushes it to the disk, then
// renames it over the target: the previous file survives any failure. False, with a short
// English reason, when anything failed.
bool zapiszPlik(const std::string& sciezka, std::span<const std::uint8_t> dane,
                std::string* powod = nullptr);

// The whole file; nullopt when it cannot be read or is larger than `maksRozmiar`.
std::optional<std::vector<std::uint8_t>> czytajPlik(const std::string& sciezka,
                                                    std::uint64_t maksRozmiar = 64u << 20);

} // namespace platform
