#include "words/word_class.h"

#include <gtest/gtest.h>

namespace {

struct TagRow {
    int tag;
    std::optional<WordClass> wordClass;
    std::u16string_view name; // of the class, where the tag stands for one
};

constexpr TagRow kTagRows[] = {
    {'V', WordClass::Adverb, u"adverb"},
    {'v', WordClass::Adverb, u"adverb"},
    {'J', WordClass::Adjective, u"adjective"},
    {'j', WordClass::Adjective, u"adjective"},
    {'N', WordClass::Noun, u"noun"},
    {'n', WordClass::Noun, u"noun"},
    {'A', std::nullopt, u""},
    {'#', std::nullopt, u""},
    {0, std::nullopt, u""},
    {u'Ｊ', std::nullopt, u""},
};

TEST(WordClass, EachTagLetterInEitherCaseNamesItsClass) {
    for (const TagRow &row : kTagRows) {
        SCOPED_TRACE(row.tag);
        EXPECT_EQ(ClassOfTag(row.tag), row.wordClass);
        if (row.wordClass)
            EXPECT_EQ(ClassName(*row.wordClass), row.name);
    }
}

} // namespace
