#include "printed_clashes.h"

#include "epithet.h"
#include "words/adjective_forms.h"
#include "words/letter_case.h"
#include "words/word_pool.h"

namespace {

// German capitalises its nouns, so the letters are compared whatever their case.
void FoldCase(std::u16string &text) {
    for (char16_t &c : text)
        c = LowerCase(c);
}

} // namespace

PrintedClashes::PrintedClashes(const WordPool &pool, std::span<const std::u16string_view> printed,
                               Language language, std::optional<Gender> agreeWith)
    : pool_(pool), language_(language), agreeWith_(agreeWith) {
    for (std::u16string_view word : printed) {
        printed_.emplace_back(word);
        FoldCase(printed_.back());
    }
}

bool PrintedClashes::clashes(int k) const {
    form_.clear();
    if (agreeWith_)
        AppendAgreeingForm(form_, pool_.word(k), language_, *agreeWith_);
    else
        form_ = pool_.word(k);
    FoldCase(form_);
    // The noun stands first in French and Spanish, so a word drawn after it may as well hold
    // the start of a word before it as be held by one.
    for (const std::u16string &word : printed_)
        if (PrefixClash(form_, word) || PrefixClash(word, form_))
            return true;
    return false;
}

bool PrintedClashes::noneFit() const {
    for (int k = 1; k <= pool_.size(); ++k)
        if (!clashes(k))
            return false;
    return true;
}
