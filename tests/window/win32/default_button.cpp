// Prints the caption of the push button that the window titled "Zestive Vilifex" draws as its
// default (BS_DEFPUSHBUTTON), which Wine's theme does not show apart from the focus. Under Wine,
// for tests/windows_test.sh.
#include <windows.h>

#include <cstdio>

namespace {

BOOL CALLBACK PrintIfDefault(HWND child, LPARAM) {
    wchar_t name[32] = L"";
    ::GetClassNameW(child, name, 32);
    const LONG_PTR style = ::GetWindowLongPtrW(child, GWL_STYLE);
    if (::lstrcmpiW(name, L"Button") == 0 && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        wchar_t caption[64] = L"";
        ::GetWindowTextW(child, caption, 64);
        std::printf("%ls\n", caption);
    }
    return TRUE;
}

} // namespace

int main() {
    const HWND window = ::FindWindowW(nullptr, L"Zestive Vilifex");
    if (!window)
        return 1;
    ::EnumChildWindows(window, PrintIfDefault, 0);
    return 0;
}
