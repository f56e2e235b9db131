#include "tool_tips.h"

#include "win32_text.h"

#include <commctrl.h>

void AddToolTips(HWND window, const HWND (&controls)[form::kControlCount]) {
    const HWND tips = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP,
                                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                        window, nullptr, nullptr, nullptr);
    for (const form::ControlEntry &entry : form::kControls) {
        if (entry.toolTip.empty())
            continue;
        std::wstring text = Wide(entry.toolTip);
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window;
        tool.uId = reinterpret_cast<UINT_PTR>(controls[static_cast<int>(entry.id)]);
        tool.lpszText = text.data();
        ::SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}
