#include "text_file.h"

#include "append_whole.h"
#include "one_line.h"
#include "text_encoding.h"

#include <algorithm>
#include <cctype>

namespace fs = std::filesystem;

namespace {

// Names as UTF-8 (bytes as they are where names are bytes), letters compared in either case.
bool EqualIgnoringCase(const std::u8string &a, const std::string &b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char8_t x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

class AppendCategory final : public std::error_category {
public:
    const char *name() const noexcept override { return "append"; }
    std::string message(int fault) const override {
        switch (static_cast<FileFault>(fault)) {
        case FileFault::LockedByAnother:
            return "Another program has locked the file";
        case FileFault::ForeignEncoding:
            return "The file is not UTF-8 or UTF-16 text that a line can be added to";
        default:
            return "Not a regular file";
        }
    }
};

// A file that Notepad saved as "Unicode" stays UTF-16, in its own byte order. A line added to
// anything else that is not UTF-8 would be unreadable in it, or unsettle what follows it: UTF-32,
// UTF-16 of an odd length, or without its byte-order mark (told by a NUL among the first
// bytes, which no text in UTF-8 holds).
enum class SavedEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Foreign };

SavedEncoding EncodingOf(const FileEnds &ends) {
    const std::string_view head = ends.head;
    if (head.starts_with(std::string_view("\xFF\xFE\0\0", 4)) ||
        head.starts_with(std::string_view("\0\0\xFE\xFF", 4)))
        return SavedEncoding::Foreign;
    const bool oddLength = ends.size % 2 != 0;
    if (head.starts_with("\xFF\xFE"))
        return oddLength ? SavedEncoding::Foreign : SavedEncoding::Utf16LittleEndian;
    if (head.starts_with("\xFE\xFF"))
        return oddLength ? SavedEncoding::Foreign : SavedEncoding::Utf16BigEndian;
    return head.find('\0') == head.npos ? SavedEncoding::Utf8 : SavedEncoding::Foreign;
}

// The file's last character past its byte-order mark, or 0 for none (or none known).
char16_t LastUnit(const FileEnds &ends, SavedEncoding encoding) {
    const auto byte = [&ends](size_t at) { return static_cast<unsigned char>(ends.tail[at]); };
    if (encoding == SavedEncoding::Utf8) {
        const bool onlyMark = ends.size == 3 && ends.head == "\xEF\xBB\xBF";
        return ends.tail.empty() || onlyMark ? 0 : byte(ends.tail.size() - 1);
    }
    if (ends.size <= 2 || ends.tail.size() < 2)
        return 0;
    return static_cast<char16_t>(encoding == SavedEncoding::Utf16LittleEndian
                                     ? byte(0) | byte(1) << 8
                                     : byte(0) << 8 | byte(1));
}

std::string Encode(std::u16string_view text, SavedEncoding encoding) {
    if (encoding == SavedEncoding::Utf8)
        return Utf16ToUtf8(text);
    std::string bytes;
    for (char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        if (encoding == SavedEncoding::Utf16LittleEndian)
            bytes += {low, high};
        else
            bytes += {high, low};
    }
    return bytes;
}

} // namespace

fs::path FindFileIgnoringCase(const fs::path &directory, const std::string &name) {
    const fs::path exact = directory / name;
    std::error_code error;
    if (fs::is_regular_file(exact, error))
        return exact;

    // Of several matches take the first by name, so the choice never depends on listing order.
    // A folder of the name hides no file beside it.
    fs::path found;
    for (const auto &entry : fs::directory_iterator(directory, error)) {
        const fs::path candidate = entry.path();
        if (EqualIgnoringCase(candidate.filename().u8string(), name) &&
            fs::is_regular_file(candidate, error) && (found.empty() || candidate < found))
            found = candidate;
    }
    return found.empty() ? exact : found;
}

std::error_code make_error_code(FileFault fault) {
    static const AppendCategory category;
    return {static_cast<int>(fault), category};
}

std::error_code AppendLine(const fs::path &path, std::u16string_view text) {
    const std::u16string line = OneLine(text);
    bool foreign = false;
    const std::error_code error = AppendWhole(path, [&line, &foreign](const FileEnds &ends) {
        const SavedEncoding encoding = EncodingOf(ends);
        if (encoding == SavedEncoding::Foreign) {
            foreign = true;
            return std::string(); // the file stays as it is
        }
        // A last line that the file leaves open, typed by hand, is ended first.
        const char16_t last = LastUnit(ends, encoding);
        const bool ended = last == 0 || last == u'\n' || last == u'\r';
        return Encode((ended ? u"" : u"\r\n") + line + u"\r\n", encoding);
    });
    return foreign && !error ? make_error_code(FileFault::ForeignEncoding) : error;
}
