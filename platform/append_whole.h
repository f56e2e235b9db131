#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

// What a file holds at its two ends as an append finds it: enough to tell its encoding and
// whether its last line has ended. Empty where the file could not be read.
struct FileEnds {
    uint64_t size = 0;
    std::string head; // the first four bytes, fewer in a shorter file
    std::string tail; // the last two
};

// Appends the bytes that `bytesFor` makes of the file's ends to the regular file at `path`,
// creating it if missing, in one write that reaches the disk before this returns; refuses
// anything but a regular file without waiting on it; on any failure cuts the file back to
// where it was. Each system has its own.
std::error_code AppendWhole(const std::filesystem::path &path,
                            const std::function<std::string(const FileEnds &)> &bytesFor);

// How long a save waits for a turn that does not come. Copies of this program hold the file for
// the moment a write and a flush take, longer only on a slow or busy disk; another program may
// hold it for ever. Two seconds outlast any copy's turn on a loaded machine and the slowest
// flush of a USB stick, and the window, which waits meanwhile, is soon back to say why nothing
// was saved.
inline constexpr std::chrono::seconds kTurnWait{2};
