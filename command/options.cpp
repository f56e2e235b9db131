#include "options.h"

#include "option_table.h"

#include <algorithm>
#include <string_view>

namespace fs = std::filesystem;

uint64_t SeedFromText(std::string_view bytes) {
    uint64_t hash = 14695981039346656037u;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211u;
    }
    return hash;
}

namespace {

// The part of `argument` past its first `skip` characters ("--list=", "-n": ASCII, one unit
// on every system), its path cut from the system's own form, so that it keeps every byte.
Argument Rest(const Argument &argument, size_t skip) {
    const auto &native = argument.path.native();
    return {argument.text.substr(skip), native.substr(std::min(skip, native.size()))};
}

unsigned ActionBit(Action action) {
    return action == Action::Check ? ForChecking : ForPrinting;
}

// Standard input can be read once: by "-", or by the names the system gives it.
bool NamesStandardInput(const fs::path &path) {
    return path == "-" || path == "/dev/stdin" || path == "/dev/fd/0" || path == "/proc/self/fd/0";
}

// One option as the command line spells it, with a value given in the same word.
struct SpelledOption {
    const OptionSpec *option = nullptr;
    std::string spelling; // "--single" for "--sing", "-n" for "-n3"
    std::optional<Argument> attached;
    std::string error; // why the word names no option
};

SpelledOption Identify(const Argument &argument) {
    const std::string_view text = argument.text;
    SpelledOption spelled;
    if (!text.starts_with("--")) {
        spelled.option = FindShortOption(text[1]);
        if (!spelled.option)
            spelled.error = "unknown option " + std::string(text.substr(0, 2));
        spelled.spelling = text.substr(0, 2);
        if (text.size() > 2)
            spelled.attached = Rest(argument, 2);
        return spelled;
    }
    const size_t equals = text.find('=');
    const std::string_view name = text.substr(2, equals - 2);
    std::string ambiguous;
    spelled.option = FindLongOption(name, ambiguous);
    if (!spelled.option && !ambiguous.empty())
        spelled.error = "option --" + std::string(name) + " is ambiguous; it could be " + ambiguous;
    else if (!spelled.option)
        spelled.error = "unknown option --" + std::string(name);
    else
        spelled.spelling = "--" + std::string(spelled.option->longName);
    if (equals != text.npos)
        spelled.attached = Rest(argument, equals + 1);
    return spelled;
}

// Finds the option's value, in its own word or the next; a short option that takes none passes
// the rest of its word on as more short options ("-zn3" as "-z -n3"). Says what is wrong, or
// nothing.
std::string TakeValue(const SpelledOption &spelled, std::vector<Argument> &words, size_t &next,
                      const Argument *&value) {
    const std::optional<Argument> &attached = spelled.attached;
    const bool isLong = spelled.spelling.starts_with("--");
    switch (TakesOf(*spelled.option)) {
    case Takes::Nothing:
        if (attached && isLong)
            return spelled.spelling + " takes no value";
        if (attached && attached->text.starts_with('-'))
            return "unknown option '-' in " + spelled.spelling + attached->text;
        if (attached)
            words.insert(
                words.begin() + static_cast<std::ptrdiff_t>(next),
                {"-" + attached->text, std::filesystem::path("-").concat(attached->path.native())});
        break;
    case Takes::Value:
        if (!attached && next == words.size())
            return WantsMessage(*spelled.option, spelled.spelling);
        value = attached ? &*attached : &words[next++];
        break;
    case Takes::OptionalValue:
        // Only a word that is no option can be the value given apart.
        if (attached)
            value = &*attached;
        else if (next < words.size() && !words[next].text.starts_with('-'))
            value = &words[next++];
        break;
    }
    return {};
}

// An option as it was given: its spelling, and whether a value came with it.
struct GivenOption {
    const OptionSpec *option;
    std::string spelling;
    bool valued;
};

bool WasGiven(const std::vector<GivenOption> &given, OptionId id, bool valued) {
    return std::any_of(given.begin(), given.end(), [id, valued](const GivenOption &g) {
        return g.option->id == id && (g.valued || !valued);
    });
}

// What is wrong with reading standard input more than once, or nothing.
std::string ReadsStandardInputTwice(const Options &options) {
    const auto fromInput =
        std::count_if(options.exclude.begin(), options.exclude.end(),
                      [](const fs::path &file) { return NamesStandardInput(file); });
    if (fromInput > 0 && options.list && NamesStandardInput(*options.list))
        return "the list and the words to leave out cannot both come from standard input";
    if (fromInput > 1)
        return "two files of words to leave out cannot both come from standard input";
    return {};
}

// What is wrong with the options taken together, or nothing: a word left over, two names of the
// list, standard input read twice, an option the action ignores.
std::string CheckTogether(Options &options, const std::vector<Argument> &operands,
                          const std::vector<GivenOption> &given) {
    bool checkNamesFile = WasGiven(given, OptionId::Check, true);
    // After "--" a word may be --check's file all the same, as "-x" can be no other way.
    size_t stray = 0;
    if (options.action == Action::Check && !checkNamesFile && !operands.empty()) {
        options.list = operands.front().path;
        checkNamesFile = true;
        stray = 1;
    }
    if (stray < operands.size())
        return "unexpected argument " + operands[stray].text;
    if (checkNamesFile && WasGiven(given, OptionId::List, false))
        return "--list and --check FILE both name the list to check; give one of them";
    if (WasGiven(given, OptionId::Language, false) && options.list)
        return std::string(checkNamesFile ? "--check FILE" : "--list") +
               " names the list that --language would choose; give one of them";
    if (std::string twice = ReadsStandardInputTwice(options); !twice.empty())
        return twice;
    for (const GivenOption &g : given)
        if (!(g.option->actions & ActionBit(options.action)))
            return g.spelling + " has no meaning with --check";
    return {};
}

} // namespace

ParsedOptions ParseOptions(const std::vector<Argument> &arguments) {
    ParsedOptions parsed;
    Options &options = parsed.options;
    std::vector<Argument> words = arguments; // "-zn3" becomes "-z" and "-n3"
    std::vector<Argument> operands;
    std::vector<GivenOption> given;
    bool optionsEnded = false;

    for (size_t next = 0; next < words.size();) {
        const Argument argument = words[next++];
        const std::string_view text = argument.text;
        if (optionsEnded || text == "-" || !text.starts_with('-')) {
            operands.push_back(argument);
            continue;
        }
        if (text == "--") {
            optionsEnded = true;
            continue;
        }
        const SpelledOption spelled = Identify(argument);
        const Argument *word = nullptr;
        std::string error = spelled.error;
        if (error.empty())
            error = TakeValue(spelled, words, next, word);
        OptionValue value;
        if (error.empty() && word && !ReadValue(*spelled.option, *word, value))
            error = WantsMessage(*spelled.option, spelled.spelling);
        if (!error.empty()) {
            parsed.error = std::move(error);
            return parsed;
        }
        spelled.option->apply(options, value);
        // As GNU programs do, the first of --help and --version acts, whatever follows.
        if (options.action == Action::Help || options.action == Action::Version)
            return parsed;
        given.push_back({spelled.option, spelled.spelling, word != nullptr});
    }
    parsed.error = CheckTogether(options, operands, given);
    return parsed;
}
