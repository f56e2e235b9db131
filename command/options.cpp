#include "options.h"

#include "option_table.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace {

bool ReadNumber(std::string_view text, uint64_t &number) {
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    return !text.empty() && text.front() != '-' && error == std::errc() && stop == end;
}

// The part of `argument` past its first `skip` characters ("--list=", "-n": ASCII, one unit
// on every system), its path cut from the system's own form, so that it keeps every byte.
Argument Rest(const Argument &argument, size_t skip) {
    const auto &native = argument.path.native();
    return {argument.text.substr(skip), native.substr(std::min(skip, native.size()))};
}

unsigned ActionBit(Action action) {
    return action == Action::Check ? ForChecking : ForPrinting;
}

// What an option's value must be, said of it as the user spelled it.
std::string Wants(const OptionSpec &option, const std::string &spelled) {
    switch (option.id) {
    case OptionId::Count:
        return spelled + " takes a whole number of epithets, 0 or more";
    case OptionId::Seed:
        return spelled + " takes a whole number from 0 to 18446744073709551615";
    case OptionId::MaxLength:
        return spelled + " takes a whole number of characters";
    case OptionId::Exclude:
        return spelled + " takes the name of a file of words to leave out";
    default:
        return spelled + " takes the word list's file name";
    }
}

// Takes in one option and its value; says what is wrong, or nothing.
std::string Apply(const OptionSpec &option, const Argument *value, const std::string &spelled,
                  Options &options) {
    switch (option.id) {
    case OptionId::Count:
        if (!ReadNumber(value->text, options.count))
            return Wants(option, spelled);
        break;
    case OptionId::Seed: {
        uint64_t seed = 0;
        if (!ReadNumber(value->text, seed))
            return Wants(option, spelled);
        options.seed = seed;
        break;
    }
    case OptionId::SeedText:
        options.seed = SeedFromText(value->text);
        break;
    case OptionId::MaxLength: {
        uint64_t most = 0;
        if (!ReadNumber(value->text, most))
            return Wants(option, spelled);
        options.maxLength = most;
        break;
    }
    case OptionId::Exclude:
        if (value->text.empty())
            return Wants(option, spelled);
        options.exclude = value->path;
        break;
    case OptionId::Null:
        options.null = true;
        break;
    case OptionId::Json:
        options.json = true;
        break;
    case OptionId::List:
    case OptionId::Check:
        if (option.id == OptionId::Check)
            options.action = Action::Check;
        if (value && value->text.empty())
            return Wants(option, spelled);
        if (value)
            options.list = value->path;
        break;
    case OptionId::ShowSeed:
        options.showSeed = true;
        break;
    case OptionId::Single:
        options.style.single = true;
        break;
    case OptionId::NoCommas:
        options.style.commas = false;
        break;
    case OptionId::NoLengthOrder:
        options.style.lengthOrder = false;
        break;
    case OptionId::Help:
        options.action = Action::Help;
        break;
    case OptionId::Version:
        options.action = Action::Version;
        break;
    }
    return {};
}

} // namespace

uint64_t SeedFromText(std::string_view bytes) {
    uint64_t hash = 14695981039346656037u;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211u;
    }
    return hash;
}

namespace {

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
    switch (spelled.option->takes) {
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
            return Wants(*spelled.option, spelled.spelling);
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

// What is wrong with the options taken together, or nothing: a word left over, an option the
// action ignores.
std::string CheckTogether(Options &options, std::vector<Argument> &operands, bool checkNamedItsFile,
                          const std::vector<std::pair<const OptionSpec *, std::string>> &given) {
    // After "--" a word may be --check's file all the same, as "-x" can be no other way.
    if (options.action == Action::Check && !checkNamedItsFile && operands.size() == 1) {
        options.list = operands.front().path;
        operands.clear();
    }
    if (!operands.empty())
        return "unexpected argument " + operands.front().text;
    if (options.exclude && *options.exclude == "-" && options.list && *options.list == "-")
        return "the list and the words to leave out cannot both come from standard input";
    if (options.action == Action::Help || options.action == Action::Version)
        return {};
    for (const auto &[option, spelled] : given)
        if (!(option->actions & ActionBit(options.action)))
            return spelled + " has no meaning with --check";
    return {};
}

} // namespace

ParsedOptions ParseOptions(const std::vector<Argument> &arguments) {
    ParsedOptions parsed;
    Options &options = parsed.options;
    std::vector<Argument> words = arguments; // "-zn3" becomes "-z" and "-n3"
    std::vector<Argument> operands;
    std::vector<std::pair<const OptionSpec *, std::string>> given; // with their spellings
    bool optionsEnded = false;
    bool checkNamedItsFile = false;

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
        const Argument *value = nullptr;
        std::string error = spelled.error;
        if (error.empty())
            error = TakeValue(spelled, words, next, value);
        if (error.empty())
            error = Apply(*spelled.option, value, spelled.spelling, options);
        if (!error.empty()) {
            parsed.error = std::move(error);
            return parsed;
        }
        if (spelled.option->id == OptionId::Check)
            checkNamedItsFile = value != nullptr;
        given.emplace_back(spelled.option, spelled.spelling);
    }
    parsed.error = CheckTogether(options, operands, checkNamedItsFile, given);
    return parsed;
}
