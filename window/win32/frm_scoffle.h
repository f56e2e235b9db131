#pragma once

#include "gdi_handles.h"
#include "live_epithet.h"
#include "menu_bar.h"
#include "window/form_layout.h"
#include "window/scoffle_front_end.h"
#include "window_class.h"

#include <string>

#include <system_error>

#include <windows.h>

class ScoffleRules;

// The program's one window, drawn with the Win32 API itself from the form's table: an epithet
// over a row of buttons, a statistics frame that Show Stats reveals, and the File and Settings
// menus. Its events go to the rules it is attached to.
class FrmScoffle final : public ScoffleFrontEnd, private FormCanvas {
public:
    // Creates the window, hidden; where the system would not make it or one of its controls,
    // failure() says why, and the window is not to be used.
    explicit FrmScoffle(HINSTANCE instance);
    ~FrmScoffle() override;
    FrmScoffle(const FrmScoffle &) = delete;
    FrmScoffle &operator=(const FrmScoffle &) = delete;

    // The rules that every event goes to; attached before the window is loaded.
    void attach(ScoffleRules &rules) { rules_ = &rules; }
    HWND hwnd() const { return hwnd_; }
    std::error_code failure() const { return failure_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT onMessage(UINT message, WPARAM w, LPARAM l);
    void createControls();
    void onCommand(int id, int code, HWND from);
    void layOut();
    // The window's outer size for a client area of this size.
    SIZE frameSize(int width, int height, UINT dpi) const;
    void makeDefault(form::Control button);
    HWND control(form::Control id) const { return controls_[static_cast<int>(id)]; }

    // ScoffleFrontEnd
    void showWindow() override;
    void closeWindow() override;
    void setTitle(const std::u16string &title) override;
    std::u16string outputText() const override;
    void setOutputText(const std::u16string &text) override;
    void setOutputCursor(size_t position) override;
    std::u16string autoCaption() const override;
    void setAutoCaption(const std::u16string &caption) override;
    bool timerEnabled() const override { return timerEnabled_; }
    void setTimerEnabled(bool enabled) override;
    bool isChecked(form::Setting item) const override;
    void setEnabled(form::Setting item, bool enabled) override;
    void setStatsVisible(bool visible) override;
    void setCounts(const std::u16string &adverbs, const std::u16string &adjectives,
                   const std::u16string &nouns) override;
    void announce(const std::u16string &epithet) override;

    // FormCanvas
    int dotsPerInch() const override;
    Size captionNeeds(form::Control id, std::u16string_view caption) const override;
    int labelWidth(form::Control label, std::u16string_view caption) const override;
    void setOutputPoints(double points) override;
    void setClientSize(int width, int height) override;
    void setLabelText(form::Control label, std::u16string_view text) override;
    void place(form::Control id, const Rect &pixels) override;

    HINSTANCE instance_;
    WindowClass class_;
    ScoffleRules *rules_ = nullptr;
    FormLayout layout_;
    HWND hwnd_ = nullptr;
    std::error_code failure_;
    MenuBar menu_;
    Font messageFont_, outputFont_;
    bool timerEnabled_ = false;
    form::Control defaultButton_ = form::kDefaultButton; // Make's, or the focused button
    HWND controls_[form::kControlCount] = {};            // by form::Control
    LiveEpithet live_;
};
