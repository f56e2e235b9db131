#include "platform/bytes_until_stopped.h"

#include <gtest/gtest.h>

namespace {

bool stopAsked = false;

TEST(BytesUntilStopped, ReadsEveryByteUntilAStopAndNoneAfterIt) {
    stopAsked = false;
    const BytesUntilStopped bytes(std::make_unique<MemoryBytes>("vile toad"),
                                  [] { return stopAsked; });
    char into[16];
    EXPECT_EQ(bytes.read(0, into, sizeof into), 9u);
    stopAsked = true;
    EXPECT_EQ(bytes.read(5, into, sizeof into), 0u);
    EXPECT_EQ(bytes.size(), 9u); // still the size to tell, though no more is read
}

TEST(BytesUntilStopped, ReadsEveryByteWithoutAStopToAsk) {
    const BytesUntilStopped bytes(std::make_unique<MemoryBytes>("vile toad"), nullptr);
    char into[16];
    EXPECT_EQ(bytes.read(5, into, sizeof into), 4u);
}

} // namespace
