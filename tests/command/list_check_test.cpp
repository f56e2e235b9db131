#include "command/list_check.h"

#include "platform/byte_source.h"
#include "platform/display_text.h"
#include "platform/text_encoding.h"
#include "words/excluded_words.h"
#include "words/line_splitter.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Each finding as "line: message", 0 for the list as a whole, in UTF-8 for the reader.
Lines Shown(const FindingLog &log) {
    Lines lines;
    for (const Finding &finding : log.shown())
        lines.push_back(std::to_string(finding.line) + ": " + Utf16ToUtf8(finding.message));
    return lines;
}

std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct CheckRow {
    const char *what;
    std::string text;
    Lines findings;
};

void PrintTo(const CheckRow &row, std::ostream *out) {
    *out << row.what;
}

class CheckListTest : public ::testing::TestWithParam<CheckRow> {};

TEST_P(CheckListTest, NamesWhatTheAuthorMayNotMean) {
    const ListCheck check = CheckList(MemoryBytes(GetParam().text));
    EXPECT_EQ(Shown(check.findings), GetParam().findings);
}

std::string TooFewNouns(const std::string &example) {
    return "0: too few nouns to keep a word from being repeated: where every noun echoes the "
           "words before it, one is taken all the same, as in \"" +
           example + "\"";
}

std::string EchoingModifiers(const std::string &example) {
    return "0: two modifiers can stand together though one holds the start of the other, so that "
           "a word is repeated, as in \"" +
           example + "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CheckListTest,
    ::testing::Values(
        CheckRow{"comments that look like a letter and a space", "# \n- \nJ vile\nN toad\n", {}},
        CheckRow{"a class letter and a space alone",
                 "J \nJ vile\nN toad\n",
                 {"1: the class letter J and a space, but no word: nothing is taken"}},
        CheckRow{"a class letter alone, with LF",
                 "J vile\nJ\nN toad\nN \nV\n",
                 {"2: the class letter J alone, with no word: nothing is taken",
                  "4: the class letter N and a space, but no word: nothing is taken",
                  "5: the class letter V alone, with no word: nothing is taken"}},
        CheckRow{"a class letter alone, with CR LF and at the end",
                 "J vile\r\nJ\r\nN toad\r\nV",
                 {"2: the class letter J alone, with no word: nothing is taken",
                  "4: the class letter V alone, with no word: nothing is taken"}},
        CheckRow{"a tab and a no-break space after the letter",
                 "J\tvile\nN\xC2\xA0toad\nJ vile\nN toad\n",
                 {"1: a tab follows the class letter J, where a space must: nothing is taken",
                  "2: the space \\u00A0 follows the class letter N, where a space must: "
                  "nothing is taken"}},
        CheckRow{"a Windows-1252 no-break space after the letter",
                 "J\xA0vile\nJ vile\nN toad\n",
                 {"1: the space \\u00A0 follows the class letter J, where a space must: nothing "
                  "is taken"}},
        CheckRow{"a character held twice, named once",
                 "J vile\nN wa\xE2\x80\x8Brt\xE2\x80\x8B\n",
                 {"2: the word \"wa\\u200Brt\\u200B\" holds \\u200B, which does not show"}},
        CheckRow{"default-ignorables of every range",
                 "J vile\nN a\xD8\x9C\xEF\xB8\x8F\nN b\xF3\xA0\x81\x81\xF0\x9D\x85\xB3\n"
                 "N c\xF3\xA0\x84\x80\xE1\x85\x9F\n",
                 {"2: the word \"a\\u061C\\uFE0F\" holds \\u061C, \\uFE0F, which do not show",
                  "3: the word \"b\\U000E0041\\U0001D173\" holds \\U000E0041, \\U0001D173, which "
                  "do not show",
                  "4: the word \"c\\U000E0100\\u115F\" holds \\U000E0100, \\u115F, which do not "
                  "show"}},
        CheckRow{"lone surrogates of UTF-16, each taken as U+FFFD, which hides nothing after it",
                 "\xFF\xFE" +
                     Utf16Bytes(u"J vile\nN toad\xD83D\x200B\nN \xDE00\x200Bwart\n", false),
                 {"2: the word \"toad\\uD83D\\u200B\" is taken as \"toad\uFFFD\\u200B\"",
                  "2: the word \"toad\uFFFD\\u200B\" holds \\u200B, which does not show",
                  "3: the word \"\\uDE00\\u200Bwart\" is taken as \"\uFFFD\\u200Bwart\"",
                  "3: the word \"\uFFFD\\u200Bwart\" holds \\u200B, which does not show"}},
        CheckRow{"bidirectional controls that a word keeps",
                 "J \xE2\x80\xAAvile\xE2\x80\xAC\nN \xE2\x81\xA6toad\xE2\x81\xA9\n",
                 {"1: the word \"\\u202Avile\\u202C\" holds \\u202A, \\u202C, which do not show",
                  "2: the word \"\\u2066toad\\u2069\" holds \\u2066, \\u2069, which do not "
                  "show"}},
        CheckRow{"an unclosed left-to-right override, left out",
                 "J \xE2\x80\xADvile\nN toad\n",
                 {"1: the word \"\\u202Dvile\" is taken as \"vile\""}},
        CheckRow{"a no-break space that ends a word",
                 "J vile\xC2\xA0\nN toad\n",
                 {"1: the word \"vile\\u00A0\" has a space at an end that is not trimmed: "
                  "\\u00A0"}},
        CheckRow{"a word given twice and one given three times",
                 "J vile\nN toad\nJ vile\nN toad\nN toad\n",
                 {"3: the adjective \"vile\" is on line 1 too: it is drawn twice as often",
                  "4: the noun \"toad\" is on line 2 too, and given 3 times in all: it is drawn "
                  "3 times as often"}},
        CheckRow{"a character beyond 16 bits and a backslash, in a finding",
                 "J \xF0\x9F\x98\x80vile\\\nJ \xF0\x9F\x98\x80vile\\\nN toad\n",
                 {"2: the adjective \"\xF0\x9F\x98\x80vile\\\\\" is on line 1 too: it is drawn "
                  "twice as often"}},
        CheckRow{"two nouns that each echo a modifier",
                 "J vile\nJ rank\nN vile\nN rank\n",
                 {TooFewNouns("vile, rank rank")}},
        CheckRow{"one noun that echoes one of two modifiers",
                 "J vile\nJ rank\nN vile\n",
                 {TooFewNouns("vile, rank vile")}},
        CheckRow{"an adjective that holds another whole",
                 "J vile\nJ vile and rank\nN toad\n",
                 {EchoingModifiers("vile, vile and rank toad")}},
        CheckRow{"an adverb whose start an adjective holds, with a noun that fits",
                 "V gloriously\nJ vainglorious\nN vainglorious toad\nN oaf\n",
                 {EchoingModifiers("gloriously vainglorious oaf")}},
        CheckRow{"modifiers that echo each other both ways, which never stand together",
                 "J vilest\nJ viles\nN toad\n",
                 {}},
        CheckRow{"modifiers that hold no start of each other", "J vile\nJ evil\nN toad\n", {}},
        CheckRow{"a noun that begins with the one modifier",
                 "J vile\nN vile toad\n",
                 {TooFewNouns("vile vile toad")}},
        CheckRow{"too few nouns in French: the example as printed, in agreement",
                 "@language fr\nJa puant\nNf puanteur\n",
                 {TooFewNouns("puanteur puante")}},
        CheckRow{"too few nouns in French: two adjectives on their sides, in agreement",
                 "@language fr\nJa puant\nJb sale\nNm puant\nNf sale\n",
                 {TooFewNouns("sale sale puante")}},
        CheckRow{"language lines that are not read as one",
                 "@lang de\n@language\n\t@language\tde\t\n@LANGUAGE fr\nNm Frosch\n",
                 {"1: the line \"@lang de\" begins with \"@\" but is no \"@language\" and a "
                  "code (de, fr, es or en): it is ignored",
                  "2: the line \"@language\" begins with \"@\" but is no \"@language\" and a "
                  "code (de, fr, es or en): it is ignored",
                  "4: a language line after a word or another language line is ignored: put "
                  "one before the first word"}},
        CheckRow{"language lines mistyped in other ways",
                 "@language \n@languagees\n@language=es\n@language\xC2\xA0"
                 "es\nN toad\n",
                 {"1: the line \"@language\" begins with \"@\" but is no \"@language\" and a "
                  "code (de, fr, es or en): it is ignored",
                  "2: the line \"@languagees\" begins with \"@\" but is no \"@language\" and "
                  "a code (de, fr, es or en): it is ignored",
                  "3: the line \"@language=es\" begins with \"@\" but is no \"@language\" and "
                  "a code (de, fr, es or en): it is ignored",
                  "4: the line \"@language\\u00A0es\" begins with \"@\" but is no "
                  "\"@language\" and a code (de, fr, es or en): it is ignored"}},
        CheckRow{"a noun given with two genders, an adjective on two sides",
                 "@language es\nNm sapo\nNf sapo\nJb malo/mala\nJa malo/mala\nJa feo\n",
                 {"3: the noun \"sapo\" is on line 2 too, there masculine and here feminine: it "
                  "is drawn twice as often",
                  "5: the adjective \"malo/mala\" is on line 4 too, there before the noun and "
                  "here after the noun: it is drawn twice as often"}},
        CheckRow{"a German adjective given twice, whose place is ignored",
                 "@language de\nJb faul\nJb alt\nJa alt\nNm Frosch\nNn Schwein\n",
                 {"4: the adjective \"alt\" is on line 3 too: it is drawn twice as often",
                  "4: note: every adjective stands before the noun in de, so the letter a is "
                  "ignored (write Jb)"}},
        CheckRow{"a grammar letter in a list that says it is English",
                 "@language en\nNm toad\nJ vile\nN toad\n",
                 {"2: a grammar letter after the class letter, in a list read as English, which "
                  "has none (a list says its language with @language de, fr or es before its "
                  "first word): nothing is taken"}},
        CheckRow{"a gender the language lacks",
                 "@language fr\nNn truc\nNm crapaud\nJa puant\n",
                 {"2: the letter n is no gender of a noun in fr: nothing is taken"}},
        CheckRow{"a German adjective after the noun",
                 "@language de\nJa faul\njA feige\nNm Frosch\n",
                 {"2: note: every adjective stands before the noun in de, so the letter a is "
                  "ignored (write Jb)",
                  "3: note: every adjective stands before the noun in de, so the letter A is "
                  "ignored (write Jb)"}},
        CheckRow{"tags that look like tags but are none",
                 "@language fr\nNmf crapaud\nJab puant\nNm\tcrapaud\nJa \nJa\xC2\xA0sale\n"
                 "Nm crapaud\nJa puant\nNote\tbien\nNx \n",
                 {"2: \"Nmf\" looks like a tag, but a class letter takes one letter of grammar at "
                  "most (such as Nm or Jb): nothing is taken",
                  "3: \"Jab\" looks like a tag, but a class letter takes one letter of grammar at "
                  "most (such as Nm or Jb): nothing is taken",
                  "4: a tab follows the tag Nm, where a space must: nothing is taken",
                  "5: the tag Ja and a space, but no word: nothing is taken",
                  "6: the space \\u00A0 follows the tag Ja, where a space must: nothing is taken",
                  "10: the tag Nx and a space, but no word: nothing is taken"}},
        CheckRow{"a \"/\" in a noun and an adverb",
                 "@language es\nNm sapo/sapa\nV muy/muy\nJa feo/fea\n",
                 {"2: note: the noun \"sapo/sapa\" holds \"/\", which separates the forms of "
                  "adjectives only: it is printed as it is",
                  "3: note: the adverb \"muy/muy\" holds \"/\", which separates the forms of "
                  "adjectives only: it is printed as it is"}},
        CheckRow{"UTF-16 without its mark, in Latin",
                 Utf16Bytes(u"J vile\r\nN toad\r\n", false),
                 {"0: this looks like UTF-16 little-endian without its byte-order mark, so it is "
                  "read as bytes and no word is taken: save it with the mark, or as UTF-8"}},
        CheckRow{"UTF-16 without its mark, in Cyrillic",
                 Utf16Bytes(u"J вонючий\r\nN жаба\r\nJ мерзкий\r\n", false),
                 {"0: this looks like UTF-16 little-endian without its byte-order mark, so it is "
                  "read as bytes and no word is taken: save it with the mark, or as UTF-8"}},
        CheckRow{"UTF-16 without its mark, in Chinese characters",
                 Utf16Bytes(u"J 臭气熏天\nN 癞蛤蟆\nJ 肮脏\n", true),
                 {"0: this looks like UTF-16 big-endian without its byte-order mark, so it is "
                  "read as bytes and no word is taken: save it with the mark, or as UTF-8"}},
        CheckRow{"UTF-8 in Cyrillic, with CR LF", "J вонючий\r\nN жаба\r\nJ мерзкий\r\n", {}},
        CheckRow{"an odd last byte of UTF-16",
                 "\xFE\xFF" + Utf16Bytes(u"J vile\nN toad", true) + "d",
                 {"0: the last byte is left over: UTF-16 takes two bytes a character, so it is "
                  "not read"}}),
    [](const ::testing::TestParamInfo<CheckRow> &row) {
        return "Row" + std::to_string(row.index);
    });

TEST(CheckList, ShowsAHundredOfAKindAndCountsTheRest) {
    std::string text = "N toad\n";
    for (int i = 100; i < 250; ++i) // of one length, so that none holds another
        text += "J \xE2\x80\x8Bw" + std::to_string(i) + "\n";
    const Lines shown = Shown(CheckList(MemoryBytes(text)).findings);
    ASSERT_EQ(shown.size(), 101u);
    EXPECT_EQ(shown[99], "101: the word \"\\u200Bw199\" holds \\u200B, which does not show");
    EXPECT_EQ(shown[100], "0: and 50 more like line 2, not shown");
}

TEST(CheckList, CountsOneRepeatedWordOfMillionsOfLinesOnce) {
    std::string text = "N toad\n";
    for (int i = 0; i < 100000; ++i)
        text += "J vile\n";
    const ListCheck check = CheckList(MemoryBytes(text));
    EXPECT_EQ(Shown(check.findings),
              Lines{"3: the adjective \"vile\" is on line 2 too, and given 100000 times in all: it "
                    "is drawn 100000 times as often"});
}

TEST(CheckList, StopsAtALineLongerThanAnyListHas) {
    const std::string text = "J vile\nN toad\n" + std::string(kLongestLine + 1, 'x');
    try {
        CheckList(MemoryBytes(text));
        ADD_FAILURE() << "the check read on";
    } catch (const LineTooLong &tooLong) {
        EXPECT_EQ(tooLong.line, 3u);
    }
}

TEST(CheckList, CountsAtMostTheEpithetsTheComposerMakes) {
    const ListCheck check = CheckList(MemoryBytes("J vile\nJ viler\nN toad\n"));
    EXPECT_EQ(check.epithets, 3); // vile toad, vile, viler toad, viler toad
    EXPECT_EQ(check.singleEpithets, 2);
}

ExcludedWords Excluded(std::string_view text) {
    ExcludedWords words;
    words.read(MemoryBytes(text));
    return words;
}

TEST(CheckList, NamesAnExcludedWordTheListLacksByItsFirstLine) {
    const ExcludedWords leaveOut = Excluded("nope\nvile\nnope\n");
    const ListCheck check = CheckList(MemoryBytes("J vile\nJ rank\nN toad\n"), &leaveOut);
    EXPECT_EQ(Shown(check.unusedExclusions), Lines{"1: the word \"nope\" is not in the list"});
}

TEST(CheckList, CountsTheLinesLeftOutSoThatTheLinesAddUp) {
    const ExcludedWords leaveOut = Excluded("vile\n");
    const ListCheck check =
        CheckList(MemoryBytes("J vile\n# note\n\nJ rank\nN toad\nJ vile\n"), &leaveOut);
    EXPECT_EQ(check.lines, 6u);
    EXPECT_EQ(check.comments, 1u);
    EXPECT_EQ(check.blanks, 1u);
    EXPECT_EQ(check.leftOut, 2u);
    EXPECT_EQ(check.lists.AdjectiveCount() + check.lists.NounCount(), 2);
}

TEST(CheckList, LeavesOutAWordHoldingBidirectionalControlsAsLoadingCleansIt) {
    // The override is closed in the list, and left open in the excluded words: cleaned, each
    // is the word as loading keeps it.
    const ExcludedWords leaveOut = Excluded("\xE2\x80\xAEvile\xE2\x80\xAC\nrank\xE2\x80\xAD\n");
    const ListCheck check = CheckList(
        MemoryBytes("J \xE2\x80\xAEvile\xE2\x80\xAC\nJ \xE2\x80\xADrank\nJ vile\nN toad\n"),
        &leaveOut);
    EXPECT_EQ(check.leftOut, 2u);
    EXPECT_EQ(check.lists.AdjectiveCount(), 1);
    EXPECT_TRUE(Shown(check.unusedExclusions).empty());
}

} // namespace
