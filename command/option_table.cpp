#include "option_table.h"

#include "platform/app_files.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace {

// What each kind of value allows: the least number, or for a text the fewest characters. A
// number may be as large as 64 bits hold, and a message says both its bounds, so that one too
// large is told the most it may be.
struct KindRule {
    ValueKind kind;
    bool number;
    uint64_t least;
};

constexpr KindRule kKindRules[] = {
    {ValueKind::None, false, 0},     {ValueKind::Count, true, 0}, {ValueKind::Length, true, 1},
    {ValueKind::Seed, true, 0},      {ValueKind::File, false, 1}, {ValueKind::Text, false, 0},
    {ValueKind::Language, false, 1},
};

const KindRule &RuleOf(ValueKind kind) {
    return *std::find_if(std::begin(kKindRules), std::end(kKindRules),
                         [kind](const KindRule &rule) { return rule.kind == kind; });
}

// A whole number in decimal digits alone: no sign, no space, nothing after it.
bool ReadNumber(std::string_view text, uint64_t &number) {
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    return !text.empty() && text.front() != '-' && error == std::errc() && stop == end;
}

constexpr size_t kColumns = 79;
constexpr size_t kHelpColumn = 23; // where an option's explanation begins

// The words in lines of at most `width`, each after `indent`; the first line after
// `firstIndent` instead. A word may hold spaces: it is never broken.
std::string Wrapped(const std::vector<std::string> &words, size_t width,
                    std::string_view firstIndent, std::string_view indent) {
    std::string out(firstIndent);
    size_t column = firstIndent.size() - (firstIndent.rfind('\n') + 1); // npos + 1 is 0
    bool lineEmpty = true;
    for (const std::string &word : words) {
        if (!lineEmpty && column + 1 + word.size() > width) {
            out += '\n';
            out += indent;
            column = indent.size();
            lineEmpty = true;
        }
        if (!lineEmpty) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        lineEmpty = false;
    }
    return out + '\n';
}

// `text` broken at its spaces, as above.
std::string Wrapped(std::string_view text, size_t width, std::string_view firstIndent,
                    std::string_view indent) {
    std::vector<std::string> words;
    for (size_t space; (space = text.find(' ')) != text.npos; text.remove_prefix(space + 1))
        words.emplace_back(text.substr(0, space));
    words.emplace_back(text);
    return Wrapped(words, width, firstIndent, indent);
}

// "-n COUNT" or "--list FILE", as a usage line shows an option.
std::string UsageWord(const OptionSpec &option) {
    std::string word =
        option.shortName ? std::string{'-', option.shortName} : "--" + std::string(option.longName);
    if (TakesOf(option) == Takes::Value)
        word += " " + std::string(option.valueName);
    else if (TakesOf(option) == Takes::OptionalValue)
        word += " [" + std::string(option.valueName) + "]";
    return word;
}

} // namespace

std::span<const std::string_view> ChoicesOf(ValueKind kind) {
    if (kind == ValueKind::Language)
        return kShippedLanguages;
    return {};
}

// An option that takes no value has none to be optional: the table says so only of others.
static_assert(std::none_of(std::begin(kOptions), std::end(kOptions), [](const OptionSpec &option) {
    return option.value == ValueKind::None && option.valueOptional;
}));

Takes TakesOf(const OptionSpec &option) {
    if (option.value == ValueKind::None)
        return Takes::Nothing;
    return option.valueOptional ? Takes::OptionalValue : Takes::Value;
}

std::string WantsMessage(const OptionSpec &option, std::string_view spelled) {
    const KindRule &rule = RuleOf(option.value);
    std::string message = std::string(spelled) + " takes " + std::string(option.wants);
    if (rule.number)
        message += " from " + std::to_string(rule.least) + " to " + std::to_string(UINT64_MAX);
    const auto choices = ChoicesOf(option.value);
    for (size_t i = 0; i < choices.size(); ++i)
        message += (i == 0                   ? ": "
                    : i + 1 < choices.size() ? ", "
                                             : " or ") +
                   std::string(choices[i]);
    return message;
}

bool ReadValue(const OptionSpec &option, const Argument &word, OptionValue &value) {
    const KindRule &rule = RuleOf(option.value);
    value.word = &word;
    if (rule.number)
        return ReadNumber(word.text, value.number) && value.number >= rule.least;
    const auto choices = ChoicesOf(option.value);
    if (!choices.empty())
        return std::find(choices.begin(), choices.end(), word.text) != choices.end();
    return word.text.size() >= rule.least;
}

const OptionSpec *FindLongOption(std::string_view longName, std::string &ambiguous) {
    ambiguous.clear();
    std::vector<const OptionSpec *> begun;
    for (const OptionSpec &option : kOptions) {
        if (option.longName == longName)
            return &option;
        if (!longName.empty() && option.longName.starts_with(longName))
            begun.push_back(&option);
    }
    if (begun.size() == 1)
        return begun.front();
    for (const OptionSpec *option : begun)
        ambiguous += (ambiguous.empty() ? "'--" : " '--") + std::string(option->longName) + "'";
    return nullptr;
}

const OptionSpec *FindShortOption(char shortName) {
    const auto found =
        std::find_if(std::begin(kOptions), std::end(kOptions), [shortName](const OptionSpec &o) {
            return o.shortName != '\0' && o.shortName == shortName;
        });
    return found == std::end(kOptions) ? nullptr : found;
}

const OptionSpec &SpecOf(OptionId id) {
    return *std::find_if(std::begin(kOptions), std::end(kOptions),
                         [id](const OptionSpec &o) { return o.id == id; });
}

std::string OptionName(const OptionSpec &option) {
    const std::string longName = "--" + std::string(option.longName);
    return option.shortName ? std::string{'-', option.shortName} + ", " + longName : longName;
}

std::string UsageText() {
    const auto standsAlone = [](const OptionSpec &option) {
        return option.id == OptionId::Help || option.id == OptionId::Version;
    };
    std::vector<std::string> printing = {"vilify"};
    for (const OptionSpec &option : kOptions)
        if ((option.actions & ForPrinting) && !standsAlone(option))
            printing.push_back("[" + UsageWord(option) + "]");
    // The list to check is --check's own value.
    std::vector<std::string> checking = {"vilify", UsageWord(SpecOf(OptionId::Check))};
    for (const OptionSpec &option : kOptions)
        if (option.actions == ForAny && !standsAlone(option) && option.id != OptionId::List)
            checking.push_back("[" + UsageWord(option) + "]");
    const std::string indent(std::string_view("usage: vilify ").size(), ' ');
    return Wrapped(printing, kColumns, "usage: ", indent) +
           Wrapped(checking, kColumns, "   or: ", indent) + "   or: vilify --" +
           std::string(SpecOf(OptionId::Help).longName) + " | --" +
           std::string(SpecOf(OptionId::Version).longName) + "\n";
}

std::string HelpText() {
    std::string help = "Usage: vilify [OPTION]...\n";
    help += Wrapped("Prints random abusive epithets, such as \"necrotic, incontinent pustule\", "
                    "one a line, from the word list that Zestive Vilifex reads.",
                    kColumns, "", "");
    help += '\n';
    const std::string indent(kHelpColumn, ' ');
    for (const OptionSpec &option : kOptions) {
        std::string left = (option.shortName ? "  " : "      ") + OptionName(option);
        if (TakesOf(option) == Takes::Value)
            left += "=" + std::string(option.valueName);
        else if (TakesOf(option) == Takes::OptionalValue)
            left += "[=" + std::string(option.valueName) + "]";
        if (left.size() + 2 > kHelpColumn)
            left += "\n" + indent;
        else
            left.resize(kHelpColumn, ' ');
        help += Wrapped(option.help, kColumns, left, indent);
    }
    help += '\n';
    help += Wrapped("Exit status: 0 on success; 1 when the word list cannot be used (with "
                    "--check: when the program could not run on it) or the output cannot be "
                    "written; 2 for a wrong command line.",
                    kColumns, "", "");
    help += "\nReport bugs to: https://zestive.org/vilifex/issues\n"
            "Zestive Vilifex home page: <https://zestive.org/vilifex>\n";
    return help;
}
