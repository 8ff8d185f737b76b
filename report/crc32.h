// CRC-32 of the XML export: the reflected polynomial 0xEDB88320, initial value 0xFFFFFFFF and a
// final complement, the same checksum other tools compute over the exported `system` element.
#pragma once

#include <cstdint>
#include <string_view>

class Crc32 {
public:
    void dodaj(std::string_view bajty);
    std::uint32_t wynik() const { return ~stan; }

private:
    std::uint32_t stan = 0xFFFFFFFFu;
};

std::uint32_t crc32(std::string_view bajty);
