// Arbitrary UTF-16 text as one line: a tag is split off exactly when the second character is a
// space, and the rest comes back with its spaces trimmed.
#include "tests/support/split_tagged_line.h"
#include "words/word_list.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::u16string original(size / 2, u'\0');
    std::memcpy(original.data(), data, original.size() * 2);

    std::u16string line = original;
    const int tag = SplitTaggedLine(line);

    if (original.size() < 2 || original[1] != u' ') {
        if (tag != 0 || line != original)
            std::abort();
        return 0;
    }
    if (tag != original[0])
        std::abort();
    const size_t first = original.find_first_not_of(u' ', 2);
    const std::u16string expected =
        first == original.npos
            ? std::u16string()
            : original.substr(first, original.find_last_not_of(u' ') - first + 1);
    if (line != expected)
        std::abort();
    return 0;
}
