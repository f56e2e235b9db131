#pragma once

#include <string>

// The four Settings items, in their menu's order.
enum class Setting { Stats, Commas, Order, Single };

struct SettingItem {
    Setting setting;
    const char16_t *name;
    const char16_t *caption;
    bool checked; // at start
};

inline constexpr SettingItem kSettingItems[] = {
    {Setting::Stats, u"mnuSettingsStats", u"&Show Stats", false},
    {Setting::Commas, u"mnuSettingsCommas", u"Use &Commas", true},
    {Setting::Order, u"mnuSettingsOrder", u"&Length Order", true},
    {Setting::Single, u"mnuSettingsSingle", u"Single &Modifier", false},
};

enum class WindowState { Normal, Minimized, Maximized };

// What the main window's rules ask of the toolkit that draws it: the states of its controls,
// and the few services of the desktop. A checkable item inverts its own check mark when it is
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
    virtual std::u16string autoCaption() const = 0;
    virtual void setAutoCaption(const std::u16string &caption) = 0;
    virtual bool timerEnabled() const = 0;
    virtual void setTimerEnabled(bool enabled) = 0;
    virtual bool isChecked(Setting item) const = 0;
    virtual void setEnabled(Setting item, bool enabled) = 0;
    virtual void setStatsVisible(bool visible) = 0;
    virtual void setCounts(const std::u16string &adverbs, const std::u16string &adjectives,
                           const std::u16string &nouns) = 0;
    // Makes a screen reader speak the new epithet.
    virtual void announce(const std::u16string &epithet) = 0;

    // A box with the stop icon and an OK button, modal over the window; returns once dismissed.
    virtual void showStopMessage(const std::u16string &title, const std::u16string &text) = 0;
    virtual void beep() = 0;
    // Clears the clipboard, then puts `text` on it as plain text.
    // False where the clipboard could not be had: another program holds it open.
    virtual bool setClipboardText(const std::u16string &text) = 0;
};
