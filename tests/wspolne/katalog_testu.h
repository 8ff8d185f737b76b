// A fresh folder of its own for one test: unique even when several test programs, or several
// builds, run at once.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

inline std::filesystem::path nowyKatalogTestu(const std::string& przedrostek) {
    std::string wzor =
        (std::filesystem::temp_directory_path() / (przedrostek + "-XXXXXX")).string();
    if (::mkdtemp(wzor.data()) == nullptr)
        throw std::filesystem::filesystem_error("mkdtemp",
                                                std::error_code(errno, std::generic_category()));
    return wzor;
}
