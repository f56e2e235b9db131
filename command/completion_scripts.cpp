#include "completion_scripts.h"

#include "option_table.h"

#include <string_view>
#include <vector>

namespace {

// What bash runs: candidates are read a line each, never split at spaces, and "--list=FILE"
// comes as one word, or as three where "=" breaks words. The word completed is never the
// command's own, so a word stands before it. @LONG@ stands for every long option, @CHOICES@
// for a case of each option whose value is one of a few, @FILES@ and @VALUES@ for the case
// patterns of the options that take a file or another value, @WORDS@ for every option.
constexpr std::string_view kBashScript =
    R"bash(# bash completion for vilify, made from its table of options

# The long option that $1 names, whole or by a beginning that names it alone.
_vilify_option() {
    local option found=()
    for option in @LONG@; do
        if [[ $option == "$1" ]]; then
            printf '%s\n' "$option"
            return
        fi
        [[ $option == "$1"* ]] && found+=("$option")
    done
    if ((${#found[@]} == 1)); then printf '%s\n' "${found[0]}"; fi
}

_vilify() {
    local current="${COMP_WORDS[COMP_CWORD]}" previous="${COMP_WORDS[COMP_CWORD-1]}" prefix=""
    if [[ $current == = ]]; then
        current=""
    elif [[ $previous == = ]]; then
        previous="${COMP_WORDS[COMP_CWORD-2]}"
    elif [[ $current == --*=* ]]; then
        previous="${current%%=*}"
        prefix="$previous="
        current="${current#*=}"
    fi
    [[ $previous == --?* ]] && previous="$(_vilify_option "$previous")"
    case "$previous" in
@CHOICES@    @FILES@)
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -f -- "$current")
        [[ -n $prefix ]] && COMPREPLY=("${COMPREPLY[@]/#/$prefix}")
        return ;;
    @VALUES@)
        COMPREPLY=()
        return ;;
    esac
    mapfile -t COMPREPLY < <(compgen -W '@WORDS@' -- "$current")
}
complete -F _vilify vilify
)bash";

// `script` with `mark` replaced by `text`, once.
std::string Filled(std::string script, std::string_view mark, const std::string &text) {
    return script.replace(script.find(mark), mark.size(), text);
}

// The words joined by `between`.
std::string Joined(const std::vector<std::string> &words, std::string_view between) {
    std::string joined;
    for (const std::string &word : words)
        joined += (joined.empty() ? "" : std::string(between)) + word;
    return joined;
}

// `text` for a word in single quotes, each quote closed, escaped and opened again.
std::string Quoted(std::string_view text) {
    std::string out;
    for (const char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out;
}

// An option's explanation cut to its first clause, for zsh's list, which takes no brackets
// (the explanations have none).
std::string Summary(std::string_view help) {
    help = help.substr(0, help.find_first_of(";:("));
    while (help.ends_with(' '))
        help.remove_suffix(1);
    return Quoted(help);
}

// The choices separated by `between`.
std::string Choices(std::span<const std::string_view> choices, std::string_view between) {
    return Joined(std::vector<std::string>(choices.begin(), choices.end()), between);
}

// What zsh completes a value of the kind with: files, the choices, or nothing.
std::string ZshValueAction(ValueKind kind) {
    if (kind == ValueKind::File)
        return "_files";
    if (!ChoicesOf(kind).empty())
        return "(" + Choices(ChoicesOf(kind), " ") + ")";
    return " ";
}

// The case of bash's script that completes an option's value from its choices.
std::string BashChoicesCase(const std::string &names, std::span<const std::string_view> choices) {
    return "    " + names + ")\n        mapfile -t COMPREPLY < <(compgen -W '" +
           Choices(choices, " ") + "' -- \"$current\")\n" +
           "        [[ -n $prefix ]] && COMPREPLY=(\"${COMPREPLY[@]/#/$prefix}\")\n" +
           "        return ;;\n";
}

} // namespace

std::string BashCompletion() {
    std::string choiceCases;
    std::vector<std::string> longNames, words, files, values;
    for (const OptionSpec &option : kOptions) {
        std::string names = "--" + std::string(option.longName);
        longNames.push_back(names);
        words.push_back(names);
        if (option.shortName) {
            words.push_back("-" + std::string(1, option.shortName));
            names += "|" + words.back();
        }
        if (option.value == ValueKind::File)
            files.push_back(names);
        else if (!ChoicesOf(option.value).empty())
            choiceCases += BashChoicesCase(names, ChoicesOf(option.value));
        else if (option.value != ValueKind::None)
            values.push_back(names);
    }
    std::string script = Filled(std::string(kBashScript), "@LONG@", Joined(longNames, " "));
    script = Filled(script, "@CHOICES@", choiceCases);
    script = Filled(script, "@FILES@", Joined(files, "|"));
    script = Filled(script, "@VALUES@", Joined(values, "|"));
    return Filled(script, "@WORDS@", Joined(words, " "));
}

std::string ZshCompletion() {
    std::string script = "#compdef vilify\n# zsh completion for vilify, made from its table of "
                         "options\n_arguments";
    for (const OptionSpec &option : kOptions) {
        const Takes takes = TakesOf(option);
        const std::string value = takes == Takes::Nothing ? ""
                                                          : ":" + std::string(option.valueName) +
                                                                ":" + ZshValueAction(option.value);
        // "=": the value after "=" in the same word, or in the next word.
        const std::string attach = takes == Takes::Nothing ? "" : "=";
        const std::string described =
            "[" + Summary(option.help) + "]" + (takes == Takes::OptionalValue ? ":" : "") + value;
        script += " \\\n    '--" + std::string(option.longName) + attach + described + "'";
        if (option.shortName)
            script += " \\\n    '-" + std::string(1, option.shortName) +
                      (takes == Takes::Value ? "+" : "") + described + "'";
    }
    return script + "\n";
}
