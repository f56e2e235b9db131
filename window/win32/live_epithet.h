#pragma once

#include "window/scoffle_form.h"

#include <windows.h>

struct IAccPropServices;

// Gives screen readers what the system's own controls do not say: a control's accessible name
// from the form where its caption does not name it, and the text box as a live region, so that
// each new epithet is spoken wherever the focus is. Where the system has no such service the
// controls go unnamed, and each new epithet is still announced.
class LiveEpithet {
public:
    LiveEpithet() = default;
    ~LiveEpithet();
    LiveEpithet(const LiveEpithet &) = delete;
    LiveEpithet &operator=(const LiveEpithet &) = delete;

    // Annotates the controls, by form::Control, until clear().
    void annotate(const HWND (&controls)[form::kControlCount]);
    void clear();
    // Tells screen readers that the text box holds a new epithet.
    void announce() const;

private:
    IAccPropServices *services_ = nullptr;
    HWND controls_[form::kControlCount] = {};
};
