#pragma once

#include "platform/app_files.h"
#include "scoffle_front_end.h"
#include "words/word_list.h"

#include <string>

class RandomSource;

// What each handler of the main window does, whatever toolkit draws it: the start-up, Make,
// Auto and its timer, Clip, Save, the Settings items and the minimised-title rule. The front end
// calls the handler that each of its events stands for.
class ScoffleRules {
public:
    ScoffleRules(ScoffleFrontEnd &window, RandomSource &random, AppFiles files);

    // Shows the window and reads the word list. False when the program cannot run: the user
    // has been told why, and the window is closed.
    bool load();

    void make(); // cmdMake, and every tick of the timer
    void switchAuto();
    void clip();
    void save();
    void exitFromMenu();
    void switchStats();  // after its item inverted its mark
    void switchSingle(); // likewise
    void followWindowState(WindowState state);

private:
    // Shows a stop message and returns once the user has dismissed it.
    void tell(const std::u16string &text);

    ScoffleFrontEnd &window_;
    RandomSource &random_;
    const AppFiles files_;
    WordLists lists_;
    bool MirrorToCaption = false; // the title follows each new epithet
};

// An epithet as a window title: one line, cut short with an ellipsis where it is long.
std::u16string TitleFor(const std::u16string &text);
