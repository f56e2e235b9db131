#include "win32_desktop.h"

#include "win32_text.h"

#include <algorithm>

void Win32Desktop::showStopMessage(const std::u16string &title, const std::u16string &text) {
    ::MessageBoxW(window_, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_ICONSTOP);
}

void Win32Desktop::beep() {
    ::MessageBeep(MB_OK);
}

namespace {

std::error_code LastError() {
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

} // namespace

std::error_code Win32Desktop::setClipboardText(const std::u16string &text) {
    // The text is made ready before the clipboard is emptied, so that a failure leaves the
    // user's clipboard as it was.
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (!memory)
        return LastError();
    auto *units = static_cast<wchar_t *>(::GlobalLock(memory));
    if (!units) {
        const std::error_code error = LastError();
        ::GlobalFree(memory);
        return error;
    }
    std::copy(text.begin(), text.end(), units);
    units[text.size()] = L'\0';
    ::GlobalUnlock(memory);

    // Another program may hold the clipboard open for a moment, as clipboard viewers do: try
    // for half a second before giving up.
    for (int tried = 1; !::OpenClipboard(window_); ++tried) {
        if (tried == 25) {
            ::GlobalFree(memory);
            return make_error_code(std::errc::device_or_resource_busy);
        }
        ::Sleep(20);
    }
    std::error_code result;
    if (!::EmptyClipboard() || !::SetClipboardData(CF_UNICODETEXT, memory)) {
        result = LastError(); // before CloseClipboard sets it anew
        ::GlobalFree(memory); // the clipboard did not take it
    }
    ::CloseClipboard();
    return result;
}
