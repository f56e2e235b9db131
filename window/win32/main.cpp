#include "frm_scoffle.h"
#include "win32_desktop.h"

#include "platform/display_text.h"
#include "platform/user_languages.h"
#include "platform/xoshiro_random.h"
#include "window/scoffle_rules.h"

#include <commctrl.h>
#include <objbase.h>

#include <system_error>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    // The accessibility annotations are COM objects of this thread.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    FrmScoffle window(instance);
    if (window.failure()) {
        const std::u16string text =
            u"Can't open the window:\r\n" + ErrorText(window.failure()) + u".";
        ::MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.c_str()), L"Vilifex",
                      MB_OK | MB_ICONSTOP);
        return 1;
    }
    Win32Desktop desktop(window.hwnd());
    XoshiroRandom random;
    ScoffleRules rules(window, desktop, random,
                       LocateAppFiles(ProgramDirectory(), UserDataDirectory(), UserLanguages()));
    window.attach(rules);
    if (!rules.load())
        return 1;
    // The dialog manager gives the window Tab, Enter, Esc and the access keys.
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.hwnd() || !::IsDialogMessageW(window.hwnd(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    if (SUCCEEDED(com))
        ::CoUninitialize();
    return static_cast<int>(message.wParam);
}
