#pragma once

#include <QString>

class QWidget;

// What the window needs of the desktop besides its own widgets. Tests put a recording double in
// its place, so no modal message box ever waits for a click.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A box with the stop icon and an OK button, modal over `parent`; returns once dismissed.
    virtual void showStopMessage(QWidget *parent, const QString &title, const QString &text) = 0;

    virtual void beep() = 0;

    // Clears the clipboard, then puts `text` on it as plain text.
    virtual void setClipboardText(const QString &text) = 0;
};
