#pragma once

#include <string>
#include <string_view>

#include <windows.h>

// Win32 text is UTF-16 in wchar_t.
inline std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

// The text of a window or control.
inline std::u16string WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return {text.begin(), text.end()};
}
