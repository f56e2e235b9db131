#include "one_line.h"

#include "text_encoding.h"
#include "unseen_characters.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

bool BreaksTheLine(char16_t unit) {
    return (unit < 0x20 && unit != u'\t') || (unit >= 0x7F && unit <= 0x9F) || unit == 0x2028 ||
           unit == 0x2029;
}

// The embeddings, overrides and isolates, and what closes them.
bool IsBidi(Unseen kind) {
    return kind != Unseen::Shows && kind != Unseen::Ignored;
}

bool IsIsolate(char16_t opener) {
    return UnseenKind(opener) == Unseen::OpensIsolate;
}

// Leaves out the openers that nothing after them closes. A closer takes the nearest opener of
// its kind; an isolate's closer also closes what opened inside the isolate.
size_t DropUnclosedBidi(char16_t *text, size_t length) {
    std::vector<size_t> open; // positions of the openers not yet closed
    std::vector<bool> dropped(length);
    for (size_t i = 0; i < length; ++i) {
        switch (UnseenKind(text[i])) {
        case Unseen::OpensEmbedding:
        case Unseen::OpensIsolate:
            open.push_back(i);
            break;
        case Unseen::ClosesEmbedding:
            if (!open.empty() && !IsIsolate(text[open.back()]))
                open.pop_back();
            break;
        case Unseen::ClosesIsolate: {
            const auto isolate = std::find_if(open.rbegin(), open.rend(),
                                              [text](size_t at) { return IsIsolate(text[at]); });
            if (isolate != open.rend())
                open.erase(std::prev(isolate.base()), open.end());
            break;
        }
        case Unseen::Shows:
        case Unseen::Ignored:
            break;
        }
    }
    if (open.empty())
        return length;
    for (size_t at : open)
        dropped[at] = true;
    size_t kept = 0;
    for (size_t i = 0; i < length; ++i)
        if (!dropped[i])
            text[kept++] = text[i];
    return kept;
}

bool IsPrintableAscii(char16_t unit) {
    return unit >= 0x20 && unit < 0x7F;
}

} // namespace

size_t MakeOneLine(char16_t *text, size_t length) {
    // Most text is printable ASCII, left as it stands: it is only looked at.
    size_t kept = std::find_if_not(text, text + length, IsPrintableAscii) - text;
    bool bidi = false;
    for (size_t i = kept; i < length; ++i) {
        char16_t unit = text[i];
        if (IsPrintableAscii(unit)) {
            text[kept++] = unit;
            continue;
        }
        if (unit == u'\r' && i + 1 < length && text[i + 1] == u'\n')
            ++i; // CR LF is one line end, and one space
        if (BreaksTheLine(unit)) {
            unit = u' ';
        } else if (IsHighSurrogate(unit) && i + 1 < length && IsLowSurrogate(text[i + 1])) {
            text[kept++] = unit;
            unit = text[++i];
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            unit = 0xFFFD;
        }
        bidi |= IsBidi(UnseenKind(unit));
        text[kept++] = unit;
    }
    return bidi ? DropUnclosedBidi(text, kept) : kept;
}

std::u16string OneLine(std::u16string_view text) {
    std::u16string line(text);
    line.resize(MakeOneLine(line.data(), line.size()));
    return line;
}
