#include "display_text.h"

#include "text_encoding.h"

#include <windows.h>

std::u16string PathText(const std::filesystem::path &path) {
    const std::wstring native = std::filesystem::path(path).make_preferred().native();
    return {native.begin(), native.end()};
}

std::u16string ErrorText(const std::error_code &error) {
    if (error.category() == std::system_category()) {
        wchar_t *words = nullptr;
        const DWORD length =
            ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, static_cast<DWORD>(error.value()), 0,
                             reinterpret_cast<wchar_t *>(&words), 0, nullptr);
        if (length > 0) {
            std::u16string text(words, words + length);
            ::LocalFree(words);
            while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' ||
                                     text.back() == u' ' || text.back() == u'.'))
                text.pop_back();
            return text;
        }
    }
    const std::string bytes = error.message();
    std::u16string text(bytes.size(), u'\0');
    text.resize(EightBitToUtf16(bytes, text.data()));
    return text;
}
