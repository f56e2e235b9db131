// The main window's rules as every front end drives them, here through a front end that only
// records: what runs the same on Linux and, under Wine, on Windows.
#include "scripted_random.h"
#include "temp_dir.h"

#include "platform/display_text.h"
#include "platform/standard_random.h"
#include "window/scoffle_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingFrontEnd : public ScoffleFrontEnd {
public:
    void showWindow() override { shown = true; }
    void closeWindow() override { closed = true; }
    void setTitle(const std::u16string &text) override { title = text; }
    std::u16string outputText() const override { return output; }
    void setOutputText(const std::u16string &text) override { output = text; }
    std::u16string autoCaption() const override { return caption; }
    void setAutoCaption(const std::u16string &text) override { caption = text; }
    bool timerEnabled() const override { return timer; }
    void setTimerEnabled(bool enabled) override { timer = enabled; }
    bool isChecked(Setting item) const override { return checked[static_cast<int>(item)]; }
    void setEnabled(Setting, bool) override {}
    void setStatsVisible(bool) override {}
    void setCounts(const std::u16string &adverbs, const std::u16string &adjectives,
                   const std::u16string &nouns) override {
        counts = {adverbs, adjectives, nouns};
    }
    void announce(const std::u16string &) override {}
    void showStopMessage(const std::u16string &, const std::u16string &text) override {
        messages.push_back(text);
        timerWhileTelling = timer;
    }
    void beep() override { ++beeps; }
    bool setClipboardText(const std::u16string &text) override {
        clipboard = text;
        return clipboardFree;
    }

    bool shown = false, closed = false, timer = false, timerWhileTelling = false;
    bool checked[4] = {false, true, true, false};
    std::u16string title, output = u"verbose, splendiferous generator", caption = u"&Auto On";
    std::u16string clipboard;
    bool clipboardFree = true;
    std::vector<std::u16string> counts, messages;
    int beeps = 0;
};

TEST(ScoffleRules, EndsWithTheTwoLinesOfTheStartUpMessageWithoutAList) {
    TempDir dir;
    RecordingFrontEnd window;
    StandardRandom random(1);
    ScoffleRules rules(window, random, {dir.path(), dir.path()});
    EXPECT_FALSE(rules.load());
    EXPECT_TRUE(window.shown);
    EXPECT_TRUE(window.closed);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0],
              u"Can't run without WORDLIST.TXT,\r\nyou necrotic, incontinent pustule!");
}

TEST(ScoffleRules, CountsMakesSavesAndMirrorsTheTitleWhileMinimisedWithAuto) {
    TempDir dir;
    dir.write("wordlist.txt", "J vile\r\nN toad\r\nV very\r\n");
    RecordingFrontEnd window;
    StandardRandom random(1);
    ScoffleRules rules(window, random, {dir.path(), dir.path()});
    ASSERT_TRUE(rules.load());
    EXPECT_EQ(window.counts,
              (std::vector<std::u16string>{u"1 Adverbs", u"1 Adjectives", u"1 Nouns"}));

    rules.switchAuto();
    EXPECT_TRUE(window.timer);
    EXPECT_EQ(window.caption, u"&Auto Off");
    rules.followWindowState(WindowState::Minimized);
    EXPECT_EQ(window.title, window.output);
    rules.followWindowState(WindowState::Normal);
    EXPECT_EQ(window.title, u"Zestive Vilifex");

    rules.save();
    EXPECT_EQ(dir.read("saved.txt"),
              std::string(window.output.begin(), window.output.end()) + "\r\n");
    EXPECT_EQ(window.beeps, 1);
}

TEST(ScoffleRules, AFailedSaveNamesThePathAndTheSystemsReasonOnceWhileAutoWaits) {
    TempDir dir;
    dir.write("wordlist.txt", "J vile\nN toad\n");
    RecordingFrontEnd window;
    StandardRandom random(1);
    const std::filesystem::path missing = dir.path() / "blocker";
    dir.write("blocker", "a file where the folder should be");
    ScoffleRules rules(window, random, {dir.path(), missing / "vilifex"});
    ASSERT_TRUE(rules.load());
    rules.switchAuto();
    rules.save();
    ASSERT_EQ(window.messages.size(), 1u);
    const std::u16string &message = window.messages[0];
    EXPECT_EQ(message.rfind(u"Can't add to ", 0), 0u);
    EXPECT_NE(message.find(u"blocker"), std::u16string::npos);
    EXPECT_NE(message.find(u":\r\n"), std::u16string::npos);
    // The system's words, with one full stop of the program's own.
    EXPECT_EQ(message.back(), u'.');
    EXPECT_NE(message[message.size() - 2], u'.');
    EXPECT_FALSE(window.timerWhileTelling);
    EXPECT_TRUE(window.timer);
    EXPECT_EQ(window.beeps, 0);
}

TEST(ScoffleRules, ClipAndTheMinimisedTitleTakeTheTextBoxAsOneLineTheTitleCutShort) {
    TempDir dir;
    dir.write("wordlist.txt", "J vile\nN toad\n");
    RecordingFrontEnd window;
    StandardRandom random(1);
    ScoffleRules rules(window, random, {dir.path(), dir.path()});
    ASSERT_TRUE(rules.load());
    window.output = u"typed\r\nover two lines " + std::u16string(300, u'x');
    rules.clip();
    EXPECT_EQ(window.clipboard, u"typed over two lines " + std::u16string(300, u'x'));
    EXPECT_TRUE(window.messages.empty());
    window.clipboardFree = false; // another program holds it
    rules.clip();
    EXPECT_EQ(window.messages.size(), 1u);
    rules.switchAuto(); // makes an epithet, which the user then lengthens
    window.output = window.clipboard;
    rules.followWindowState(WindowState::Minimized);
    EXPECT_EQ(window.title, window.clipboard.substr(0, 249) + u'\u2026');
}

TEST(ScoffleRules, SaysWhichFileOrFolderItMeansWhereItCannotUseTheUsersOwn) {
    TempDir dir;
    dir.write("wordlist.txt", "J vile\n");
    const std::u16string list = PathText(dir.path() / "wordlist.txt");
    struct Row {
        bool userWordList;
        std::u16string message;
    } rows[] = {
        {true, u"WORDLIST.TXT has no nouns.\r\nThe word list is " + list + u"."},
        {false, u"WORDLIST.TXT has no nouns."},
    };
    for (const Row &row : rows) {
        RecordingFrontEnd window;
        StandardRandom random(1);
        ScoffleRules rules(window, random, {dir.path(), dir.path(), row.userWordList});
        EXPECT_FALSE(rules.load());
        EXPECT_EQ(window.messages, std::vector<std::u16string>{row.message});
    }

    dir.write("wordlist.txt", "J vile\nN toad\n");
    RecordingFrontEnd window;
    StandardRandom random(1);
    ScoffleRules rules(window, random, {dir.path(), ""});
    ASSERT_TRUE(rules.load());
    rules.save();
#ifdef _WIN32
    const std::u16string variable = u"APPDATA";
#else
    const std::u16string variable = u"XDG_DATA_HOME";
#endif
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].find(variable), std::u16string::npos) << variable.size();
}

} // namespace
