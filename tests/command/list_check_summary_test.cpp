#include "command/list_check_summary.h"

#include "platform/byte_source.h"
#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct SummaryRow {
    const char *list;
    std::vector<std::string> counts; // the summary's lines of lines and words
};

void PrintTo(const SummaryRow &row, std::ostream *out) {
    *out << row.list;
}

class SummaryTest : public testing::TestWithParam<SummaryRow> {};

TEST_P(SummaryTest, CountsOneOfAThingInTheSingular) {
    const ListCheck check = CheckList(MemoryBytes(GetParam().list));
    std::vector<std::string> counts;
    for (const std::u16string &line : SummaryLines(u"a.txt", check, false))
        if (line.starts_with(u"lines: ") || line.starts_with(u"words: "))
            counts.push_back(Utf16ToUtf8(line));
    EXPECT_EQ(counts, GetParam().counts);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SummaryTest,
    testing::Values(
        SummaryRow{"# one\nV very\nJ vile\nN toad\n",
                   {"lines: 4 (1 comment, 0 blank)", "words: 1 adverb, 1 adjective, 1 noun"}},
        SummaryRow{"#\n#\nV very\nV so\nJ vile\nJ rank\nN toad\nN oaf\n\n",
                   {"lines: 9 (2 comments, 1 blank)", "words: 2 adverbs, 2 adjectives, 2 nouns"}},
        SummaryRow{"J vile\nN toad\n",
                   {"lines: 2 (0 comments, 0 blank)", "words: 0 adverbs, 1 adjective, 1 noun"}},
        SummaryRow{"",
                   {"lines: 0 (0 comments, 0 blank)", "words: 0 adverbs, 0 adjectives, 0 nouns"}}));

struct EncodingRow {
    std::string list;
    const char *encoding; // the summary's lines of encoding and line ends
    const char *lineEnds;
};

const EncodingRow kEncodingRows[] = {
    {std::string("\xFF\xFEJ\0 \0v\0\n\0", 10), "encoding: UTF-16 little-endian", "line ends: LF"},
    {std::string("\xFE\xFF\0J\0 \0v\0\r\0\n", 12), "encoding: UTF-16 big-endian",
     "line ends: CR LF"},
    {"J vile\r\nN toad\n", "encoding: UTF-8", "line ends: mixed: 1 CR LF, 1 LF"},
    {"J caf\xE9\rN toad", "encoding: UTF-8 (words read as Windows-1252: 1)", "line ends: CR"},
};

TEST(Summary, NamesTheEncodingAndTheLineEnds) {
    for (const EncodingRow &row : kEncodingRows) {
        const std::vector<std::u16string> lines =
            SummaryLines(u"a.txt", CheckList(MemoryBytes(row.list)), false);
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(Utf16ToUtf8(lines[1]), row.encoding);
        EXPECT_EQ(Utf16ToUtf8(lines[2]), row.lineEnds);
    }
}

} // namespace
