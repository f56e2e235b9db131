#include "scoffle_rules.h"

#include "compose/epithet.h"
#include "platform/display_text.h"
#include "platform/random_source.h"
#include "platform/text_encoding.h"
#include "platform/text_file.h"
#include "scoffle_layout.h"
#include "words/load_failure.h"

#include <utility>

namespace {

constexpr std::u16string_view kMessageTitle = u"Vilifex";

// A title long enough to read on a task bar; an epithet of many megabytes in the title would
// be more than the window system takes.
constexpr size_t kLongestTitle = 250;

std::u16string Decimal(int count) {
    const std::string digits = std::to_string(count);
    return {digits.begin(), digits.end()};
}

} // namespace

std::u16string TitleFor(const std::u16string &text) {
    const std::u16string line = OneLine(text);
    if (line.size() <= kLongestTitle)
        return line;
    return line.substr(0, kLongestTitle - 1) + u'\u2026';
}

ScoffleRules::ScoffleRules(ScoffleFrontEnd &window, RandomSource &random, AppFiles files)
    : window_(window), random_(random), files_(std::move(files)) {}

bool ScoffleRules::load() {
    random_.seedFromClock();
    window_.showWindow();
    std::error_code openError;
    const LoadResult result = LoadWordList(lists_, files_.wordListDirectory, random_, &openError);
    if (result != LoadResult::Loaded) {
        // The user's own list is named: which file is meant is not plain from the message.
        tell(LoadFailureMessage(result, WordListPath(files_.wordListDirectory), openError,
                                files_.userWordList ? ListNaming::Always
                                                    : ListNaming::WhereUnreadable));
        window_.closeWindow();
        return false;
    }
    window_.setCounts(Decimal(lists_.AdverbCount()) + u" Adverbs",
                      Decimal(lists_.AdjectiveCount()) + u" Adjectives",
                      Decimal(lists_.NounCount()) + u" Nouns");
    return true;
}

void ScoffleRules::tell(const std::u16string &text) {
    // Auto waits while the message is open, so that the epithet it speaks of stays in view.
    const bool automatic = window_.timerEnabled();
    window_.setTimerEnabled(false);
    window_.showStopMessage(std::u16string(kMessageTitle), text);
    if (automatic)
        window_.setTimerEnabled(true);
}

void ScoffleRules::make() {
    const std::u16string epithet = ComposeEpithet(lists_, window_.isChecked(Setting::Single),
                                                  window_.isChecked(Setting::Commas),
                                                  window_.isChecked(Setting::Order), random_);
    window_.setOutputText(epithet);
    if (MirrorToCaption)
        window_.setTitle(TitleFor(epithet));
    window_.announce(epithet);
}

void ScoffleRules::switchAuto() {
    if (window_.timerEnabled()) {
        window_.setAutoCaption(std::u16string(layout::kAuto.caption));
        window_.setTimerEnabled(false);
    } else {
        window_.setAutoCaption(std::u16string(layout::kAutoOff));
        window_.setTimerEnabled(true);
        make();
    }
}

void ScoffleRules::clip() {
    // What Save would write, so that the two always agree on what the user typed.
    if (!window_.setClipboardText(OneLine(window_.outputText())))
        tell(u"Can't copy to the clipboard:\r\nAnother program is holding it open.");
}

void ScoffleRules::save() {
    if (files_.saveDirectory.empty()) {
        tell(u"Can't add to SAVED.TXT:\r\nThere is no folder for it: " +
             NoUserDataDirectoryReason() + u".");
        return;
    }
    // The user's data folder, where an installed program saves, may not exist yet.
    std::error_code error;
    std::filesystem::create_directories(files_.saveDirectory, error);
    const std::filesystem::path path = FindFileIgnoringCase(files_.saveDirectory, "saved.txt");
    if (!error)
        error = AppendLine(path, window_.outputText());
    if (error) {
        // No beep: it would say the save took place. The text box keeps the epithet.
        tell(u"Can't add to " + PathText(path) + u":\r\n" + ErrorText(error) + u".");
        return;
    }
    window_.beep();
}

void ScoffleRules::exitFromMenu() {
    window_.setTimerEnabled(false);
    window_.closeWindow();
}

void ScoffleRules::switchStats() {
    random_.seedFromClock();
    window_.setStatsVisible(window_.isChecked(Setting::Stats));
}

void ScoffleRules::switchSingle() {
    const bool single = window_.isChecked(Setting::Single);
    window_.setEnabled(Setting::Commas, !single);
    window_.setEnabled(Setting::Order, !single);
}

void ScoffleRules::followWindowState(WindowState state) {
    switch (state) {
    case WindowState::Minimized:
        if (window_.autoCaption() == layout::kAutoOff) {
            MirrorToCaption = true;
            window_.setTitle(TitleFor(window_.outputText()));
        }
        break;
    case WindowState::Normal:
        MirrorToCaption = false;
        window_.setTitle(std::u16string(layout::kTitle));
        break;
    case WindowState::Maximized:
        break;
    }
}
