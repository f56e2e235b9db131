#pragma once

#include "window/desktop.h"

class QWidget;

// The stop message, the beep and the clipboard through Qt.
class QtDesktop : public Desktop {
public:
    // Message boxes are modal over `window`.
    explicit QtDesktop(QWidget *window) : window_(window) {}

    void showStopMessage(const std::u16string &title, const std::u16string &text) override;
    void beep() override;
    std::error_code setClipboardText(const std::u16string &text) override;

private:
    QWidget *window_;
};
