#include "command/escaped_text.h"

#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(Quoted, WritesAsEscapesWhatDoesNotShowAndNothingElse) {
    const std::vector<std::pair<std::u16string, std::u16string>> rows = {
        {u"vile toad", u"\"vile toad\""},
        {u"a\tb", u"\"a\\tb\""},
        {u"say \"vile\"", u"\"say \\\"vile\\\"\""},
        {u"back\\slash", u"\"back\\\\slash\""},
        {u"bell\u0007", u"\"bell\\u0007\""},
        {u"del\u007F", u"\"del\\u007F\""},
        {u"\u0085next", u"\"\\u0085next\""},
        {u"\u009Fapc", u"\"\\u009Fapc\""},
        {u"line\u2028sep", u"\"line\\u2028sep\""},
        {u"para\u2029sep", u"\"para\\u2029sep\""},
        {u"no\u00A0break", u"\"no\\u00A0break\""},
        {u"ogham\u1680mark", u"\"ogham\\u1680mark\""},
        {u"en\u2000quad", u"\"en\\u2000quad\""},       // the first of the typographic spaces
        {u"hair\u200Aspace", u"\"hair\\u200Aspace\""}, // and the last
        {u"narrow\u202Fnbsp", u"\"narrow\\u202Fnbsp\""},
        {u"math\u205Fspace", u"\"math\\u205Fspace\""},
        {u"ideographic\u3000", u"\"ideographic\\u3000\""},
        {u"\u202Eright", u"\"\\u202Eright\""},
        {u"café", u"\"café\""},
        {u"\U0001F600 grin", u"\"\U0001F600 grin\""}, // a pair, as it stands, once
        {u"tag\U000E0041", u"\"tag\\U000E0041\""},
        {std::u16string(u"lone") + char16_t(0xD83D), u"\"lone\\uD83D\""},
        {std::u16string(1, char16_t(0xDE00)) + u"x", u"\"\\uDE00x\""},
    };
    for (const auto &[word, quoted] : rows)
        EXPECT_EQ(Utf16ToUtf8(Quoted(word)), Utf16ToUtf8(quoted)) << Utf16ToUtf8(word);
}

TEST(Quoted, EndsAtTheWordsEndThoughAPairGoesOnAfterIt) {
    const std::u16string_view text = u"tag\U000E0041";
    EXPECT_EQ(Utf16ToUtf8(Quoted(text.substr(0, 4))), "\"tag\\uDB40\"");
}

TEST(EscapedName, QuotesANameOnlyWhereACharacterNeedsIt) {
#ifndef _WIN32
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"plain.txt", "plain.txt"},
        {"with space.txt", "with space.txt"},
        {"back\\slash.txt", "back\\slash.txt"},
        {"namé.txt", "namé.txt"},
        {"odd\xFF.txt", "\"odd\\xFF.txt\""},
        {"new\nline\xC3.txt", "\"new\\u000Aline\\xC3.txt\""},
        {"say \"x\"\\.txt", "\"say \\\"x\\\"\\\\.txt\""},
    };
    for (const auto &[name, shown] : rows)
        EXPECT_EQ(Utf16ToUtf8(EscapedName(name)), shown) << name;
#endif
}

} // namespace
