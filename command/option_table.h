#pragma once

#include "options.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Every option of the command, once: the parser, its messages, --help, the usage line and the
// shells' completions are made from this table, and a test holds the manual page to it.

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
    Language,
    Check,
    Help,
    Version
};

// What an option's value must be: the parser reads it by this, and says it where it is wrong.
enum class ValueKind {
    None,     // the option takes no value
    Count,    // a whole number, 0 or more
    Length,   // a whole number, 1 or more
    Seed,     // a whole number that 64 bits hold
    File,     // a file's name, never empty
    Text,     // any text, the empty one too
    Language, // the code of a language a list is shipped in
};

enum class Takes {
    Nothing,
    Value,         // in the same word after "=", or the next word
    OptionalValue, // after "=", or the next word where that is no option
};

// The actions an option has a meaning for; with any other it is a usage error.
enum ForAction : unsigned { ForPrinting = 1, ForChecking = 2, ForAny = 3 };

// An option's value as read: a number for the number kinds, else the word itself (none where
// an optional value was not given).
struct OptionValue {
    uint64_t number = 0;
    const Argument *word = nullptr;
};

struct OptionSpec {
    OptionId id;
    char shortName; // '\0' for none
    std::string_view longName;
    ValueKind value;
    bool valueOptional;         // only where value is not None
    std::string_view valueName; // as --help shows it
    std::string_view wants;     // what the value is, for "--seed takes ...": a number adds bounds
    unsigned actions;           // ForAction bits
    void (*apply)(Options &, const OptionValue &);
    std::string_view help;
};

// clang-format off
inline constexpr OptionSpec kOptions[] = {
    {OptionId::Count, 'n', "count", ValueKind::Count, false, "COUNT",
     "a whole number of epithets", ForPrinting,
     [](Options &o, const OptionValue &v) { o.count = v.number; },
     "print COUNT epithets (1 unless given); 0 goes on until the output is closed"},
    {OptionId::Seed, '\0', "seed", ValueKind::Seed, false, "N", "a whole number", ForPrinting,
     [](Options &o, const OptionValue &v) { o.seed = v.number; },
     "seed the generator with N (0 to 18446744073709551615): the same seed, list and "
     "options print the same epithets on every system; without it the seed comes from the "
     "clock"},
    {OptionId::SeedText, '\0', "seed-text", ValueKind::Text, false, "TEXT",
     "a text to make the seed from", ForPrinting,
     [](Options &o, const OptionValue &v) { o.seed = SeedFromText(v.word->text); },
     "seed the generator from TEXT, for an epithet of the day or one for each user: the "
     "seed is the 64-bit FNV-1a hash of TEXT's UTF-8 bytes"},
    {OptionId::ShowSeed, '\0', "show-seed", ValueKind::None, false, "", "", ForPrinting,
     [](Options &o, const OptionValue &) { o.showSeed = true; },
     "write the seed used to standard error"},
    {OptionId::Single, '\0', "single", ValueKind::None, false, "", "", ForPrinting,
     [](Options &o, const OptionValue &) { o.style.single = true; },
     "one adjective and a noun (Single Modifier)"},
    {OptionId::NoCommas, '\0', "no-commas", ValueKind::None, false, "", "", ForPrinting,
     [](Options &o, const OptionValue &) { o.style.commas = false; },
     "no comma between two adjectives (Use Commas off)"},
    {OptionId::NoLengthOrder, '\0', "no-length-order", ValueKind::None, false, "", "",
     ForPrinting, [](Options &o, const OptionValue &) { o.style.lengthOrder = false; },
     "two adjectives in the order drawn (Length Order off)"},
    {OptionId::MaxLength, '\0', "max-length", ValueKind::Length, false, "N",
     "a whole number of characters", ForPrinting,
     [](Options &o, const OptionValue &v) { o.maxLength = v.number; },
     "print only epithets of at most N characters"},
    {OptionId::Exclude, '\0', "exclude", ValueKind::File, false, "FILE",
     "the name of a file of words to leave out", ForAny,
     [](Options &o, const OptionValue &v) { o.exclude.push_back(v.word->path); },
     "leave out the words listed in FILE, one a line; given again, those of every FILE; "
     "with --check, say which of them the list does not hold"},
    {OptionId::Null, 'z', "null", ValueKind::None, false, "", "", ForPrinting,
     [](Options &o, const OptionValue &) { o.null = true; },
     "end each epithet with a NUL character, not a line end"},
    {OptionId::Json, '\0', "json", ValueKind::None, false, "", "", ForPrinting,
     [](Options &o, const OptionValue &) { o.json = true; },
     "print each epithet as a JSON object: the epithet and its words with their classes"},
    {OptionId::List, '\0', "list", ValueKind::File, false, "FILE", "the word list's file name",
     ForAny, [](Options &o, const OptionValue &v) { o.list = v.word->path; },
     "read the word list FILE instead of the program's own"},
    {OptionId::Language, '\0', "language", ValueKind::Language, false, "CODE",
     "the code of a language", ForAny,
     [](Options &o, const OptionValue &v) { o.language = v.word->text; },
     "read the word list shipped in the language CODE instead of the one of the user's "
     "language"},
    {OptionId::Check, '\0', "check", ValueKind::File, true, "FILE", "the word list's file name",
     ForChecking,
     [](Options &o, const OptionValue &v) {
         o.action = Action::Check;
         if (v.word)
             o.list = v.word->path;
     },
     "report, line by line, what the program makes of a word list (FILE, or the one it "
     "would read), then sum it up"},
    {OptionId::Help, '\0', "help", ValueKind::None, false, "", "", ForAny,
     [](Options &o, const OptionValue &) { o.action = Action::Help; },
     "print this help and end"},
    {OptionId::Version, '\0', "version", ValueKind::None, false, "", "", ForAny,
     [](Options &o, const OptionValue &) { o.action = Action::Version; },
     "print the version and end"},
};
// clang-format on

// The values an option of the kind may take, where they are few; none where any may do.
std::span<const std::string_view> ChoicesOf(ValueKind kind);

// How the option takes its value, by its row.
Takes TakesOf(const OptionSpec &option);

// What is wrong where the option's value is missing or not of its kind, said of the option as
// the user spelled it: "--max-length takes a whole number of characters from 1 to
// 18446744073709551615".
std::string WantsMessage(const OptionSpec &option, std::string_view spelled);

// Reads `word` as the option's value; false where it is not of the option's kind.
bool ReadValue(const OptionSpec &option, const Argument &word, OptionValue &value);

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
