#pragma once

#include <string_view>

#include <windows.h>

// A caption's size in pixels in the font, its access key's "&" left out.
SIZE CaptionSize(HDC dc, HFONT font, std::u16string_view caption);

// A label's width for its caption: the caption's advance, and room for ink that reaches past
// it.
LONG LabelWidth(HDC dc, HFONT font, std::u16string_view caption);
