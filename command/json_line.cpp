#include "json_line.h"

#include "escaped_text.h"

namespace {

// A JSON string: quotes and backslashes escaped, controls (a word keeps its tabs) as \u00XX.
void AppendString(std::u16string &out, std::u16string_view text) {
    out += u'"';
    for (const char16_t unit : text) {
        if (unit == u'"' || unit == u'\\') {
            out += u'\\';
            out += unit;
        } else if (unit < 0x20) {
            out += CodeOf(unit);
        } else {
            out += unit;
        }
    }
    out += u'"';
}

} // namespace

std::u16string JsonLine(std::u16string_view epithet, const std::vector<EpithetWord> &words) {
    std::u16string out = u"{\"epithet\":";
    AppendString(out, epithet);
    out += u",\"words\":[";
    for (size_t i = 0; i < words.size(); ++i) {
        out += i == 0 ? u"{\"word\":" : u",{\"word\":";
        AppendString(out, words[i].text);
        out += u",\"class\":";
        AppendString(out, ClassName(words[i].wordClass));
        out += u'}';
    }
    return out + u"]}";
}
