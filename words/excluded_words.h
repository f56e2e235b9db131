#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class ByteSource;

// Words to leave out of the lists, one a line, each cleaned as the loader cleans a word; lines
// that clean to nothing hold none. Of one or more texts read, each word keeps the line it was
// first on, from 1, counted on from one text into the next.
class ExcludedWords {
public:
    // Reads the words of a text in any encoding that a word list may have, adding them to those
    // read before. Throws std::bad_alloc where memory runs out.
    void read(const ByteSource &text);

    // Where a line counted across the texts lies: which text, from 0, and its line there.
    struct Place {
        size_t text;
        uint64_t line;
    };
    Place placeOf(uint64_t line) const;

    bool contains(std::u16string_view word) const { return find(word) != nullptr; }
    // The word as kept, or none where it is not one of them.
    const std::u16string *find(std::u16string_view word) const {
        const auto found = words_.find(word);
        return found == words_.end() ? nullptr : &found->first;
    }

    struct Hash {
        using is_transparent = void;
        size_t operator()(std::u16string_view word) const {
            return std::hash<std::u16string_view>{}(word);
        }
    };
    using Lines = std::unordered_map<std::u16string, uint64_t, Hash, std::equal_to<>>;
    const Lines &lines() const { return words_; }

private:
    Lines words_;
    std::vector<uint64_t> textEnds_; // the last line of each text read
};
