#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

class ByteSource;

// Words to leave out of the lists, one a line, each cleaned as the loader cleans a word; lines
// that clean to nothing hold none. Each keeps the line it was first on, from 1.
class ExcludedWords {
public:
    // Reads the words of a text in any encoding that a word list may have. Throws
    // std::bad_alloc where memory runs out.
    void read(const ByteSource &text);

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
};
