#include "escaped_text.h"

#include "platform/text_encoding.h"
#include "platform/unseen_characters.h"

#include <algorithm>
#include <cstdio>

namespace {

// Writes the text as Quoted does, without the quotes.
void AppendEscaped(std::u16string &out, std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            const char32_t code = CodePointOf(unit, text[i + 1]);
            if (IsUnseen(code))
                out += CodeOf(code);
            else
                out += text.substr(i, 2);
            ++i;
        } else if (unit == u'\t') {
            out += u"\\t";
        } else if (unit == u'"' || unit == u'\\') {
            out += u'\\';
            out += unit;
        } else if (ShownAsCode(unit)) {
            out += CodeOf(unit);
        } else {
            out += unit;
        }
    }
}

// Whether a name must be quoted to be read back: a backslash alone needs no quotes, as no
// escape stands in an unquoted name.
bool NeedsQuotes(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char16_t unit) { return unit == u'"' || ShownAsCode(unit); });
}

} // namespace

bool ShownAsCode(char16_t unit) {
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F) || unit == 0x2028 || unit == 0x2029 ||
           IsHighSurrogate(unit) || IsLowSurrogate(unit) || IsUnseen(unit) || IsOtherSpace(unit);
}

bool IsOtherSpace(char16_t unit) {
    return unit == 0x00A0 || unit == 0x1680 || (unit >= 0x2000 && unit <= 0x200A) ||
           unit == 0x202F || unit == 0x205F || unit == 0x3000;
}

std::u16string CodeOf(char32_t code) {
    char text[16];
    const int length =
        code > 0xFFFF ? std::snprintf(text, sizeof text, "\\U%08X", static_cast<unsigned>(code))
                      : std::snprintf(text, sizeof text, "\\u%04X", static_cast<unsigned>(code));
    return {text, text + length};
}

std::u16string Quoted(std::u16string_view word) {
    std::u16string out = u"\"";
    AppendEscaped(out, word);
    return out + u'"';
}

namespace {

// A path holds the system's own form of its name, so only one of the two is called.

// On Linux a name is bytes, UTF-8 where they are: the others are written as `\xFF`.
[[maybe_unused]] std::u16string NameText(const std::string &bytes) {
    std::u16string plain, escaped;
    bool quoted = false;
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = Utf8SequenceLength(static_cast<unsigned char>(bytes[i]));
        char16_t units[2];
        const size_t decoded = length > 0 && i + length <= bytes.size()
                                   ? Utf8ToUtf16(std::string_view(bytes).substr(i, length), units)
                                   : kNotUtf8;
        if (decoded != kNotUtf8) {
            plain.append(units, decoded);
            AppendEscaped(escaped, {units, decoded});
            i += length;
            continue;
        }
        char code[8];
        std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned char>(bytes[i++]));
        escaped.append(code, code + 4);
        quoted = true;
    }
    return quoted || NeedsQuotes(plain) ? u'"' + escaped + u'"' : plain;
}

// On Windows a name is UTF-16, whose unpaired surrogates Quoted writes as escapes.
[[maybe_unused]] std::u16string NameText(const std::wstring &units) {
    const std::u16string name(units.begin(), units.end());
    return NeedsQuotes(name) ? Quoted(name) : name;
}

} // namespace

std::u16string EscapedName(const std::filesystem::path &path) {
    return NameText(path.native());
}
