#include "display_text.h"

#include "text_encoding.h"

namespace {

// Names and messages are bytes: UTF-8 where they are valid UTF-8, else an older code page.
std::u16string Decode(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    text.resize(EightBitToUtf16(bytes, text.data()));
    return text;
}

} // namespace

std::u16string PathText(const std::filesystem::path &path) {
    return Decode(path.native());
}

std::u16string ErrorText(const std::error_code &error) {
    return Decode(error.message());
}
