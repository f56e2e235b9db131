#include "command/option_table.h"
#include "command/options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<Argument> Arguments(const std::vector<std::string> &words) {
    std::vector<Argument> arguments;
    for (const std::string &word : words)
        arguments.push_back({word, word});
    return arguments;
}

// What the command line asked for, as what differs from the options unasked, or its error.
std::string Outcome(const std::vector<std::string> &words) {
    const ParsedOptions parsed = ParseOptions(Arguments(words));
    if (!parsed.error.empty())
        return "error: " + parsed.error;
    const Options &o = parsed.options;
    const Options unasked;
    std::string out;
    const char *actions[] = {"print", "check", "help", "version"};
    if (o.action != unasked.action)
        out += std::string(" ") + actions[static_cast<int>(o.action)];
    if (o.count != unasked.count)
        out += " count=" + std::to_string(o.count);
    if (o.seed)
        out += " seed=" + std::to_string(*o.seed);
    if (o.maxLength)
        out += " max-length=" + std::to_string(*o.maxLength);
    if (o.list)
        out += " list=" + o.list->string();
    if (o.language)
        out += " language=" + *o.language;
    for (const auto &file : o.exclude)
        out += " exclude=" + file.string();
    const std::pair<bool, const char *> flags[] = {{o.style.single, "single"},
                                                   {!o.style.commas, "no-commas"},
                                                   {!o.style.lengthOrder, "no-length-order"},
                                                   {o.showSeed, "show-seed"},
                                                   {o.null, "null"},
                                                   {o.json, "json"}};
    for (const auto &[set, name] : flags)
        if (set)
            out += std::string(" ") + name;
    return out.empty() ? "" : out.substr(1);
}

struct ParseRow {
    std::vector<std::string> words;
    std::string outcome;
};

void PrintTo(const ParseRow &row, std::ostream *out) {
    for (const std::string &word : row.words)
        *out << '[' << word << ']';
}

class CommandLine : public testing::TestWithParam<ParseRow> {};

TEST_P(CommandLine, ReadsAsGnuProgramsDoAndSaysWhatIsWrong) {
    EXPECT_EQ(Outcome(GetParam().words), GetParam().outcome);
}

const std::string kCountWanted = "takes a whole number of epithets from 0 to 18446744073709551615";
const std::string kSeedWanted = "--seed takes a whole number from 0 to 18446744073709551615";
const std::string kLengthWanted =
    "--max-length takes a whole number of characters from 1 to 18446744073709551615";
const std::string kListWanted = "takes the word list's file name";
const std::string kExcludeWanted = "--exclude takes the name of a file of words to leave out";
const std::string kBothFromInput =
    "error: the list and the words to leave out cannot both come from standard input";
const std::string kTwoFromInput =
    "error: two files of words to leave out cannot both come from standard input";
const std::string kTwoLists =
    "error: --list and --check FILE both name the list to check; give one of them";

const ParseRow kCounts[] = {
    {{}, ""},
    {{"-n", "3"}, "count=3"},
    {{"-n3"}, "count=3"},
    {{"--count=3"}, "count=3"},
    {{"--count", "3"}, "count=3"},
    {{"--cou", "3"}, "count=3"},
    {{"-n", "0"}, "count=0"},
    {{"-n", "3", "-n", "4"}, "count=4"},
    {{"-n", "18446744073709551615"}, "count=18446744073709551615"},
    {{"-n", "18446744073709551616"}, "error: -n " + kCountWanted},
    {{"-n", "99999999999999999999999"}, "error: -n " + kCountWanted},
    {{"-n", "-1"}, "error: -n " + kCountWanted},
    {{"-n", "+1"}, "error: -n " + kCountWanted},
    {{"-n", " 1"}, "error: -n " + kCountWanted},
    {{"-n", "many"}, "error: -n " + kCountWanted},
    {{"-n", "3x"}, "error: -n " + kCountWanted},
    {{"-nx"}, "error: -n " + kCountWanted},
    {{"-n"}, "error: -n " + kCountWanted},
    {{"-n", ""}, "error: -n " + kCountWanted},
    {{"--count="}, "error: --count " + kCountWanted},
    {{"--co", "x"}, "error: --count " + kCountWanted},
};
INSTANTIATE_TEST_SUITE_P(Count, CommandLine, testing::ValuesIn(kCounts));

const ParseRow kSeeds[] = {
    {{"--seed", "42"}, "seed=42"},
    {{"--seed=0"}, "seed=0"},
    {{"--seed", "18446744073709551615"}, "seed=18446744073709551615"},
    {{"--seed", "18446744073709551616"}, "error: " + kSeedWanted},
    {{"--seed", "99999999999999999999999"}, "error: " + kSeedWanted},
    {{"--seed", "42x"}, "error: " + kSeedWanted},
    {{"--seed", "-1"}, "error: " + kSeedWanted},
    {{"--seed"}, "error: " + kSeedWanted},
    {{"--seed="}, "error: " + kSeedWanted},
    {{"--seed-text", "a"}, "seed=12638187200555641996"},
    {{"--seed-text=a"}, "seed=12638187200555641996"},
    {{"--seed-text", "-n"}, "seed=563046743539209218"},
    {{"--seed-text="}, "seed=14695981039346656037"},
    {{"--seed-text"}, "error: --seed-text takes a text to make the seed from"},
    {{"--seed", "1", "--seed-text", "a"}, "seed=12638187200555641996"},
    {{"--seed-text", "a", "--seed", "1"}, "seed=1"},
};
INSTANTIATE_TEST_SUITE_P(Seed, CommandLine, testing::ValuesIn(kSeeds));

const ParseRow kLengths[] = {
    {{"--max-length", "5"}, "max-length=5"},
    {{"--max-length=1"}, "max-length=1"},
    {{"--max", "26"}, "max-length=26"},
    {{"--max-length", "18446744073709551615"}, "max-length=18446744073709551615"},
    {{"--max-length", "18446744073709551616"}, "error: " + kLengthWanted},
    {{"--max-length", "99999999999999999999999"}, "error: " + kLengthWanted},
    {{"--max-length", "0"}, "error: " + kLengthWanted},
    {{"--max-length", "x"}, "error: " + kLengthWanted},
    {{"--max-length", "-5"}, "error: " + kLengthWanted},
    {{"--max-length"}, "error: " + kLengthWanted},
    {{"--max-length="}, "error: " + kLengthWanted},
};
INSTANTIATE_TEST_SUITE_P(MaxLength, CommandLine, testing::ValuesIn(kLengths));

const ParseRow kFlags[] = {
    {{"--show-seed"}, "show-seed"},
    {{"--single"}, "single"},
    {{"--sing"}, "single"},
    {{"--no-commas"}, "no-commas"},
    {{"--no-length-order"}, "no-length-order"},
    {{"--no-l"}, "no-length-order"},
    {{"-z"}, "null"},
    {{"--null"}, "null"},
    {{"--json"}, "json"},
    {{"-zn3"}, "count=3 null"},
    {{"-zz"}, "null"},
    {{"--single=yes"}, "error: --single takes no value"},
    {{"--json="}, "error: --json takes no value"},
    {{"-z-n"}, "error: unknown option '-' in -z-n"},
    {{"--no"}, "error: option --no is ambiguous; it could be '--no-commas' '--no-length-order'"},
    {{"--loud"}, "error: unknown option --loud"},
    {{"--"}, ""},
    {{"-x"}, "error: unknown option -x"},
    {{"-xz"}, "error: unknown option -x"},
    {{"-zx"}, "error: unknown option -x"},
    {{"twice"}, "error: unexpected argument twice"},
    {{"-"}, "error: unexpected argument -"},
    {{"--", "-n"}, "error: unexpected argument -n"},
};
INSTANTIATE_TEST_SUITE_P(Flags, CommandLine, testing::ValuesIn(kFlags));

const ParseRow kFiles[] = {
    {{"--list", "a.txt"}, "list=a.txt"},
    {{"--list=a.txt"}, "list=a.txt"},
    {{"--li", "-"}, "list=-"},
    {{"--list", "a.txt", "--list", "b.txt"}, "list=b.txt"},
    {{"--list", "-n"}, "list=-n"},
    {{"--list", "a.txt", "stray"}, "error: unexpected argument stray"},
    {{"--list="}, "error: --list " + kListWanted},
    {{"--list"}, "error: --list " + kListWanted},
    {{"--exclude", "e.txt"}, "exclude=e.txt"},
    {{"--exclude=e.txt", "--exclude", "f.txt"}, "exclude=e.txt exclude=f.txt"},
    {{"--exclude", "-"}, "exclude=-"},
    {{"--exclude="}, "error: " + kExcludeWanted},
    {{"--exclude"}, "error: " + kExcludeWanted},
    {{"--list", "-", "--exclude", "-"}, kBothFromInput},
    {{"--exclude", "-", "--list", "/dev/stdin"}, kBothFromInput},
    {{"--list", "-", "--exclude", "/dev/stdin"}, kBothFromInput},
    {{"--list", "/dev/fd/0", "--exclude", "e.txt", "--exclude", "-"}, kBothFromInput},
    {{"--check", "-", "--exclude", "/proc/self/fd/0"}, kBothFromInput},
    {{"--exclude", "-", "--exclude", "-"}, kTwoFromInput},
    {{"--exclude", "/dev/stdin", "--exclude", "-"}, kTwoFromInput},
    {{"--list", "-", "--exclude", "e.txt"}, "list=- exclude=e.txt"},
};
INSTANTIATE_TEST_SUITE_P(Files, CommandLine, testing::ValuesIn(kFiles));

const ParseRow kChecks[] = {
    {{"--check"}, "check"},
    {{"--check", "a.txt"}, "check list=a.txt"},
    {{"--check=a.txt"}, "check list=a.txt"},
    {{"--ch", "a.txt"}, "check list=a.txt"},
    {{"--check", "-"}, "check list=-"},
    {{"--check", "--", "-x.txt"}, "check list=-x.txt"},
    {{"a.txt", "--check"}, "check list=a.txt"},
    {{"--check", "--exclude", "e.txt", "a.txt"}, "check list=a.txt exclude=e.txt"},
    {{"--list", "a.txt", "--check"}, "check list=a.txt"},
    {{"--check", "a.txt", "b.txt"}, "error: unexpected argument b.txt"},
    {{"--check", "--", "a.txt", "b.txt"}, "error: unexpected argument b.txt"},
    {{"--check", "b.txt", "--list", "a.txt"}, kTwoLists},
    {{"--list", "a.txt", "--check", "b.txt"}, kTwoLists},
    {{"--list", "a.txt", "--check", "--", "b.txt"}, kTwoLists},
    {{"--check="}, "error: --check " + kListWanted},
    {{"--check", "--single"}, "error: --single has no meaning with --check"},
    {{"-n", "3", "--check"}, "error: -n has no meaning with --check"},
    {{"--check", "--seed-text", "a"}, "error: --seed-text has no meaning with --check"},
    {{"--check", "--max-length", "9"}, "error: --max-length has no meaning with --check"},
    {{"--check", "--js"}, "error: --json has no meaning with --check"},
};
INSTANTIATE_TEST_SUITE_P(Check, CommandLine, testing::ValuesIn(kChecks));

const std::string kLanguageWanted = "--language takes the code of a language: de, en, es or fr";
const ParseRow kLanguages[] = {
    {{"--language", "de"}, "language=de"},
    {{"--language=fr"}, "language=fr"},
    {{"--lang", "es"}, "language=es"},
    {{"--language", "en", "--language", "de"}, "language=de"},
    {{"--language", "de", "--check"}, "check language=de"},
    {{"--language", "de", "--single", "-n", "3"}, "count=3 language=de single"},
    {{"--language", "pt"}, "error: " + kLanguageWanted},
    {{"--language", "DE"}, "error: " + kLanguageWanted},
    {{"--language", "de_DE"}, "error: " + kLanguageWanted},
    {{"--language="}, "error: " + kLanguageWanted},
    {{"--language"}, "error: " + kLanguageWanted},
    {{"--language", "de", "--list", "a.txt"},
     "error: --list names the list that --language would choose; give one of them"},
    {{"--list", "a.txt", "--language", "de"},
     "error: --list names the list that --language would choose; give one of them"},
    {{"--check", "a.txt", "--language", "de"},
     "error: --check FILE names the list that --language would choose; give one of them"},
    {{"a.txt", "--check", "--language", "de"},
     "error: --check FILE names the list that --language would choose; give one of them"},
};
INSTANTIATE_TEST_SUITE_P(Language, CommandLine, testing::ValuesIn(kLanguages));

const ParseRow kHelpAndVersion[] = {
    {{"--help"}, "help"},
    {{"--version"}, "version"},
    {{"--he"}, "help"},
    {{"--help", "--version"}, "help"},
    {{"--version", "--help"}, "version"},
    {{"--help", "--bogus"}, "help"},
    {{"--help", "--check"}, "help"},
    {{"--check", "--help"}, "help"},
    {{"--help", "-n", "x"}, "help"},
    {{"stray", "--version"}, "version"},
    {{"--single", "--help"}, "help single"},
    {{"--bogus", "--help"}, "error: unknown option --bogus"},
    {{"-n", "x", "--version"}, "error: -n " + kCountWanted},
    {{"--help=x"}, "error: --help takes no value"},
};
INSTANTIATE_TEST_SUITE_P(HelpAndVersion, CommandLine, testing::ValuesIn(kHelpAndVersion));

} // namespace
