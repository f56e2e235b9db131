#pragma once

#include "scoffle_form.h"

#include <string>

enum class WindowState { Normal, Minimized, Maximized };

// What the main window's rules ask of the toolkit that draws it: the states of its controls, as
// far as the rules read or change them. A checkable item inverts its own check mark when it is
// clicked, before the rules hear of it. Text is UTF-16.
class ScoffleFrontEnd {
public:
    virtual ~ScoffleFrontEnd() = default;

    // Shows the window and returns once it is on the screen.
    virtual void showWindow() = 0;
    // Closes the window, which ends the program.
    virtual void closeWindow() = 0;
    virtual void setTitle(const std::u16string &title) = 0;

    virtual std::u16string outputText() const = 0;
    virtual void setOutputText(const std::u16string &text) = 0;
    // Puts the text box's cursor before unit `position` of its text, scrolled into view.
    virtual void setOutputCursor(size_t position) = 0;
    virtual std::u16string autoCaption() const = 0;
    virtual void setAutoCaption(const std::u16string &caption) = 0;
    virtual bool timerEnabled() const = 0;
    virtual void setTimerEnabled(bool enabled) = 0;
    virtual bool isChecked(form::Setting item) const = 0;
    virtual void setEnabled(form::Setting item, bool enabled) = 0;
    virtual void setStatsVisible(bool visible) = 0;
    virtual void setCounts(const std::u16string &adverbs, const std::u16string &adjectives,
                           const std::u16string &nouns) = 0;
    // Makes a screen reader speak the new epithet.
    virtual void announce(const std::u16string &epithet) = 0;
};
