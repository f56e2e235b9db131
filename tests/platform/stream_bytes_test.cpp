#include "support/temp_dir.h"

#include "platform/byte_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Bytes that differ from their neighbours, so that a piece kept or read in the wrong place
// shows.
std::string Numbered(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i % 251);
    return bytes;
}

TEST(StreamBytes, KeepsAndReadsBackEveryByteAcrossTheEndsOfItsBlocks) {
    const std::string sent = Numbered((size_t{3} << 20) + 12345); // into a third block
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    // Written in whole pieces of a size that no block's is a multiple of, so that each read
    // takes whole pieces and the reads that fill a block run on into the next.
    std::thread writer([&] {
        for (size_t at = 0; at < sent.size(); at += 1000)
            if (::write(ends[1], sent.data() + at, std::min<size_t>(1000, sent.size() - at)) < 0)
                break;
        ::close(ends[1]);
    });
    StreamBytes stream;
    const std::filesystem::path path = "/dev/fd/" + std::to_string(ends[0]);
    const bool opened = stream.open(&path, nullptr, nullptr, sent.size());
    writer.join();
    ::close(ends[0]);
    ASSERT_TRUE(opened);
    ASSERT_EQ(stream.size(), sent.size());
    std::string kept(sent.size(), '\0');
    EXPECT_EQ(stream.read(0, kept.data(), kept.size()), sent.size());
    EXPECT_TRUE(kept == sent);
    for (const uint64_t end : {uint64_t{1} << 20, uint64_t{3} << 20}) {
        char piece[6];
        EXPECT_EQ(stream.read(end - 3, piece, sizeof piece), sizeof piece);
        EXPECT_EQ(std::string_view(piece, sizeof piece), std::string_view(sent).substr(end - 3, 6));
    }
}

TEST(StreamBytes, ClosesWhatItOpenedByNameThoughThatIsDescriptorZero) {
    TempDir dir;
    const std::filesystem::path list = dir.write("list", "J vile\nN toad\n");
    // With standard input closed, the stream opened next takes its descriptor.
    EXPECT_EXIT(
        {
            ::close(STDIN_FILENO);
            StreamBytes stream;
            const bool opened = stream.open(&list, nullptr, nullptr, 100);
            std::_Exit(opened && stream.size() == 14 && ::fcntl(STDIN_FILENO, F_GETFD) < 0 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
