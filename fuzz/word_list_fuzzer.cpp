// Arbitrary bytes as a word list: the loader, which reads in chunks and decodes only the words
// it keeps, must take the same words as a plain reading of one whole line at a time.
#include "platform/byte_source.h"
#include "platform/one_line.h"
#include "platform/text_encoding.h"
#include "platform/xoshiro_random.h"
#include "tests/support/split_tagged_line.h"
#include "words/word_list.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Words = std::vector<std::u16string>;

// The harness's own code is left uninstrumented: its branches would only distract the fuzzer.
#define UNINSTRUMENTED __attribute__((no_sanitize("coverage")))

// The text's lines, whole: split at CR LF, LF or CR, and decoded one by one.
UNINSTRUMENTED Words Lines(std::string_view bytes) {
    bool utf16 = false, bigEndian = false;
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        utf16 = true;
        bigEndian = bytes[0] == '\xFE';
        bytes.remove_prefix(2);
    } else if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    std::u16string units;
    if (utf16) {
        for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const auto a = static_cast<unsigned char>(bytes[i]);
            const auto b = static_cast<unsigned char>(bytes[i + 1]);
            units.push_back(static_cast<char16_t>(bigEndian ? a << 8 | b : b << 8 | a));
        }
    } else {
        units.assign(bytes.begin(), bytes.end()); // a byte a unit, decoded line by line below
        for (char16_t &unit : units)
            unit &= 0xFF;
    }
    Words lines;
    size_t start = 0;
    for (size_t i = 0; i <= units.size(); ++i) {
        if (i < units.size() && units[i] != u'\r' && units[i] != u'\n')
            continue;
        std::u16string line = units.substr(start, i - start);
        if (!utf16) {
            const std::string raw(line.begin(), line.end());
            line.resize(raw.size());
            line.resize(EightBitToUtf16(raw, line.data()));
        }
        lines.push_back(line);
        if (i + 1 < units.size() && units[i] == u'\r' && units[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    return lines;
}

// The words of the tagged lines, pooled and shuffled as the loader does it.
UNINSTRUMENTED void Expect(std::string_view bytes, WordLists &expected) {
    for (std::u16string line : Lines(bytes)) {
        const size_t first = line.find_first_not_of(u' ');
        if (first == line.npos)
            continue;
        line = line.substr(first, line.find_last_not_of(u' ') - first + 1);
        if (line.size() < 2)
            continue;
        const int tag = SplitTaggedLine(line);
        // A word holds one line: control characters become spaces, trimmed at its ends.
        line = OneLine(line);
        const size_t start = line.find_first_not_of(u' ');
        if (start == line.npos)
            continue;
        line = line.substr(start, line.find_last_not_of(u' ') - start + 1);
        switch (tag) {
        case 'V':
        case 'v':
            expected.AdverbPool.append(line);
            break;
        case 'J':
        case 'j':
            expected.AdjectivePool.append(line);
            break;
        case 'N':
        case 'n':
            expected.NounPool.append(line);
            break;
        }
    }
    XoshiroRandom random(1);
    ShuffleWords(expected.NounPool, random);
    ShuffleWords(expected.AdjectivePool, random);
    ShuffleWords(expected.AdverbPool, random);
}

UNINSTRUMENTED bool Same(const WordPool &a, const WordPool &b) {
    if (a.size() != b.size())
        return false;
    for (int k = 1; k <= a.size(); ++k)
        if (a.word(k) != b.word(k))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    WordLists lists, expected;
    XoshiroRandom random(1);
    LoadWordList(lists, MemoryBytes(bytes), random);
    Expect(bytes, expected);
    if (!Same(lists.AdverbPool, expected.AdverbPool) ||
        !Same(lists.AdjectivePool, expected.AdjectivePool) ||
        !Same(lists.NounPool, expected.NounPool))
        std::abort();
    return 0;
}
