#pragma once

#include <string>
#include <string_view>

// Every option of the command, once: the parser, --help, the usage line and the shells'
// completions are made from this table, and a test holds the manual page to it.

enum class OptionId {
    Count,
    Seed,
    SeedText,
    ShowSeed,
    Single,
    NoCommas,
    NoLengthOrder,
    MaxLength,
    Exclude,
    Null,
    Json,
    List,
    Check,
    Help,
    Version
};

enum class Takes {
    Nothing,
    Value,         // in the same word after "=", or the next word
    OptionalValue, // after "=", or the next word where that is no option
};

// What completes an option's value in a shell.
enum class Completes { Nothing, File };

// The actions an option has a meaning for; with any other it is a usage error.
enum ForAction : unsigned { ForPrinting = 1, ForChecking = 2, ForAny = 3 };

struct OptionSpec {
    OptionId id;
    char shortName; // '\0' for none
    std::string_view longName;
    Takes takes;
    std::string_view valueName; // as --help shows it
    Completes completes;
    unsigned actions; // ForAction bits
    std::string_view help;
};

// clang-format off
inline constexpr OptionSpec kOptions[] = {
    {OptionId::Count, 'n', "count", Takes::Value, "COUNT", Completes::Nothing, ForPrinting,
     "print COUNT epithets (1 unless given); 0 goes on until the output is closed"},
    {OptionId::Seed, '\0', "seed", Takes::Value, "N", Completes::Nothing, ForPrinting,
     "seed the generator with N (0 to 18446744073709551615): the same seed, list and "
     "options print the same epithets on every system; without it the seed comes from the "
     "clock"},
    {OptionId::SeedText, '\0', "seed-text", Takes::Value, "TEXT", Completes::Nothing, ForPrinting,
     "seed the generator from TEXT, for an epithet of the day or one for each user: the "
     "seed is the 64-bit FNV-1a hash of TEXT's UTF-8 bytes"},
    {OptionId::ShowSeed, '\0', "show-seed", Takes::Nothing, "", Completes::Nothing, ForPrinting,
     "write the seed used to standard error"},
    {OptionId::Single, '\0', "single", Takes::Nothing, "", Completes::Nothing, ForPrinting,
     "one adjective and a noun (Single Modifier)"},
    {OptionId::NoCommas, '\0', "no-commas", Takes::Nothing, "", Completes::Nothing, ForPrinting,
     "no comma between two adjectives (Use Commas off)"},
    {OptionId::NoLengthOrder, '\0', "no-length-order", Takes::Nothing, "", Completes::Nothing,
     ForPrinting, "two adjectives in the order drawn (Length Order off)"},
    {OptionId::MaxLength, '\0', "max-length", Takes::Value, "N", Completes::Nothing, ForPrinting,
     "print only epithets of at most N characters"},
    {OptionId::Exclude, '\0', "exclude", Takes::Value, "FILE", Completes::File, ForAny,
     "leave out the words listed in FILE, one a line; with --check, say which of them the "
     "list does not hold"},
    {OptionId::Null, 'z', "null", Takes::Nothing, "", Completes::Nothing, ForPrinting,
     "end each epithet with a NUL character, not a line end"},
    {OptionId::Json, '\0', "json", Takes::Nothing, "", Completes::Nothing, ForPrinting,
     "print each epithet as a JSON object: the epithet and its words with their classes"},
    {OptionId::List, '\0', "list", Takes::Value, "FILE", Completes::File, ForAny,
     "read the word list FILE instead of the program's own"},
    {OptionId::Check, '\0', "check", Takes::OptionalValue, "FILE", Completes::File, ForChecking,
     "report, line by line, what the program makes of a word list (FILE, or the one it "
     "would read), then sum it up"},
    {OptionId::Help, '\0', "help", Takes::Nothing, "", Completes::Nothing, ForAny,
     "print this help and end"},
    {OptionId::Version, '\0', "version", Takes::Nothing, "", Completes::Nothing, ForAny,
     "print the version and end"},
};
// clang-format on

// The option called `longName` (without "--") or, failing that, the one option whose name it
// begins; `ambiguous` lists the candidates when it begins several.
const OptionSpec *FindLongOption(std::string_view longName, std::string &ambiguous);
const OptionSpec *FindShortOption(char shortName);
const OptionSpec &SpecOf(OptionId id);

// The option as --help names it: "-n, --count" or "--seed".
std::string OptionName(const OptionSpec &option);

// The usage line, wrapped within 79 columns.
std::string UsageText();

// What --help prints, within 79 columns.
std::string HelpText();

// Completion scripts for bash and zsh.
std::string BashCompletion();
std::string ZshCompletion();
