// Listens as a screen reader would for live-region announcements from any program, and prints
// the announcing control's accessible name and value, a line for each, for SECONDS seconds.
// Under Wine, for tests/windows_test.sh.
//
// event_watch SECONDS
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Utf8(BSTR text) {
    if (!text)
        return {};
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    ::SysFreeString(text);
    return bytes;
}

void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    IAccessible *accessible = nullptr;
    VARIANT self{};
    if (FAILED(::AccessibleObjectFromEvent(window, static_cast<DWORD>(object),
                                           static_cast<DWORD>(child), &accessible, &self))) {
        std::puts("live region without an accessible object");
        std::fflush(stdout);
        return;
    }
    BSTR name = nullptr, value = nullptr;
    accessible->get_accName(self, &name);
    accessible->get_accValue(self, &value);
    accessible->Release();
    std::printf("live region \"%s\": %s\n", Utf8(name).c_str(), Utf8(value).c_str());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[]) {
    const UINT seconds = argc > 1 ? static_cast<UINT>(std::atoi(argv[1])) : 10;
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                          &Heard, 0, 0, WINEVENT_OUTOFCONTEXT);
    if (!hook)
        return 2;
    std::puts("listening");
    std::fflush(stdout);
    ::SetTimer(nullptr, 0, seconds * 1000, nullptr);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER)
            break;
        ::DispatchMessageW(&message);
    }
    ::UnhookWinEvent(hook);
    ::CoUninitialize();
    return 0;
}
