#include "kept_word_findings.h"

#include "escaped_text.h"
#include "platform/text_encoding.h"
#include "platform/unseen_characters.h"

namespace {

// Each character of the cleaned word that does not show, once, by its code. Cleaning has
// taken every lone surrogate as U+FFFD, so a high one always has its low one after it.
std::u16string UnseenCodes(std::u16string_view cleaned, int &kinds) {
    std::u16string codes;
    kinds = 0;
    for (size_t i = 0; i < cleaned.size(); ++i) {
        char32_t code = cleaned[i];
        if (IsHighSurrogate(cleaned[i])) {
            code = CodePointOf(cleaned[i], cleaned[i + 1]);
            ++i;
        }
        if (IsUnseen(code) && codes.find(CodeOf(code)) == codes.npos)
            codes += (kinds++ ? u", " : u"") + CodeOf(code);
    }
    return codes;
}

} // namespace

void JudgeKeptWord(std::u16string_view raw, std::u16string_view cleaned, uint64_t line,
                   FindingLog &findings) {
    const auto find = [&](FindingKind kind, auto message) { findings.add(kind, line, message); };
    if (cleaned != raw)
        find(FindingKind::Cleaned,
             [&] { return u"the word " + Quoted(raw) + u" is taken as " + Quoted(cleaned); });
    if (cleaned.find(u'\t') != cleaned.npos)
        find(FindingKind::HoldsTab, [&] {
            return u"the word " + Quoted(cleaned) + u" holds a tab, which stays part of it";
        });
    int kinds = 0;
    const std::u16string unseen = UnseenCodes(cleaned, kinds);
    if (kinds > 0)
        find(FindingKind::HoldsUnseen, [&] {
            return u"the word " + Quoted(cleaned) + u" holds " + unseen +
                   (kinds == 1 ? u", which does not show" : u", which do not show");
        });
    if (IsOtherSpace(cleaned.front()) || IsOtherSpace(cleaned.back()))
        find(FindingKind::SpaceAtEnd, [&] {
            return u"the word " + Quoted(cleaned) +
                   u" has a space at an end that is not trimmed: " +
                   CodeOf(IsOtherSpace(cleaned.front()) ? cleaned.front() : cleaned.back());
        });
}
