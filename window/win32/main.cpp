#include "frm_scoffle.h"

#include "platform/standard_random.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);

    StandardRandom random;
    FrmScoffle window(instance, random, LocateAppFiles(ProgramDirectory(), UserDataDirectory()));
    if (!window.load())
        return 1;
    // The dialog manager gives the window Tab, Enter, Esc and the access keys.
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.handle() || !::IsDialogMessageW(window.handle(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
