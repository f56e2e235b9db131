#include "printed_clashes.h"

#include "epithet.h"
#include "words/adjective_forms.h"
#include "words/word_pool.h"

PrintedClashes::PrintedClashes(const WordPool &pool, std::span<const std::u16string_view> printed,
                               Language language, std::optional<Gender> agreeWith)
    : pool_(pool), printed_(printed), language_(language), agreeWith_(agreeWith) {}

bool PrintedClashes::clashes(int k) const {
    std::u16string_view candidate = pool_.word(k);
    if (agreeWith_) {
        form_.clear();
        AppendAgreeingForm(form_, candidate, language_, *agreeWith_);
        candidate = form_;
    }
    for (std::u16string_view word : printed_)
        if (PrefixClash(candidate, word))
            return true;
    return false;
}

bool PrintedClashes::noneFit() const {
    for (int k = 1; k <= pool_.size(); ++k)
        if (!clashes(k))
            return false;
    return true;
}
