#pragma once

#include "desktop.h"
#include "platform/app_files.h"
#include "scoffle_front_end.h"
#include "words/word_list.h"

#include <string>

class RandomSource;

// What each event of the main window does, whatever toolkit draws it: the start-up, the five
// buttons, the timer's tick, the menu items and the minimised-title rule. A front end passes
// each of its events to the handler here that it stands for, and nothing else.
class ScoffleRules {
public:
    ScoffleRules(ScoffleFrontEnd &window, Desktop &desktop, RandomSource &random, AppFiles files);

    // Shows the window and reads the word list. False when the program cannot run: the user
    // has been told why, and the window is closed. Where `stopAsked`, given, says so while the
    // list is read, as when the program is to end, it is read no further, and nothing is told.
    bool load(bool (*stopAsked)() = nullptr);

    void click(form::Control button);
    void tick() { click(form::Control::Make); }
    void clickFileExit();
    void clickSetting(form::Setting item); // after the item inverted its own mark
    void followWindowState(WindowState state);

private:
    void make();
    void switchAuto();
    void clip();
    void save();

    // Shows a stop message and returns once the user has dismissed it.
    void tell(const std::u16string &text);

    ScoffleFrontEnd &window_;
    Desktop &desktop_;
    RandomSource &random_;
    const AppFiles files_;
    WordLists lists_;
    bool mirrorToTitle_ = false; // the title follows each new epithet
};

// An epithet as a window title: one line, cut short with an ellipsis where it is long.
std::u16string TitleFor(const std::u16string &text);
