#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

// Appends `bytes` to the regular file at `path`, creating it if missing, in one write that
// reaches the disk before this returns; refuses anything but a regular file without waiting on
// it; on any failure cuts the file back to where it was. Each system has its own.
std::error_code AppendWhole(const std::filesystem::path &path, std::string_view bytes);
