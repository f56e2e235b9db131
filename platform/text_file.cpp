#include "text_file.h"

#include "append_whole.h"
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
    std::string message(int) const override { return "Not a regular file"; }
};

} // namespace

fs::path FindFileIgnoringCase(const fs::path &directory, const std::string &name) {
    const fs::path exact = directory / name;
    std::error_code error;
    if (fs::exists(exact, error))
        return exact;

    // Of several matches take the first by name, so the choice never depends on listing order.
    fs::path found;
    for (const auto &entry : fs::directory_iterator(directory, error)) {
        const fs::path candidate = entry.path();
        if (EqualIgnoringCase(candidate.filename().u8string(), name) &&
            (found.empty() || candidate < found))
            found = candidate;
    }
    return found.empty() ? exact : found;
}

std::error_code make_error_code(AppendFault fault) {
    static const AppendCategory category;
    return {static_cast<int>(fault), category};
}

std::error_code AppendLine(const fs::path &path, std::u16string_view text) {
    // A line end inside the text would split it into two saved lines.
    std::u16string oneLine(text);
    std::replace(oneLine.begin(), oneLine.end(), u'\r', u' ');
    std::replace(oneLine.begin(), oneLine.end(), u'\n', u' ');
    const std::string line = EncodeUtf8(oneLine) + "\r\n";

    return AppendWhole(path, line);
}
