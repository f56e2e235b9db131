#include "text_measure.h"

#include <string>

SIZE CaptionSize(HDC dc, HFONT font, std::u16string_view caption) {
    const HGDIOBJ old = ::SelectObject(dc, font);
    RECT box{};
    const std::wstring text(caption.begin(), caption.end());
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(dc, old);
    return {box.right - box.left, box.bottom - box.top};
}

// The room for ink: the last glyph's overhang, and the pixel or two that the drawn text gains
// over the measured one at some resolutions (the "s" of "215 Adjectives" was cut at 120 dpi).
LONG LabelWidth(HDC dc, HFONT font, std::u16string_view caption) {
    LONG width = CaptionSize(dc, font, caption).cx;
    const HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ABC last{};
    const wchar_t end = caption.empty() ? L' ' : static_cast<wchar_t>(caption.back());
    if (::GetCharABCWidthsW(dc, end, end, &last) && last.abcC < 0)
        width -= last.abcC;
    ::SelectObject(dc, old);
    return width + metrics.tmAveCharWidth / 2;
}
