#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// A font that is let go of with its owner.
struct FontDeleter {
    void operator()(HFONT font) const { ::DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The screen's device context, for measuring text, while it lives.
class ScreenDc {
public:
    ScreenDc() : dc_(::GetDC(nullptr)) {}
    ~ScreenDc() { ::ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc &) = delete;
    ScreenDc &operator=(const ScreenDc &) = delete;
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};
