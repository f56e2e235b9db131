#pragma once

#include <memory>
#include <type_traits>

#include <windows.h>

// The main window's class with the program's icons, registered while this lives.
class WindowClass {
public:
    WindowClass(HINSTANCE instance, WNDPROC procedure);
    ~WindowClass();
    WindowClass(const WindowClass &) = delete;
    WindowClass &operator=(const WindowClass &) = delete;

    // Null where the system would not register it.
    const wchar_t *name() const { return registered_ ? kName : nullptr; }

private:
    struct IconDeleter {
        void operator()(HICON icon) const { ::DestroyIcon(icon); }
    };
    using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

    static constexpr wchar_t kName[] = L"ZestiveVilifex";
    HINSTANCE instance_;
    Icon icon_, smallIcon_;
    bool registered_;
};
