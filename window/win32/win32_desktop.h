#pragma once

#include "window/desktop.h"

#include <windows.h>

// The stop message, the beep and the clipboard through the Win32 API.
class Win32Desktop : public Desktop {
public:
    // Message boxes are modal over `window`, which owns the clipboard's contents.
    explicit Win32Desktop(HWND window) : window_(window) {}

    void showStopMessage(const std::u16string &title, const std::u16string &text) override;
    void beep() override;
    std::error_code setClipboardText(const std::u16string &text) override;

private:
    HWND window_;
};
