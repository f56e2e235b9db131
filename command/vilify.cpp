#include "vilify.h"

#include "compose/epithet.h"
#include "console.h"
#include "list_check.h"
#include "option_table.h"
#include "platform/app_files.h"
#include "platform/byte_source.h"
#include "platform/display_text.h"
#include "platform/text_encoding.h"
#include "platform/xoshiro_random.h"
#include "words/load_failure.h"
#include "words/word_list.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>
#include <optional>
#include <string_view>

namespace fs = std::filesystem;

namespace {

constexpr int kFailed = 1;
constexpr int kWrongCommandLine = 2;

constexpr char kVersion[] = "vilify (Zestive Vilifex) " VILIFEX_VERSION "\n"
                            "Copyright (C) 2026 Zestive Vilifex developers\n"
                            "License MIT: <https://opensource.org/licenses/MIT>.\n"
                            "This is free software: you are free to change and redistribute it.\n"
                            "There is NO WARRANTY, to the extent permitted by law.\n";

std::u16string Widened(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

// The command line's words may hold anything: UTF-8 as such, other bytes as Windows-1252.
std::u16string FromArgument(std::string_view text) {
    std::u16string units(text.size(), u'\0');
    units.resize(Decode8Bit(text, units.data()));
    return units;
}

std::u16string Decimal(uint64_t number) {
    return Widened(std::to_string(number));
}

// Writes a message of lines ended by CR LF to standard error, a line at a time.
void Complain(Console &console, std::u16string_view message) {
    size_t end;
    while ((end = message.find(u"\r\n")) != message.npos) {
        console.complain(message.substr(0, end));
        message.remove_prefix(end + 2);
    }
    console.complain(message);
}

// The list the command reads: the one given ("-" for standard input), or the one the window
// would read.
struct ListSource {
    std::optional<fs::path> path; // none for standard input
    std::u16string name;          // as the messages and the report call it
    bool given = false;
};

ListSource ListOf(const Options &options) {
    if (!options.list) {
        const fs::path found =
            WordListPath(LocateAppFiles(ProgramDirectory(), UserDataDirectory()).wordListDirectory);
        return {found, PathText(found), false};
    }
    if (*options.list == "-")
        return {std::nullopt, u"(standard input)", true};
    return {*options.list, PathText(*options.list), true};
}

// Opens the list: a regular file where it lies; standard input, a pipe, a FIFO or a device
// read to its end. Says CannotOpen, with the reason, or TooLarge, where it cannot.
LoadResult OpenList(const ListSource &list, std::unique_ptr<ByteSource> &bytes,
                    std::error_code &error) {
    // Told apart before opening: a FIFO opened and closed again loses its writer.
    std::error_code unknown;
    const fs::file_type type =
        list.path ? fs::status(*list.path, unknown).type() : fs::file_type::fifo;
    if (type == fs::file_type::regular || type == fs::file_type::directory ||
        type == fs::file_type::not_found || unknown) {
        auto file = std::make_unique<FileBytes>();
        if (!file->open(*list.path, &error))
            return LoadResult::CannotOpen;
        bytes = std::move(file);
        return LoadResult::Loaded;
    }
    try {
        auto stream = std::make_unique<StreamBytes>();
        if (!stream->open(list.path ? &*list.path : nullptr, &error))
            return LoadResult::CannotOpen;
        bytes = std::move(stream);
        return LoadResult::Loaded;
    } catch (const std::bad_alloc &) {
        return LoadResult::TooLarge;
    }
}

// Says why the list cannot be used, always naming it, since a command may be pointed at any
// list: by the name it was given, or where it was found.
int CannotUse(Console &console, LoadResult result, const ListSource &list,
              const std::error_code &openError) {
    if (StopSignal())
        return kFailed; // Ctrl+C while waiting for the list: nothing to say

    Complain(console, list.given
                          ? NamedListFailureMessage(result, list.name, openError)
                          : LoadFailureMessage(result, *list.path, openError, ListNaming::Always));
    return kFailed;
}

// Says that `what` could not be written, unless its reader has gone.
int CannotWrite(Console &console, std::u16string_view what) {
    if (console.closed())
        return 0; // the reader took what it wanted, as `yes | head` does
    console.complain(u"Can't write the " + std::u16string(what) + u": " +
                     ErrorText(console.error()) + u".");
    return kFailed;
}

// Prints lines ended by LF, each with the system's own line end.
int PrintLines(Console &console, std::string_view text, std::u16string_view what) {
    size_t end;
    while ((end = text.find('\n')) != text.npos) {
        console.print(Widened(text.substr(0, end)));
        text.remove_prefix(end + 1);
    }
    return console.flush() ? 0 : CannotWrite(console, what);
}

int Print(const Options &options, Console &console) {
    const uint64_t seed = options.seed ? *options.seed : ClockSeed();
    if (options.showSeed)
        console.complain(u"seed " + Decimal(seed));
    XoshiroRandom random(seed);
    const ListSource list = ListOf(options);
    std::unique_ptr<ByteSource> bytes;
    std::error_code openError;
    if (const LoadResult opened = OpenList(list, bytes, openError); opened != LoadResult::Loaded)
        return CannotUse(console, opened, list, openError);
    WordLists lists;
    const LoadResult result = LoadWordList(lists, *bytes, random);
    if (result != LoadResult::Loaded)
        return CannotUse(console, result, list, {});
    for (uint64_t made = 0; (options.count == 0 || made < options.count) && !StopSignal(); ++made) {
        if (!console.print(
                ComposeEpithet(lists, options.single, options.commas, options.lengthOrder, random)))
            return CannotWrite(console, u"epithets");
    }
    return console.flush() ? 0 : CannotWrite(console, u"epithets");
}

std::u16string EncodingName(const ListCheck &check) {
    switch (check.encoding) {
    case TextReader::Encoding::Utf16LittleEndian:
        return u"UTF-16 little-endian";
    case TextReader::Encoding::Utf16BigEndian:
        return u"UTF-16 big-endian";
    case TextReader::Encoding::EightBit:
        break;
    }
    if (check.windows1252Words == 0)
        return u"UTF-8";
    return u"UTF-8 (words read as Windows-1252: " + Decimal(check.windows1252Words) + u")";
}

std::u16string LineEnds(const ListCheck &check) {
    const std::pair<uint64_t, std::u16string_view> kinds[] = {
        {check.crLf, u"CR LF"}, {check.lineFeeds, u"LF"}, {check.carriageReturns, u"CR"}};
    std::u16string counted;
    std::u16string_view only = u"none";
    int found = 0;
    for (const auto &[count, name] : kinds) {
        if (count == 0)
            continue;
        counted += (found++ ? u", " : u"") + Decimal(count) + u' ' + std::u16string(name);
        only = name;
    }
    return found > 1 ? u"mixed: " + counted : std::u16string(only);
}

int Check(const Options &options, Console &console) {
    const ListSource list = ListOf(options);
    std::unique_ptr<ByteSource> bytes;
    std::error_code openError;
    if (const LoadResult opened = OpenList(list, bytes, openError); opened != LoadResult::Loaded)
        return CannotUse(console, opened, list, openError);

    const std::u16string &name = list.name;
    ListCheck check;
    try {
        check = CheckWordList(*bytes);
    } catch (const std::bad_alloc &) {
        return CannotUse(console, LoadResult::TooLarge, list, {}); // a line larger than memory
    }
    for (const Finding &finding : check.findings)
        console.print(name + u':' + Decimal(finding.line) + u": " + finding.message);

    // The counts are the loader's own, from the same bytes.
    XoshiroRandom random(0);
    WordLists lists;
    const LoadResult result = LoadWordList(lists, *bytes, random);
    char share[16];
    std::snprintf(share, sizeof share, "%.3f", lists.AdverbShare);
    console.print(u"encoding: " + EncodingName(check));
    console.print(u"line ends: " + LineEnds(check));
    console.print(u"lines: " + Decimal(check.lines) + u" (" + Decimal(check.comments) +
                  u" comments, " + Decimal(check.blanks) + u" blank)");
    console.print(u"words: " + Decimal(lists.AdverbCount()) + u" adverbs, " +
                  Decimal(lists.AdjectiveCount()) + u" adjectives, " + Decimal(lists.NounCount()) +
                  u" nouns");
    console.print(u"adverb share: " + Widened(share));
    // The status is the list's, whether or not anyone read the report; a failed write is told
    // after the verdict.
    const bool reported = console.flush();
    const int verdict = result == LoadResult::Loaded ? 0 : CannotUse(console, result, list, {});
    return std::max(verdict, reported ? 0 : CannotWrite(console, u"report"));
}

int Run(const std::vector<Argument> &arguments, Console &console) {
    const ParsedOptions parsed = ParseOptions(arguments);
    if (!parsed.error.empty()) {
        console.complain(FromArgument(parsed.error));
        const std::string usage = UsageText();
        std::string_view rest = usage;
        for (size_t end; (end = rest.find('\n')) != rest.npos; rest.remove_prefix(end + 1))
            console.complain(Widened(rest.substr(0, end)), false);
        console.complain(u"Try 'vilify --help' for more information.", false);
        return kWrongCommandLine;
    }
    switch (parsed.options.action) {
    case Action::Help:
        return PrintLines(console, HelpText(), u"help");
    case Action::Version:
        return PrintLines(console, kVersion, u"version");
    case Action::Check:
        return Check(parsed.options, console);
    case Action::Print:
        break;
    }
    return Print(parsed.options, console);
}

} // namespace

int RunVilify(const std::vector<Argument> &arguments, Console &console) {
    const int status = Run(arguments, console);
    // Ended by a signal, the status says so, as shells expect: 128 and its number.
    return StopSignal() ? 128 + StopSignal() : status;
}
