#pragma once

#include <string>
#include <system_error>

// What the main window's rules need of the desktop besides the window: the stop message, the
// beep and the clipboard. Text is UTF-16, with CR LF between the lines of a message. Tests put a
// recording double in its place, so no modal message box ever waits for a click.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A box with the stop icon and an OK button, modal over the window; returns once dismissed.
    virtual void showStopMessage(const std::u16string &title, const std::u16string &text) = 0;
    virtual void beep() = 0;
    // Clears the clipboard, then puts `text` on it as plain text. Says why where it could not:
    // std::errc::device_or_resource_busy while another program holds the clipboard open, the
    // system's reason otherwise; the clipboard is then left as it was.
    virtual std::error_code setClipboardText(const std::u16string &text) = 0;
};
