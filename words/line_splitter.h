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

// The most bytes of the text a line may take: a word list's line has no business being
// megabytes long, and a stream that never ends a line would be read until memory ran out.
inline constexpr uint64_t kLongestLine = uint64_t{16} << 20;

// Thrown where a line is longer than kLongestLine: reading stops there.
struct LineTooLong {
    uint64_t line; // from 1
};

// Splits a text into lines as every reader of a word list must: CR LF, LF and a lone CR each
// end one, and a last line without an end counts too. `lines` is given each line piece by
// piece, `lines.piece(units, position)` for each part that lies in one chunk, then
// `lines.end(how)`. A template, so that the loader's inner loop is as fast as one written for
// it alone. Throws LineTooLong where a line is longer than kLongestLine.
template <typename Lines> void SplitLines(TextReader &reader, Lines &lines) {
    bool carriageReturnLast = false; // the last chunk ended with CR, which may be half of CR LF
    bool lineBegun = false;
    const uint64_t longestUnits =
        kLongestLine / (reader.encoding() == TextReader::Encoding::EightBit ? 1 : 2);
    uint64_t ended = 0;     // lines
    uint64_t lineUnits = 0; // of the line begun
    const auto end = [&](LineEnd how) {
        ++ended;
        lineUnits = 0;
        lines.end(how);
    };
    for (std::u16string_view chunk = reader.next(); !chunk.empty(); chunk = reader.next()) {
        const uint64_t start = reader.chunkStart();
        size_t at = 0;
        if (carriageReturnLast) {
            carriageReturnLast = false;
            const bool crLf = chunk[0] == u'\n';
            end(crLf ? LineEnd::CrLf : LineEnd::CarriageReturn);
            at = crLf ? 1 : 0;
        }
        while (at < chunk.size()) {
            const size_t stop =
                std::find_if(chunk.begin() + at, chunk.end(), IsLineEnd) - chunk.begin();
            if (stop > at) {
                lineUnits += stop - at;
                if (lineUnits > longestUnits)
                    throw LineTooLong{ended + 1};
                lines.piece(chunk.substr(at, stop - at), start + at);
                lineBegun = true;
            }
            if (stop == chunk.size())
                break;
            lineBegun = false;
            at = stop + 1;
            if (chunk[stop] == u'\n')
                end(LineEnd::LineFeed);
            else if (at == chunk.size())
                carriageReturnLast = true;
            else if (chunk[at] != u'\n')
                end(LineEnd::CarriageReturn);
            else {
                ++at;
                end(LineEnd::CrLf);
            }
        }
    }
    if (carriageReturnLast)
        end(LineEnd::CarriageReturn);
    else if (lineBegun)
        end(LineEnd::None);
}
