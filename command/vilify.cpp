#include "vilify.h"

#include "command_streams.h"
#include "compose/epithet_counts.h"
#include "compose/epithet_within.h"
#include "json_line.h"
#include "list_check_report.h"
#include "list_source.h"
#include "option_table.h"
#include "platform/byte_source.h"
#include "platform/display_text.h"
#include "platform/text_encoding.h"
#include "platform/xoshiro_random.h"
#include "words/word_list.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>

namespace {

constexpr int kFailed = 1;
constexpr int kWrongCommandLine = 2;

constexpr char kVersion[] = "vilify (Zestive Vilifex) " VILIFEX_VERSION "\n"
                            "Copyright (C) 2026 Zestive Vilifex developers\n"
                            "License MIT: <https://opensource.org/licenses/MIT>.\n"
                            "This is free software: you are free to change and redistribute it.\n"
                            "There is NO WARRANTY, to the extent permitted by law.\n";

// The command line's words may hold anything: UTF-8 as such, other bytes as Windows-1252.
std::u16string ArgumentToUtf16(std::string_view text) {
    std::u16string units(text.size(), u'\0');
    units.resize(EightBitToUtf16(text, units.data()));
    return units;
}

// Prints lines ended by LF, each with the system's own line end.
int PrintText(CommandStreams &streams, std::string_view text, std::u16string_view what) {
    size_t end;
    while ((end = text.find('\n')) != text.npos) {
        streams.print(AsciiToUtf16(text.substr(0, end)));
        text.remove_prefix(end + 1);
    }
    return streams.flush() ? 0 : CannotWrite(streams, what);
}

// An epithet too long is made again, but not for ever: a list may make none short enough.
// Counted in a row, so that a long run of epithets never uses it up.
constexpr uint64_t kMostTries = 1'000'000;

// Lines that come slowly, as a tight --max-length makes them, go out rather than wait for the
// buffer to fill: what is buffered is written once the search for the next line has taken this
// many tries, about a hundredth of a second's work. Counted rather than timed, as counting
// costs nothing.
constexpr uint64_t kTriesBeforeWriting = 10'000;

// "1 character", "12 characters".
std::u16string Characters(uint64_t count) {
    return Decimal(count) + (count == 1 ? u" character" : u" characters");
}

// Says that no epithet fits within --max-length, and how it is known.
int NoneFits(CommandStreams &streams, const std::u16string &message) {
    streams.printError(message);
    return kFailed;
}

int PrintEpithets(const Options &options, CommandStreams &streams) {
    const uint64_t seed = options.seed ? *options.seed : ClockSeed();
    if (options.showSeed)
        streams.printError(u"seed " + Decimal(seed));
    XoshiroRandom random(seed);
    ListInput input;
    if (const auto failed = OpenInput(options, streams, input))
        return *failed;
    const ListSource &list = input.list;
    WordLists lists;
    uint64_t longLine = 0;
    const LoadResult result =
        LoadWordList(lists, *input.bytes, random, input.excluded(), &longLine, StopAsked);
    if (StopSignal())
        return EndStopped(); // the list was read in part: nothing to say about it
    if (result != LoadResult::Loaded)
        return CannotLoad(streams, result, input, longLine);
    // The list's shapes may rule the length out at once.
    if (options.maxLength) {
        const uint64_t shortest = *FindShortestEpithets(lists, options.style).fewest();
        if (shortest > *options.maxLength)
            return NoneFits(streams, list.name + u" can make no epithet of at most " +
                                         Characters(*options.maxLength) + u": the shortest has " +
                                         Decimal(shortest));
    }

    const std::u16string_view end = options.null ? std::u16string_view(u"\0", 1) : kLineEnd;
    std::vector<EpithetWord> words;
    const uint64_t maxLength = options.maxLength ? *options.maxLength : UINT64_MAX;
    for (uint64_t made = 0; (options.count == 0 || made < options.count) && !StopSignal(); ++made) {
        uint64_t tries = 0;
        const auto goOn = [&] {
            if (++tries == kTriesBeforeWriting)
                streams.flush(); // a failure shows at the next line
            return !StopSignal();
        };
        const std::optional<std::u16string> epithet =
            ComposeWithin(lists, options.style, maxLength, kMostTries, random,
                          options.json ? &words : nullptr, goOn);
        if (!epithet && StopSignal())
            break;
        if (!epithet) {
            if (!streams.flush())
                CannotWrite(streams, u"epithets");
            return NoneFits(streams, list.name + u" made no epithet of at most " +
                                         Characters(maxLength) + u" in a million tries");
        }
        if (!streams.print(options.json ? JsonLine(*epithet, words) : *epithet, end))
            return CannotWrite(streams, u"epithets");
    }
    return streams.flush() ? 0 : CannotWrite(streams, u"epithets");
}

int Run(const std::vector<Argument> &arguments, CommandStreams &streams) {
    const ParsedOptions parsed = ParseOptions(arguments);
    if (!parsed.error.empty()) {
        streams.printError(ArgumentToUtf16(parsed.error));
        const std::string usage = UsageText();
        std::string_view rest = usage;
        for (size_t end; (end = rest.find('\n')) != rest.npos; rest.remove_prefix(end + 1))
            streams.printError(AsciiToUtf16(rest.substr(0, end)), false);
        streams.printError(u"Try 'vilify --help' for more information.", false);
        return kWrongCommandLine;
    }
    switch (parsed.options.action) {
    case Action::Help:
        return PrintText(streams, HelpText(), u"help");
    case Action::Version:
        return PrintText(streams, kVersion, u"version");
    case Action::Check:
        return ReportListCheck(parsed.options, streams);
    case Action::Print:
        break;
    }
    return PrintEpithets(parsed.options, streams);
}

} // namespace

int RunVilify(const std::vector<Argument> &arguments, CommandStreams &streams) {
    const int status = Run(arguments, streams);
    // Ended by a signal, the status says so, as shells expect: 128 and its number.
    return StopSignal() ? 128 + StopSignal() : status;
}
