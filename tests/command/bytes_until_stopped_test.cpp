#include "command/bytes_until_stopped.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

namespace {

// A stop is noted for the rest of the process, so each case asks for one in a child of its own.
size_t BytesReadAfter(bool stopAsked) {
    PrepareStreams();
    if (stopAsked)
        std::raise(SIGTERM);
    const BytesUntilStopped bytes(std::make_unique<MemoryBytes>("vile toad"));
    char into[16];
    return bytes.read(0, into, sizeof into);
}

TEST(BytesUntilStopped, ReadsEveryByteUntilAStopAndNoneAfterIt) {
    EXPECT_EXIT(std::_Exit(static_cast<int>(BytesReadAfter(false))), ::testing::ExitedWithCode(9),
                "");
    EXPECT_EXIT(std::_Exit(static_cast<int>(BytesReadAfter(true))), ::testing::ExitedWithCode(0),
                "");
}

} // namespace
