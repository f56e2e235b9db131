#include "options.h"

#include <charconv>
#include <string_view>

const char kUsage[] = "usage: vilify [-n COUNT] [--seed N] [--show-seed] [--single] [--no-commas] "
                      "[--no-length-order] [--list FILE] | --check [FILE] | --help | --version";

const char kHelp[] = R"(Usage: vilify [OPTION]...
Prints random abusive epithets, such as "necrotic, incontinent pustule", one a line, from the
word list that Zestive Vilifex reads.

  -n, --count COUNT    print COUNT epithets (1 unless given); 0 goes on until the
                       output is closed
      --seed N         seed the generator with N (0 to 18446744073709551615): the
                       same seed, list and options print the same epithets on every
                       system; without it the seed comes from the clock
      --show-seed      write the seed used to standard error
      --single         one adjective and a noun (Single Modifier)
      --no-commas      no comma between two adjectives (Use Commas off)
      --no-length-order  two adjectives in the order drawn (Length Order off)
      --list FILE      read the word list FILE instead of the program's own
      --check [FILE]   report, line by line, what the program makes of a word list
                       (FILE, or the one it would read), then sum it up
      --help           print this help and end
      --version        print the version and end

Exit status: 0 on success; 1 when the word list cannot be used (with --check: when
the program could not run on it) or the epithets cannot be written; 2 for a wrong
command line.
)";

namespace {

bool ReadNumber(std::string_view text, uint64_t &number) {
    const char *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    return !text.empty() && text.front() != '-' && error == std::errc() && stop == end;
}

// The option's value: after "=" in the same word, or the next word.
class ArgumentCursor {
public:
    explicit ArgumentCursor(const std::vector<Argument> &arguments) : arguments_(arguments) {}

    bool done() const { return next_ >= arguments_.size(); }
    const Argument &take() { return arguments_[next_++]; }
    const Argument *peek() const { return done() ? nullptr : &arguments_[next_]; }

private:
    const std::vector<Argument> &arguments_;
    size_t next_ = 0;
};

} // namespace

ParsedOptions ParseOptions(const std::vector<Argument> &arguments) {
    ParsedOptions parsed;
    Options &options = parsed.options;
    ArgumentCursor cursor(arguments);
    const auto fail = [&](std::string error) {
        parsed.error = std::move(error);
        return parsed;
    };

    while (!cursor.done()) {
        const Argument &argument = cursor.take();
        std::string_view name = argument.text;
        std::optional<Argument> attached; // the value given in the same word
        if (name.starts_with("--")) {
            if (const size_t equals = name.find('='); equals != name.npos) {
                // The path is cut from the system's own form, so that it keeps every byte.
                const auto &native = argument.path.native();
                const auto value =
                    native.substr(native.find(std::filesystem::path::value_type('=')) + 1);
                attached = Argument{std::string(name.substr(equals + 1)), value};
                name = name.substr(0, equals);
            }
        } else if (name.starts_with("-n") && name.size() > 2) {
            attached = Argument{std::string(name.substr(2)), {}};
            name = "-n";
        }
        const auto value = [&]() -> const Argument * {
            if (attached)
                return &*attached;
            return cursor.done() ? nullptr : &cursor.take();
        };
        const auto takesNoValue = [&] { return !attached; };

        if (name == "-n" || name == "--count") {
            const Argument *count = value();
            if (!count || !ReadNumber(count->text, options.count))
                return fail("-n takes a whole number of epithets, 0 or more");
        } else if (name == "--seed") {
            uint64_t seed = 0;
            const Argument *given = value();
            if (!given || !ReadNumber(given->text, seed))
                return fail("--seed takes a whole number from 0 to 18446744073709551615");
            options.seed = seed;
        } else if (name == "--list") {
            const Argument *file = value();
            if (!file || file->text.empty())
                return fail("--list takes the word list's file name");
            options.list = file->path;
        } else if (name == "--check") {
            options.action = Action::Check;
            // The file is optional, so only a word that is no option can be it.
            if (attached) {
                options.list = attached->path;
            } else if (const Argument *file = cursor.peek(); file && !file->text.starts_with('-')) {
                options.list = cursor.take().path;
            }
        } else if (takesNoValue() && name == "--single") {
            options.single = true;
        } else if (takesNoValue() && name == "--no-commas") {
            options.commas = false;
        } else if (takesNoValue() && name == "--no-length-order") {
            options.lengthOrder = false;
        } else if (takesNoValue() && name == "--show-seed") {
            options.showSeed = true;
        } else if (takesNoValue() && name == "--help") {
            options.action = Action::Help;
        } else if (takesNoValue() && name == "--version") {
            options.action = Action::Version;
        } else if (name.starts_with('-')) {
            return fail("unknown option " + std::string(argument.text));
        } else {
            return fail("unexpected argument " + std::string(argument.text));
        }
    }
    return parsed;
}
