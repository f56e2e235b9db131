#include "scoffle_rules.h"

#include "compose/epithet.h"
#include "platform/display_text.h"
#include "platform/one_line.h"
#include "platform/random_source.h"
#include "platform/text_file.h"
#include "words/load_failure.h"

#include <utility>

namespace {

constexpr std::u16string_view kMessageTitle = u"Vilifex";

// A title long enough to read on a task bar; an epithet of many megabytes in the title would
// be more than the window system takes.
constexpr size_t kLongestTitle = 250;

} // namespace

std::u16string TitleFor(const std::u16string &text) {
    const std::u16string line = OneLine(text);
    if (line.size() <= kLongestTitle)
        return line;
    return line.substr(0, kLongestTitle - 1) + u'\u2026';
}

ScoffleRules::ScoffleRules(ScoffleFrontEnd &window, Desktop &desktop, RandomSource &random,
                           AppFiles files)
    : window_(window), desktop_(desktop), random_(random), files_(std::move(files)) {}

bool ScoffleRules::load(bool (*stopAsked)()) {
    random_.seedFromClock();
    window_.showWindow();
    std::error_code openError;
    uint64_t longLine = 0;
    const LoadResult result =
        LoadWordListFile(lists_, files_.wordList, random_, &openError, &longLine, stopAsked);
    if (result == LoadResult::Stopped) {
        window_.closeWindow();
        return false;
    }
    if (result != LoadResult::Loaded) {
        // The user's own list is named: which file is meant is not plain from the message.
        tell(LoadFailureMessage(
            result, files_.wordList, openError,
            files_.userWordList ? ListNaming::Always : ListNaming::WhereUnreadable, longLine));
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
    desktop_.showStopMessage(std::u16string(kMessageTitle), text);
    if (automatic)
        window_.setTimerEnabled(true);
}

void ScoffleRules::make() {
    const EpithetStyle style = {.single = window_.isChecked(form::Setting::Single),
                                .commas = window_.isChecked(form::Setting::Commas),
                                .lengthOrder = window_.isChecked(form::Setting::Order)};
    const std::u16string epithet = ComposeEpithet(lists_, style, random_);
    window_.setOutputText(epithet);
    window_.setOutputCursor(0); // a long epithet shows its start
    if (mirrorToTitle_)
        window_.setTitle(TitleFor(epithet));
    window_.announce(epithet);
}

void ScoffleRules::switchAuto() {
    if (window_.timerEnabled()) {
        window_.setAutoCaption(std::u16string(form::kAutoOn));
        window_.setTimerEnabled(false);
    } else {
        window_.setAutoCaption(std::u16string(form::kAutoOff));
        window_.setTimerEnabled(true);
        make();
    }
}

void ScoffleRules::clip() {
    // What Save would write, so that the two always agree on what the user typed.
    const std::error_code error = desktop_.setClipboardText(OneLine(window_.outputText()));
    if (error == std::errc::device_or_resource_busy)
        tell(u"Can't copy to the clipboard:\r\nAnother program is holding it open.");
    else if (error)
        tell(u"Can't copy to the clipboard:\r\n" + ErrorText(error) + u".");
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
    desktop_.beep();
}

void ScoffleRules::click(form::Control button) {
    switch (button) {
    case form::Control::Make:
        make();
        break;
    case form::Control::Auto:
        switchAuto();
        break;
    case form::Control::Clip:
        clip();
        break;
    case form::Control::Save:
        save();
        break;
    case form::Control::Exit:
        window_.closeWindow();
        break;
    default:
        break; // not a button
    }
}

void ScoffleRules::clickFileExit() {
    window_.setTimerEnabled(false);
    click(form::Control::Exit);
}

void ScoffleRules::clickSetting(form::Setting item) {
    switch (item) {
    case form::Setting::Stats:
        // A new seed at a moment the user chose, which no start-up clock can predict.
        random_.seedFromClock();
        window_.setStatsVisible(window_.isChecked(form::Setting::Stats));
        break;
    case form::Setting::Single: {
        const bool single = window_.isChecked(form::Setting::Single);
        window_.setEnabled(form::Setting::Commas, !single);
        window_.setEnabled(form::Setting::Order, !single);
        break;
    }
    case form::Setting::Commas:
    case form::Setting::Order:
        break; // read at each Make
    }
}

void ScoffleRules::followWindowState(WindowState state) {
    switch (state) {
    case WindowState::Minimized:
        // The caption, not the timer: a failed save's message stops the timer for a while.
        if (window_.autoCaption() == form::kAutoOff) {
            mirrorToTitle_ = true;
            window_.setTitle(TitleFor(window_.outputText()));
        }
        break;
    case WindowState::Normal:
        mirrorToTitle_ = false;
        window_.setTitle(std::u16string(form::kTitle));
        break;
    case WindowState::Maximized:
        break;
    }
}
