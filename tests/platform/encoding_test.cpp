#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace {

std::u16string Decode(std::string_view bytes) {
    std::u16string line(bytes.size(), u'?');
    line.resize(EightBitToUtf16(bytes, line.data()));
    return line;
}

TEST(EightBitToUtf16, ReadsUtf8IncludingCharactersBeyondSixteenBits) {
    EXPECT_EQ(Decode("plain"), u"plain");
    EXPECT_EQ(Decode("p\xC3\xA9trifi\xC3\xA9"), u"p\u00E9trifi\u00E9");
    EXPECT_EQ(Decode("\xE2\x82\xAC"), u"\u20AC");
    EXPECT_EQ(Decode("\xF0\x9F\x92\xA9"), u"\U0001F4A9"); // two UTF-16 units
}

TEST(EightBitToUtf16, TakesAnythingButValidUtf8AsWindows1252) {
    EXPECT_EQ(Decode("p\xE9trifi\xE9"), u"p\u00E9trifi\u00E9");
    EXPECT_EQ(Decode("\x80\x93\x9F"), u"\u20AC\u201C\u0178");
    EXPECT_EQ(Decode("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Decode("\xC0\xAF"), u"\u00C0\u00AF");                     // overlong
    EXPECT_EQ(Decode("\xED\xA0\x80"), u"\u00ED\u00A0\u20AC");           // surrogate
    EXPECT_EQ(Decode("\xF4\x90\x80\x80"), u"\u00F4\u0090\u20AC\u20AC"); // above U+10FFFF
    EXPECT_EQ(Decode("ok \xC3"), u"ok \u00C3");                         // cut short
}

TEST(EightBitToUtf16, KeepsNulBytes) {
    EXPECT_EQ(Decode(std::string_view("a\0b", 3)), std::u16string(u"a\0b", 3));
}

TEST(CutUtf8Sequence, CountsTheBytesOfASequenceThatRunsPastTheEnd) {
    EXPECT_EQ(CutUtf8Sequence("ab"), 0u);
    EXPECT_EQ(CutUtf8Sequence("a\xC3"), 1u);
    EXPECT_EQ(CutUtf8Sequence("a\xC3\xA9"), 0u);
    EXPECT_EQ(CutUtf8Sequence("a\xF0\x9F\x92"), 3u);
    EXPECT_EQ(CutUtf8Sequence("\xF0\x9F\x92\xA9"), 0u);
}

TEST(Utf16ToUtf8, RoundTripsAndReplacesUnpairedSurrogates) {
    const std::u16string text = u"caf\u00E9 \u20AC \U0001F4A9";
    EXPECT_EQ(Decode(Utf16ToUtf8(text)), text);
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
}

} // namespace
