#include "command/json_line.h"

#include "platform/text_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct JsonRow {
    std::u16string epithet;
    std::vector<EpithetWord> words;
    std::string json;
};

TEST(JsonLine, WritesEachWordWithItsClassAsValidJson) {
    const std::vector<JsonRow> rows = {
        {u"vile toad",
         {{u"vile", WordClass::Adjective}, {u"toad", WordClass::Noun}},
         R"({"epithet":"vile toad","words":[{"word":"vile","class":"adjective"},)"
         R"({"word":"toad","class":"noun"}]})"},
        {u"utterly vile toad",
         {{u"utterly", WordClass::Adverb},
          {u"vile", WordClass::Adjective},
          {u"toad", WordClass::Noun}},
         R"({"epithet":"utterly vile toad","words":[{"word":"utterly","class":"adverb"},)"
         R"({"word":"vile","class":"adjective"},{"word":"toad","class":"noun"}]})"},
        {u"\"a\\b\" c\td",
         {{u"\"a\\b\"", WordClass::Adjective}, {u"c\td", WordClass::Noun}},
         R"({"epithet":"\"a\\b\" c\u0009d","words":[{"word":"\"a\\b\"","class":"adjective"},)"
         R"({"word":"c\u0009d","class":"noun"}]})"},
        {u"café \u202Et\U0001F600",
         {{u"café", WordClass::Adjective}, {u"\u202Et\U0001F600", WordClass::Noun}},
         "{\"epithet\":\"café \u202Et\U0001F600\",\"words\":[{\"word\":\"café\",\"class\":"
         "\"adjective\"},{\"word\":\"\u202Et\U0001F600\",\"class\":\"noun\"}]}"},
    };
    for (const JsonRow &row : rows)
        EXPECT_EQ(Utf16ToUtf8(JsonLine(row.epithet, row.words)), row.json);
}

} // namespace
