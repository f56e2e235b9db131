#include "list_check_summary.h"

#include "platform/display_text.h"
#include "platform/text_encoding.h"

#include <cstdio>
#include <string_view>
#include <utility>

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

// "1 noun", "2 nouns".
std::u16string Counted(uint64_t count, std::u16string_view noun) {
    return Decimal(count) + u' ' + std::u16string(noun) + (count == 1 ? u"" : u"s");
}

} // namespace

std::vector<std::u16string> SummaryLines(const std::u16string &name, const ListCheck &check,
                                         bool leftOut) {
    std::vector<std::u16string> lines = {u"list: " + name};
    if (check.lists.ListLanguage != Language::English)
        lines.push_back(u"language: " + std::u16string(CodeOf(check.lists.ListLanguage)));
    lines.push_back(u"encoding: " + EncodingName(check));
    lines.push_back(u"line ends: " + LineEnds(check));
    lines.push_back(u"lines: " + Decimal(check.lines) + u" (" +
                    Counted(check.comments, u"comment") + u", " + Decimal(check.blanks) +
                    u" blank" + (leftOut ? u", " + Decimal(check.leftOut) + u" left out)" : u")"));
    lines.push_back(u"words: " + Counted(check.lists.AdverbCount(), u"adverb") + u", " +
                    Counted(check.lists.AdjectiveCount(), u"adjective") + u", " +
                    Counted(check.lists.NounCount(), u"noun"));
    char share[16];
    std::snprintf(share, sizeof share, "%.3f", check.lists.AdverbShare);
    lines.push_back(u"adverb share: " + AsciiToUtf16(share));
    if (check.result == LoadResult::Loaded)
        lines.push_back(u"different epithets: at most " + Count(check.epithets) + u", or " +
                        Count(check.singleEpithets) + u" with --single");
    return lines;
}
