#include "win32_desktop.h"

#include "win32_text.h"

#include <algorithm>

void Win32Desktop::showStopMessage(const std::u16string &title, const std::u16string &text) {
    ::MessageBoxW(window_, Wide(text).c_str(), Wide(title).c_str(), MB_OK | MB_ICONSTOP);
}

void Win32Desktop::beep() {
    ::MessageBeep(MB_OK);
}

bool Win32Desktop::setClipboardText(const std::u16string &text) {
    // Another program may hold the clipboard open for a moment, as clipboard viewers do: try
    // for a fifth of a second before giving up.
    for (int tried = 1; !::OpenClipboard(window_); ++tried) {
        if (tried == 10)
            return false;
        ::Sleep(20);
    }
    ::EmptyClipboard();
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (memory) {
        auto *units = static_cast<wchar_t *>(::GlobalLock(memory));
        std::copy(text.begin(), text.end(), units);
        units[text.size()] = L'\0';
        ::GlobalUnlock(memory);
        if (!::SetClipboardData(CF_UNICODETEXT, memory))
            ::GlobalFree(memory);
    }
    ::CloseClipboard();
    return true;
}
