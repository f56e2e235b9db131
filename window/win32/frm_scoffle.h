#pragma once

#include "platform/app_files.h"
#include "window/scoffle_front_end.h"
#include "window/scoffle_rules.h"
#include "window/twips.h"

#include <string>
#include <vector>

#include <windows.h>

class RandomSource;

// The program's one window, drawn with the Win32 API itself: an epithet over a row of buttons,
// a statistics frame that Show Stats reveals, and the File and Settings menus. What its events
// do is ScoffleRules'.
class FrmScoffle final : private ScoffleFrontEnd {
public:
    FrmScoffle(HINSTANCE instance, RandomSource &random, AppFiles files);
    ~FrmScoffle() override;
    FrmScoffle(const FrmScoffle &) = delete;
    FrmScoffle &operator=(const FrmScoffle &) = delete;

    // Shows the window and reads the word list. False when the program cannot run: the user
    // has been told why, and the window is gone.
    bool load() { return rules_.load(); }

    HWND handle() const { return window_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(HWND window, UINT message, WPARAM w, LPARAM l);
    void createControls();
    void createMenus();
    void addToolTips();
    void command(int id, int code, HWND control);
    void layOut();
    // The window's outer size for a client area laid out at this scale.
    static SIZE frameSize(const TwipsScale &twips, UINT dpi);
    double fontScale(HFONT font) const;
    void makeDefault(int id);
    void sizeLabel(HWND label);

    // ScoffleFrontEnd
    void showWindow() override;
    void closeWindow() override;
    void setTitle(const std::u16string &title) override;
    std::u16string outputText() const override;
    void setOutputText(const std::u16string &text) override;
    std::u16string autoCaption() const override;
    void setAutoCaption(const std::u16string &caption) override;
    bool timerEnabled() const override { return timerEnabled_; }
    void setTimerEnabled(bool enabled) override;
    bool isChecked(Setting item) const override;
    void setEnabled(Setting item, bool enabled) override;
    void setStatsVisible(bool visible) override;
    void setCounts(const std::u16string &adverbs, const std::u16string &adjectives,
                   const std::u16string &nouns) override;
    void announce(const std::u16string &epithet) override;
    void showStopMessage(const std::u16string &title, const std::u16string &text) override;
    void beep() override;
    bool setClipboardText(const std::u16string &text) override;

    // A control, where it goes in twips, and the captions it must show whole.
    struct Placement {
        HWND control;
        Rect twips;
        std::vector<std::u16string> captions;
        bool isButton;
    };

    HINSTANCE instance_;
    ScoffleRules rules_;
    HWND window_ = nullptr;
    HMENU menu_ = nullptr;
    HFONT messageFont_ = nullptr;
    HFONT outputFont_ = nullptr;
    bool timerEnabled_ = false;
    int defaultId_ = 0; // the button Enter clicks: Make's, or the command button with the focus
    std::vector<Placement> placements_;

    HWND cmdAuto = nullptr;
    HWND cmdClip = nullptr;
    HWND fraStats = nullptr;
    HWND lblAdjectives = nullptr;
    HWND lblAdverbs = nullptr;
    HWND lblNouns = nullptr;
    HWND cmdSave = nullptr;
    HWND txtOutput = nullptr;
    HWND cmdMake = nullptr;
    HWND cmdExit = nullptr;
};
