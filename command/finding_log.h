#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Something in a word list that its author may not mean.
struct Finding {
    uint64_t line; // from 1; 0 for the list as a whole
    std::u16string message;
};

// What a finding is about: each kind is shown a few times, then counted.
enum class FindingKind {
    WholeList,
    NotTaken,
    ReadAsWindows1252,
    Cleaned,
    CleanedToNothing,
    HoldsTab,
    HoldsUnseen,
    SpaceAtEnd,
    Repeated,
    Grammar,
    NotInList,
};

// The findings of one file. A list may hold millions of them, so only the first few of each
// kind are kept whole and the rest are counted: the report stays readable, and its time and
// memory stay near loading's.
class FindingLog {
public:
    static constexpr size_t kShownPerKind = 100;

    // Adds a finding; each kind's must come in line order. `message` is asked for the text
    // only where the finding is kept.
    template <typename Message> void add(FindingKind kind, uint64_t line, Message message) {
        Kind &held = kinds_[static_cast<size_t>(kind)];
        if (held.shown.size() < kShownPerKind)
            held.shown.push_back({line, message()});
        else
            ++held.more;
    }

    // The findings kept, in line order, those about the whole list first; then, for each kind
    // with more than were kept, a finding of the whole file that counts them.
    std::vector<Finding> shown() const;

private:
    struct Kind {
        std::vector<Finding> shown;
        uint64_t more = 0;
    };
    std::array<Kind, static_cast<size_t>(FindingKind::NotInList) + 1> kinds_;
};
