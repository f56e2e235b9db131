#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>

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

// Takes the file's turn with `tryLock`, which must not wait: copies of this program hold the
// lock for a few milliseconds, another program perhaps for ever. So a save tries for half a
// second at the most, then gives up, and the window stays alive to say so.
inline bool TakeTurn(const std::function<bool()> &tryLock) {
    constexpr int kTries = 20;
    constexpr std::chrono::milliseconds kPause{25};
    for (int tried = 1; !tryLock(); ++tried) {
        if (tried == kTries)
            return false;
        std::this_thread::sleep_for(kPause);
    }
    return true;
}
