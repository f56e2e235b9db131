#include "command/completion_scripts.h"
#include "command/option_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    for (size_t begin = 0, end; (end = text.find('\n', begin)) != text.npos; begin = end + 1)
        lines.push_back(text.substr(begin, end - begin));
    return lines;
}

TEST(Usage, NamesEachActionsOwnOptionsWithinTheColumns) {
    EXPECT_EQ(UsageText(),
              "usage: vilify [-n COUNT] [--seed N] [--seed-text TEXT] [--show-seed] [--single]\n"
              "              [--no-commas] [--no-length-order] [--max-length N]\n"
              "              [--exclude FILE] [-z] [--json] [--list FILE] [--language CODE]\n"
              "   or: vilify --check [FILE] [--exclude FILE] [--language CODE]\n"
              "   or: vilify --help | --version\n");
}

class HelpLine : public testing::TestWithParam<std::string> {};

TEST_P(HelpLine, StandsWholeInTheHelp) {
    const std::vector<std::string> lines = Lines(HelpText());
    EXPECT_NE(std::find(lines.begin(), lines.end(), GetParam()), lines.end());
    for (const std::string &line : lines)
        EXPECT_LE(line.size(), 79u) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Help, HelpLine,
    testing::Values("Usage: vilify [OPTION]...",
                    "Prints random abusive epithets, such as \"necrotic, incontinent pustule\", "
                    "one a",
                    "  -n, --count=COUNT    print COUNT epithets (1 unless given); 0 goes on until",
                    "                       the output is closed", "      --seed-text=TEXT",
                    "      --no-length-order",
                    "      --check[=FILE]   report, line by line, what the program makes of a word",
                    "  -z, --null           end each epithet with a NUL character, not a line end",
                    "      --help           print this help and end",
                    "Exit status: 0 on success; 1 when the word list cannot be used (with --check:",
                    "wrong command line."));

// The words of a shell script as the shell reads them: quotes taken away, a backslash
// keeping the character after it; "" where a quote is left open.
std::vector<std::string> ShellWords(const std::string &script) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (size_t i = 0; i < script.size(); ++i) {
        const char c = script[i];
        if (quoted) {
            if (c == '\'')
                quoted = false;
            else
                word += c;
        } else if (c == '\'') {
            quoted = inWord = true;
        } else if (c == '\\' && i + 1 < script.size()) {
            if (script[++i] != '\n') {
                word += script[i];
                inWord = true;
            }
        } else if (c == ' ' || c == '\n') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        return {""};
    if (inWord)
        words.push_back(word);
    return words;
}

class ZshCompletion : public testing::TestWithParam<std::string> {};

TEST_P(ZshCompletion, SpecifiesTheOptionAsZshReadsIt) {
    const std::vector<std::string> words = ShellWords(::ZshCompletion());
    EXPECT_NE(std::find(words.begin(), words.end(), GetParam()), words.end());
}

INSTANTIATE_TEST_SUITE_P(
    Options, ZshCompletion,
    testing::Values(
        "--list=[read the word list FILE instead of the program's own]:FILE:_files",
        "--check=[report, line by line, what the program makes of a word list]::FILE:_files",
        "--exclude=[leave out the words listed in FILE, one a line]:FILE:_files",
        "--seed-text=[seed the generator from TEXT, for an epithet of the day or one for each "
        "user]:TEXT: ",
        "-n+[print COUNT epithets]:COUNT: ", "--count=[print COUNT epithets]:COUNT: ",
        "--single[one adjective and a noun]",
        "--language=[read the word list shipped in the language CODE instead of the one of the "
        "user's language]:CODE:(de en es fr)",
        "-z[end each epithet with a NUL character, not a "
        "line end]"));

} // namespace
