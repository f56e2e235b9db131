// A bare Win32 window with the program's menu bar and client size, shown the same way: what
// the program's start-up is measured against.
#include <initializer_list>

#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    if (message == WM_KEYDOWN && w == VK_ESCAPE) {
        ::DestroyWindow(window);
        return 0;
    }
    return ::DefWindowProcW(window, message, w, l);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = Procedure;
    type.hInstance = instance;
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = L"BareWindow";
    ::RegisterClassExW(&type);

    const HMENU menu = ::CreateMenu();
    const HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, 200, L"E&xit");
    ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    const HMENU settings = ::CreatePopupMenu();
    for (const wchar_t *item :
         {L"&Show Stats", L"Use &Commas", L"&Length Order", L"Single &Modifier"})
        ::AppendMenuW(settings, MF_STRING, 210, item);
    ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(settings), L"&Settings");

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, 397, 85};
    ::AdjustWindowRectEx(&frame, style, TRUE, 0);
    const HWND window = ::CreateWindowExW(
        0, L"BareWindow", L"Bare Window", style, CW_USEDEFAULT, CW_USEDEFAULT,
        frame.right - frame.left, frame.bottom - frame.top, nullptr, menu, instance, nullptr);
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::UpdateWindow(window);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
