// The main window's rules as every front end drives them, here through a front end that only
// records: what runs the same on Linux and, under Wine, on Windows.
#include "support/seed_counting_random.h"
#include "support/temp_dir.h"

#include "platform/display_text.h"
#include "platform/xoshiro_random.h"
#include "window/scoffle_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

// Stands for the window and the desktop both, and records what the rules ask of them.
class RecordingFrontEnd : public ScoffleFrontEnd, public Desktop {
public:
    void showWindow() override { shown = true; }
    void closeWindow() override {
        closed = true;
        closedWithTimer = timer;
    }
    void setTitle(const std::u16string &text) override { title = text; }
    std::u16string outputText() const override { return output; }
    void setOutputText(const std::u16string &text) override { output = text; }
    void setOutputCursor(size_t position) override { cursor = position; }
    std::u16string autoCaption() const override { return caption; }
    void setAutoCaption(const std::u16string &text) override { caption = text; }
    bool timerEnabled() const override { return timer; }
    void setTimerEnabled(bool enabled) override { timer = enabled; }
    bool isChecked(form::Setting item) const override { return checked[static_cast<int>(item)]; }
    void setEnabled(form::Setting item, bool enabled) override {
        this->enabled[static_cast<int>(item)] = enabled;
    }
    void setStatsVisible(bool visible) override { statsVisible = visible; }
    void setCounts(const std::u16string &adverbs, const std::u16string &adjectives,
                   const std::u16string &nouns) override {
        counts = {adverbs, adjectives, nouns};
    }
    void announce(const std::u16string &epithet) override { announced.push_back(epithet); }
    void showStopMessage(const std::u16string &, const std::u16string &text) override {
        messages.push_back(text);
        timerWhileTelling = timer;
    }
    void beep() override { ++beeps; }
    std::error_code setClipboardText(const std::u16string &text) override {
        if (!clipboardFault)
            clipboard = text;
        return clipboardFault;
    }

    bool shown = false, closed = false, timer = false, timerWhileTelling = false;
    bool checked[form::kSettingCount] = {false, true, true, false};
    bool enabled[form::kSettingCount] = {true, true, true, true};
    bool statsVisible = false;
    std::u16string title, output = u"verbose, splendiferous generator", caption = u"&Auto On";
    size_t cursor = std::u16string::npos;
    std::u16string clipboard;
    std::error_code clipboardFault;
    bool closedWithTimer = false;
    std::vector<std::u16string> counts, messages, announced;
    int beeps = 0;
};

// Rules over a list, of many words unless told, that a test may click through.
struct LoadedRules {
    explicit LoadedRules(
        const std::string &list = "J vile\nJ rank\nJ foul\nJ lewd\nN toad\nN oaf\nV very\n") {
        dir.write("wordlist.txt", list);
        EXPECT_TRUE(rules.load());
    }
    void setting(form::Setting item, bool checked) {
        window.checked[static_cast<int>(item)] = checked;
        rules.clickSetting(item);
    }

    TempDir dir;
    RecordingFrontEnd window;
    SeedCountingRandom random;
    ScoffleRules rules{window, window, random, {dir.path() / "wordlist.txt", dir.path()}};
};

TEST(ScoffleRules, EachTickClicksMakeShowingAndAnnouncingANewEpithetFromItsStart) {
    LoadedRules f;
    f.rules.click(form::Control::Auto);
    f.window.output.clear();
    f.window.cursor = std::u16string::npos;
    f.rules.tick();
    EXPECT_FALSE(f.window.output.empty());
    EXPECT_EQ(f.window.cursor, 0u);
    EXPECT_NE(f.window.output.find(u"toad"), std::u16string::npos);
    ASSERT_EQ(f.window.announced.size(), 2u); // Auto's own Make, then the tick's
    EXPECT_EQ(f.window.announced.back(), f.window.output);
}

TEST(ScoffleRules, ASecondAutoStopsTheTimerAndTakesBackItsCaptionWithoutAMake) {
    LoadedRules f;
    f.rules.click(form::Control::Auto);
    f.rules.click(form::Control::Auto);
    EXPECT_FALSE(f.window.timer);
    EXPECT_EQ(f.window.caption, u"&Auto On");
    EXPECT_EQ(f.window.announced.size(), 1u);
}

TEST(ScoffleRules, FileExitStopsTheTimerBeforeClosingAndExitClosesAtOnce) {
    LoadedRules menu, button;
    menu.rules.click(form::Control::Auto);
    menu.rules.clickFileExit();
    EXPECT_TRUE(menu.window.closed);
    EXPECT_FALSE(menu.window.closedWithTimer);
    button.rules.click(form::Control::Auto);
    button.rules.click(form::Control::Exit);
    EXPECT_TRUE(button.window.closed);
    EXPECT_TRUE(button.window.closedWithTimer);
}

TEST(ScoffleRules, SingleModifierGreysCommasAndOrderAndGivesThemBackKeepingTheirMarks) {
    LoadedRules f;
    for (const bool single : {true, false, true}) {
        f.setting(form::Setting::Single, single);
        EXPECT_EQ(f.window.enabled[static_cast<int>(form::Setting::Commas)], !single);
        EXPECT_EQ(f.window.enabled[static_cast<int>(form::Setting::Order)], !single);
        EXPECT_TRUE(f.window.checked[static_cast<int>(form::Setting::Commas)]);
    }
}

TEST(ScoffleRules, ShowStatsReseedsAndShowsTheFrameAsItsMarkSays) {
    LoadedRules f;
    const int seeds = f.random.seeds;
    for (const bool shown : {true, false}) {
        f.setting(form::Setting::Stats, shown);
        EXPECT_EQ(f.window.statsVisible, shown);
    }
    EXPECT_EQ(f.random.seeds, seeds + 2);
    f.setting(form::Setting::Commas, false); // read at the next Make, nothing else
    f.setting(form::Setting::Order, false);
    EXPECT_EQ(f.random.seeds, seeds + 2);
    EXPECT_FALSE(f.window.statsVisible);
}

TEST(ScoffleRules, SettingsShapeTheEpithetsThatFollow) {
    LoadedRules f;
    f.setting(form::Setting::Commas, false);
    f.rules.click(form::Control::Make);
    EXPECT_EQ(f.window.output.find(u','), std::u16string::npos) << f.window.output.size();
    f.setting(form::Setting::Commas, true);
    f.setting(form::Setting::Single, true);
    f.rules.click(form::Control::Make);
    EXPECT_EQ(std::count(f.window.output.begin(), f.window.output.end(), u' '), 1);
}

TEST(ScoffleRules, LengthOrderPutsTheShorterAdjectiveFirstAndOffLeavesTheOrderDrawn) {
    LoadedRules f("J verbose\nJ splendiferous\nN oaf\n");
    std::set<std::u16string> ordered, drawn;
    for (int i = 0; i < 20; ++i) {
        f.rules.click(form::Control::Make);
        ordered.insert(f.window.output);
    }
    f.setting(form::Setting::Order, false);
    for (int i = 0; i < 20; ++i) {
        f.rules.click(form::Control::Make);
        drawn.insert(f.window.output);
    }
    EXPECT_EQ(ordered, std::set<std::u16string>{u"verbose, splendiferous oaf"});
    EXPECT_TRUE(drawn.contains(u"splendiferous, verbose oaf"));
}

// Each row: the window states in turn, with Auto on or off, and the title they leave.
struct TitleRow {
    bool automatic;
    std::vector<WindowState> states;
    bool mirrors;
};

class MinimisedTitle : public testing::TestWithParam<TitleRow> {};

TEST_P(MinimisedTitle, FollowsEachEpithetOnlyWhileMinimisedWithAuto) {
    LoadedRules f;
    if (GetParam().automatic)
        f.rules.click(form::Control::Auto);
    f.window.title = u"Zestive Vilifex";
    for (const WindowState state : GetParam().states)
        f.rules.followWindowState(state);
    f.rules.tick();
    EXPECT_EQ(f.window.title, GetParam().mirrors ? f.window.output : u"Zestive Vilifex");
}

INSTANTIATE_TEST_SUITE_P(
    States, MinimisedTitle,
    testing::Values(TitleRow{false, {WindowState::Minimized}, false},
                    TitleRow{true, {WindowState::Minimized}, true},
                    TitleRow{true, {WindowState::Minimized, WindowState::Maximized}, true},
                    TitleRow{true, {WindowState::Minimized, WindowState::Normal}, false}));

// Neither a missing list nor one under a missing folder is named: there is nothing to name.
TEST(ScoffleRules, EndsWithTheTwoLinesOfTheStartUpMessageWithoutAList) {
    TempDir dir;
    for (const std::filesystem::path &folder : {dir.path(), dir.path() / "nowhere"}) {
        RecordingFrontEnd window;
        XoshiroRandom random(1);
        ScoffleRules rules(window, window, random, {folder / "wordlist.txt", dir.path()});
        EXPECT_FALSE(rules.load());
        EXPECT_TRUE(window.shown);
        EXPECT_TRUE(window.closed);
        EXPECT_EQ(window.messages,
                  std::vector<std::u16string>{
                      u"Can't run without WORDLIST.TXT,\r\nyou necrotic, incontinent pustule!"});
    }
}

// Asked to stop as the list is read, as when the program is to end, it tells nothing.
TEST(ScoffleRules, EndsQuietlyWhenAskedToStopWhileTheListIsRead) {
    TempDir dir;
    dir.write("wordlist.txt", "J vile\r\nN toad\r\n");
    RecordingFrontEnd window;
    XoshiroRandom random(1);
    ScoffleRules rules(window, window, random, {dir.path() / "wordlist.txt", dir.path()});
    EXPECT_FALSE(rules.load([] { return true; }));
    EXPECT_TRUE(window.closed);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_TRUE(window.counts.empty());
}

TEST(ScoffleRules, CountsMakesSavesAndMirrorsTheTitleWhileMinimisedWithAuto) {
    TempDir dir;
    dir.write("wordlist.txt", "J vile\r\nN toad\r\nV very\r\n");
    RecordingFrontEnd window;
    XoshiroRandom random(1);
    ScoffleRules rules(window, window, random, {dir.path() / "wordlist.txt", dir.path()});
    ASSERT_TRUE(rules.load());
    EXPECT_EQ(window.counts,
              (std::vector<std::u16string>{u"1 Adverbs", u"1 Adjectives", u"1 Nouns"}));

    rules.click(form::Control::Auto);
    EXPECT_TRUE(window.timer);
    EXPECT_EQ(window.caption, u"&Auto Off");
    rules.followWindowState(WindowState::Minimized);
    EXPECT_EQ(window.title, window.output);
    rules.followWindowState(WindowState::Normal);
    EXPECT_EQ(window.title, u"Zestive Vilifex");

    rules.click(form::Control::Save);
    EXPECT_EQ(dir.read("saved.txt"),
              std::string(window.output.begin(), window.output.end()) + "\r\n");
    EXPECT_EQ(window.beeps, 1);
}

TEST(ScoffleRules, AFailedSaveNamesThePathAndTheSystemsReasonOnceWhileAutoWaits) {
    TempDir dir;
    dir.write("wordlist.txt", "J vile\nN toad\n");
    RecordingFrontEnd window;
    XoshiroRandom random(1);
    const std::filesystem::path missing = dir.path() / "blocker";
    dir.write("blocker", "a file where the folder should be");
    ScoffleRules rules(window, window, random, {dir.path() / "wordlist.txt", missing / "vilifex"});
    ASSERT_TRUE(rules.load());
    rules.click(form::Control::Auto);
    rules.click(form::Control::Save);
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
    dir.write("wordlist.txt", "J vile\nN " + std::string(300, 't') + "\n");
    RecordingFrontEnd window;
    XoshiroRandom random(1);
    ScoffleRules rules(window, window, random, {dir.path() / "wordlist.txt", dir.path()});
    ASSERT_TRUE(rules.load());
    window.output = u"typed\r\nover two lines " + std::u16string(300, u'x');
    rules.click(form::Control::Clip);
    EXPECT_EQ(window.clipboard, u"typed over two lines " + std::u16string(300, u'x'));
    EXPECT_TRUE(window.messages.empty());
    // A clipboard that could not be had, or a copy that failed, is told, and the clip kept.
    const std::error_code held = make_error_code(std::errc::device_or_resource_busy);
    const std::error_code failed = make_error_code(std::errc::not_enough_memory);
    const std::pair<std::error_code, std::u16string> faults[] = {
        {held, u"Can't copy to the clipboard:\r\nAnother program is holding it open."},
        {failed, u"Can't copy to the clipboard:\r\n" + ErrorText(failed) + u"."},
    };
    for (const auto &[fault, message] : faults) {
        window.clipboardFault = fault;
        window.messages.clear();
        rules.click(form::Control::Clip);
        EXPECT_EQ(window.messages, std::vector<std::u16string>{message});
    }
    window.clipboardFault = {};
    rules.click(form::Control::Auto); // makes an epithet, which the user then lengthens
    window.output = window.clipboard;
    rules.followWindowState(WindowState::Minimized);
    EXPECT_EQ(window.title, window.clipboard.substr(0, 249) + u'\u2026');
    window.output = std::u16string(250, u'y'); // as long as a title may be
    rules.followWindowState(WindowState::Normal);
    rules.followWindowState(WindowState::Minimized);
    EXPECT_EQ(window.title, window.output);
    rules.tick(); // Auto's next, of the list's long noun
    ASSERT_GT(window.output.size(), 250u);
    EXPECT_EQ(window.title, window.output.substr(0, 249) + u'\u2026');
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
        XoshiroRandom random(1);
        ScoffleRules rules(window, window, random,
                           {dir.path() / "wordlist.txt", dir.path(), row.userWordList});
        EXPECT_FALSE(rules.load());
        EXPECT_EQ(window.messages, std::vector<std::u16string>{row.message});
    }

    dir.write("wordlist.txt", "J vile\nN toad\n");
    RecordingFrontEnd window;
    XoshiroRandom random(1);
    ScoffleRules rules(window, window, random, {dir.path() / "wordlist.txt", ""});
    ASSERT_TRUE(rules.load());
    rules.click(form::Control::Save);
#ifdef _WIN32
    const std::u16string variable = u"APPDATA";
#else
    const std::u16string variable = u"XDG_DATA_HOME";
#endif
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_NE(window.messages[0].find(variable), std::u16string::npos) << variable.size();
}

} // namespace
