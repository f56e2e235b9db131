// Arbitrary UTF-16 text saved as a line: the file gains exactly one line, valid UTF-8 without
// control characters and ended by CR LF, and what it held before stays as it was.
#include "platform/text_encoding.h"
#include "platform/text_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

void Check(bool condition, const char *what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// A file of the run's own, under $TMPDIR; whoever runs the fuzzer removes it (libFuzzer ends
// without running exit handlers).
const std::filesystem::path &SavedFile() {
    static const std::filesystem::path file = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vilifex-fuzz-XXXXXX").string();
        Check(mkdtemp(pattern.data()) != nullptr, "a temporary directory");
        return std::filesystem::path(pattern) / "saved.txt";
    }();
    return file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);
    const std::string before = "earlier line\r\n";
    std::ofstream(SavedFile(), std::ios::binary | std::ios::trunc) << before;

    Check(!AppendLine(SavedFile(), text), "the line is saved");

    std::ifstream in(SavedFile(), std::ios::binary);
    const std::string saved{std::istreambuf_iterator<char>(in), {}};
    Check(saved.starts_with(before) && saved.ends_with("\r\n"), "one line added at the end");
    const std::string_view line(saved.data() + before.size(), saved.size() - before.size() - 2);
    Check(line.find_first_of("\r\n") == line.npos, "no line end inside the line");
    Check(std::none_of(line.begin(), line.end(),
                       [](char c) { return (c >= 0 && c < 0x20 && c != '\t') || c == 0x7F; }),
          "no control character but tab");
    std::u16string decoded(line.size(), u'\0');
    Check(Utf8ToUtf16(line, decoded.data()) != kNotUtf8, "valid UTF-8");
    return 0;
}
