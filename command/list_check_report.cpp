#include "list_check_report.h"

#include "list_check.h"
#include "list_source.h"
#include "platform/byte_source.h"
#include "platform/display_text.h"
#include "platform/text_encoding.h"
#include "words/excluded_words.h"

#include <algorithm>
#include <cstdio>
#include <new>

namespace {

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

// A count that may pass what 64 bits hold: whole below a thousand million million, else in
// three figures and a power of ten.
std::u16string Count(double count) {
    char text[32];
    std::snprintf(text, sizeof text, count < 1e15 ? "%.0f" : "%.3g", count);
    return AsciiToUtf16(text);
}

void PrintFindings(CommandStreams &streams, const std::u16string &name,
                   const std::vector<Finding> &findings) {
    for (const Finding &finding : findings)
        streams.print(name + u':' + (finding.line ? Decimal(finding.line) + u":" : u"") + u' ' +
                      finding.message);
}

void PrintSummary(CommandStreams &streams, const std::u16string &name, const ListCheck &check) {
    char share[16];
    std::snprintf(share, sizeof share, "%.3f", check.lists.AdverbShare);
    streams.print(u"list: " + name);
    streams.print(u"encoding: " + EncodingName(check));
    streams.print(u"line ends: " + LineEnds(check));
    streams.print(u"lines: " + Decimal(check.lines) + u" (" + Decimal(check.comments) +
                  u" comments, " + Decimal(check.blanks) + u" blank)");
    streams.print(u"words: " + Decimal(check.lists.AdverbCount()) + u" adverbs, " +
                  Decimal(check.lists.AdjectiveCount()) + u" adjectives, " +
                  Decimal(check.lists.NounCount()) + u" nouns");
    streams.print(u"adverb share: " + AsciiToUtf16(share));
    if (check.result == LoadResult::Loaded)
        streams.print(u"different epithets: at most " + Count(check.epithets) + u", or " +
                      Count(check.singleEpithets) + u" with --single");
}

} // namespace

int ReportListCheck(const Options &options, CommandStreams &streams) {
    ListInput input;
    if (const auto failed = OpenInput(options, streams, input))
        return *failed;
    const ListSource &list = input.list;

    ListCheck check;
    try {
        check = CheckList(*input.bytes, input.excluded());
    } catch (const std::bad_alloc &) {
        return CannotUse(streams, LoadResult::TooLarge, list, {}); // a word larger than memory
    }
    PrintFindings(streams, list.name, check.findings);
    for (const Finding &unused : check.unusedExclusions) {
        const ExcludedWords::Place place = input.leaveOut->placeOf(unused.line);
        PrintFindings(streams, input.leaveOutFiles[place.text].name,
                      {{place.line, unused.message}});
    }
    PrintSummary(streams, list.name, check);
    // The status is the list's, whether or not anyone read the report; a failed write is told
    // after the verdict.
    const bool reported = streams.flush();
    const int verdict =
        check.result == LoadResult::Loaded ? 0 : CannotLoad(streams, check.result, input);
    return std::max(verdict, reported ? 0 : CannotWrite(streams, u"report"));
}
