#pragma once

#include "compose/epithet_style.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One word of the command line: its text, to match options against, and the path it names as
// the system gave it, whatever bytes or characters that holds.
struct Argument {
    std::string text; // UTF-8 on Windows, the bytes as given elsewhere
    std::filesystem::path path;
};

enum class Action { Print, Check, Help, Version };

// What the command was asked to do; the settings start as the window's menu does.
struct Options {
    Action action = Action::Print;
    uint64_t count = 1; // 0: until the output is closed
    EpithetStyle style;
    std::optional<std::filesystem::path> list; // else the list the window would read
    std::optional<std::string> language;       // a shipped list's language, instead
    std::optional<uint64_t> seed;              // else one from the clock
    bool showSeed = false;
    std::optional<uint64_t> maxLength;          // in UTF-16 units, as the window counts
    std::vector<std::filesystem::path> exclude; // files of words to leave out, all of them
    bool null = false;                          // NUL after each epithet
    bool json = false;
};

struct ParsedOptions {
    Options options;
    std::string error; // what is wrong with the command line; empty when nothing is
};

// The seed that --seed-text makes of its text: the 64-bit FNV-1a hash of its bytes.
uint64_t SeedFromText(std::string_view bytes);

// Reads the arguments that follow the command's name, as GNU programs do: options in any order
// (of one given twice the last counts, but --exclude adds its files up), a long option by any
// prefix that names it alone, "--" ending the options. --help or --version acts at once, as
// the first of them that comes, whatever follows it. An option that the chosen action would
// ignore is an error, and so are two names of the list, or two files read from standard input.
ParsedOptions ParseOptions(const std::vector<Argument> &arguments);
