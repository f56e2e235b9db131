// A label sized by LabelWidth holds all the ink of its caption, drawn as the static control
// draws it (DrawText), in the message font of each resolution. At 120 dpi the ink of
// "215 Adjectives" reaches a pixel past its advance.
#include "window/win32/text_measure.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

// The rightmost column that `caption` puts ink in, drawn at the left of a white bitmap.
int InkRight(HDC screen, HFONT font, const std::u16string &caption, int width, int height) {
    const HDC dc = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
    const HGDIOBJ oldFont = ::SelectObject(dc, font);
    ::PatBlt(dc, 0, 0, width, height, WHITENESS);
    ::SetBkMode(dc, TRANSPARENT);
    const std::wstring text(caption.begin(), caption.end());
    RECT box{0, 0, width, height};
    ::DrawTextW(dc, text.c_str(), -1, &box, DT_LEFT | DT_NOPREFIX | DT_SINGLELINE);
    int right = -1;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (::GetPixel(dc, x, y) != RGB(255, 255, 255))
                right = x;
    ::SelectObject(dc, oldFont);
    ::SelectObject(dc, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    return right;
}

TEST(LabelWidth, HoldsAllTheInkOfItsCaptionAtEveryResolution) {
    const HDC screen = ::GetDC(nullptr);
    for (const UINT dpi : {96u, 120u, 144u, 192u}) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        ASSERT_TRUE(::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics,
                                                 0, dpi));
        const HFONT font = ::CreateFontIndirectW(&metrics.lfMessageFont);
        for (const std::u16string caption :
             {u"215 Adjectives", u"8888 Adjectives", u"1 Adverbs", u"12345 Nouns", u"7 Nouns"}) {
            const int width = LabelWidth(screen, font, caption);
            const int height = CaptionSize(screen, font, caption).cy;
            const int ink = InkRight(screen, font, caption, width + 40, height);
            EXPECT_GE(ink, 0) << "nothing drawn";
            EXPECT_LT(ink, width) << dpi << " dpi: " << std::string(caption.begin(), caption.end());
        }
        ::DeleteObject(font);
    }
    ::ReleaseDC(nullptr, screen);
}

} // namespace
