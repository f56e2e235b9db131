#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

// A path as the user reads it, in the system's own separators, whatever bytes its names hold.
std::u16string PathText(const std::filesystem::path &path);

// The system's own words for an error, without a closing full stop.
std::u16string ErrorText(const std::error_code &error);

// A number in decimal digits.
inline std::u16string Decimal(uint64_t number) {
    const std::string digits = std::to_string(number);
    return {digits.begin(), digits.end()};
}
