#pragma once

#include "platform/text_reader.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

// How a line ended; the last line of a text may have no end.
enum class LineEnd { None, LineFeed, CarriageReturn, CrLf };

inline bool IsLineEnd(char16_t unit) {
    return unit == u'\n' || unit == u'\r';
}

// Splits a text into lines as every reader of a word list must: CR LF, LF and a lone CR each
// end one, and a last line without an end counts too. `lines` is given each line piece by
// piece, `lines.piece(units, position)` for each part that lies in one chunk, then
// `lines.end(how)`. A template, so that the loader's inner loop is as fast as one written for
// it alone.
template <typename Lines> void SplitLines(TextReader &reader, Lines &lines) {
    bool carriageReturnLast = false; // the last chunk ended with CR, which may be half of CR LF
    bool lineBegun = false;
    for (std::u16string_view chunk = reader.next(); !chunk.empty(); chunk = reader.next()) {
        const uint64_t start = reader.chunkStart();
        size_t at = 0;
        if (carriageReturnLast) {
            carriageReturnLast = false;
            const bool crLf = chunk[0] == u'\n';
            lines.end(crLf ? LineEnd::CrLf : LineEnd::CarriageReturn);
            at = crLf ? 1 : 0;
        }
        while (at < chunk.size()) {
            const size_t end =
                std::find_if(chunk.begin() + at, chunk.end(), IsLineEnd) - chunk.begin();
            if (end > at) {
                lines.piece(chunk.substr(at, end - at), start + at);
                lineBegun = true;
            }
            if (end == chunk.size())
                break;
            lineBegun = false;
            at = end + 1;
            if (chunk[end] == u'\n')
                lines.end(LineEnd::LineFeed);
            else if (at == chunk.size())
                carriageReturnLast = true;
            else if (chunk[at] != u'\n')
                lines.end(LineEnd::CarriageReturn);
            else {
                ++at;
                lines.end(LineEnd::CrLf);
            }
        }
    }
    if (carriageReturnLast)
        lines.end(LineEnd::CarriageReturn);
    else if (lineBegun)
        lines.end(LineEnd::None);
}
