#include "user_languages.h"

#include <windows.h>

std::vector<std::string> UserLanguages() {
    ULONG count = 0;
    ULONG size = 0;
    if (!::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size))
        return {};
    std::wstring names(size, L'\0');
    if (!::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size))
        return {};
    return InterfaceLanguages(std::wstring_view(names.data(), size));
}
