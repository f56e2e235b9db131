#include "list_check.h"

#include "platform/text_encoding.h"
#include "words/word_list.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <unordered_map>

namespace {

// The word class a tag stands for, as an index into kClassNames, or -1 for none.
int ClassOf(char16_t tag) {
    switch (tag) {
    case u'V':
    case u'v':
        return 0;
    case u'J':
    case u'j':
        return 1;
    case u'N':
    case u'n':
        return 2;
    default:
        return -1;
    }
}

constexpr std::array<std::u16string_view, 3> kClassNames = {u"adverb", u"adjective", u"noun"};

// Characters that change when a word is made one line, or that do not show, written out so
// that the message shows what the file holds.
bool ShownAsCode(char16_t unit) {
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F) || unit == 0x061C ||
           (unit >= 0x200E && unit <= 0x200F) || (unit >= 0x2028 && unit <= 0x202E) ||
           (unit >= 0x2066 && unit <= 0x2069) || (unit >= 0xD800 && unit <= 0xDFFF);
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// A word in quotes, with tabs, control characters, invisible controls and unpaired surrogates
// written as escapes.
std::u16string Quoted(std::u16string_view word) {
    std::u16string out = u"\"";
    for (size_t i = 0; i < word.size(); ++i) {
        const char16_t unit = word[i];
        if (IsHighSurrogate(unit) && i + 1 < word.size() && IsLowSurrogate(word[i + 1])) {
            out += word.substr(i++, 2);
        } else if (unit == u'\t') {
            out += u"\\t";
        } else if (unit == u'"' || unit == u'\\') {
            out += u'\\';
            out += unit;
        } else if (ShownAsCode(unit)) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned>(unit));
            out.append(code, code + 6);
        } else {
            out += unit;
        }
    }
    return out + u'"';
}

std::u16string Decimal(uint64_t number) {
    const std::string digits = std::to_string(number);
    return {digits.begin(), digits.end()};
}

class Checker {
public:
    explicit Checker(TextReader::Encoding encoding) { result_.encoding = encoding; }

    void line(std::u16string_view units);
    ListCheck take() { return std::move(result_); }
    ListCheck &result() { return result_; }

private:
    void word(int wordClass, std::u16string_view word, bool windows1252);
    void find(std::u16string message) { result_.findings.push_back({result_.lines, message}); }

    ListCheck result_;
    std::array<std::unordered_map<std::u16string, uint64_t>, 3> seen_; // word to its first line
};

void Checker::line(std::u16string_view units) {
    ++result_.lines;
    std::u16string text(units);
    bool windows1252 = false;
    if (result_.encoding == TextReader::Encoding::EightBit) {
        // The units are the line's bytes, UTF-8 if they can be.
        const std::string bytes(units.begin(), units.end());
        const size_t decoded = DecodeUtf8(bytes, text.data());
        windows1252 = decoded == kNotUtf8;
        text.resize(windows1252 ? units.size() : decoded);
        if (windows1252)
            DecodeCp1252(bytes, text.data());
    }

    const size_t first = text.find_first_not_of(u' ');
    if (first == text.npos) {
        ++result_.blanks;
        return;
    }
    std::u16string trimmed = text.substr(first, text.find_last_not_of(u' ') + 1 - first);
    const int wordClass = ClassOf(trimmed[0]);
    if (wordClass >= 0 && trimmed.size() == 1 && text.size() > first + 1) {
        find(u"the class letter " + trimmed + u" and a space, but no word: nothing is taken");
    } else if (wordClass >= 0 && trimmed.size() > 1 && trimmed[1] == u'\t') {
        find(u"a tab follows the class letter " + trimmed.substr(0, 1) +
             u", where a space must: nothing is taken");
    } else if (wordClass >= 0 && SplitTaggedLine(trimmed) != 0) {
        word(wordClass, trimmed, windows1252);
        return;
    }
    ++result_.comments;
}

void Checker::word(int wordClass, std::u16string_view word, bool windows1252) {
    if (windows1252) {
        ++result_.windows1252Words;
        find(u"not valid UTF-8, so read as Windows-1252: " + Quoted(word));
    }
    std::u16string cleaned(word);
    cleaned.resize(CleanWord(cleaned.data(), cleaned.size()));
    if (cleaned.empty()) {
        find(u"the word " + Quoted(word) + u" is nothing once cleaned: nothing is taken");
        ++result_.comments;
        return;
    }
    if (cleaned != word)
        find(u"the word " + Quoted(word) + u" is taken as " + Quoted(cleaned));
    if (cleaned.find(u'\t') != cleaned.npos)
        find(u"the word " + Quoted(cleaned) + u" holds a tab, which stays part of it");
    const auto [earlier, isNew] = seen_[wordClass].try_emplace(cleaned, result_.lines);
    if (!isNew)
        find(u"the " + std::u16string(kClassNames[wordClass]) + u' ' + Quoted(cleaned) +
             u" is on line " + Decimal(earlier->second) + u" too: it is drawn twice as often");
}

bool IsLineEnd(char16_t unit) {
    return unit == u'\n' || unit == u'\r';
}

} // namespace

ListCheck CheckWordList(const ByteSource &text) {
    TextReader reader(text);
    Checker checker(reader.encoding());
    ListCheck &counts = checker.result();
    // Lines are split as the loader splits them: CR LF, LF and a lone CR each end one.
    std::u16string line;
    bool lineFeedMayFollow = false; // the last chunk ended with CR, which may be half of CR LF
    for (std::u16string_view chunk = reader.next(); !chunk.empty(); chunk = reader.next()) {
        auto at = chunk.begin();
        if (lineFeedMayFollow) {
            lineFeedMayFollow = false;
            if (*at == u'\n') {
                ++at;
                --counts.carriageReturns;
                ++counts.crLf;
            }
        }
        while (at != chunk.end()) {
            const auto end = std::find_if(at, chunk.end(), IsLineEnd);
            line.append(at, end);
            if (end == chunk.end())
                break;
            checker.line(line);
            line.clear();
            at = end + 1;
            if (*end == u'\n') {
                ++counts.lineFeeds;
            } else if (at == chunk.end()) {
                ++counts.carriageReturns;
                lineFeedMayFollow = true;
            } else if (*at == u'\n') {
                ++at;
                ++counts.crLf;
            } else {
                ++counts.carriageReturns;
            }
        }
    }
    if (!line.empty())
        checker.line(line);
    return checker.take();
}
