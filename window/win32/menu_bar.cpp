#include "menu_bar.h"

#include "command_ids.h"
#include "win32_text.h"

MenuBar::MenuBar() : menu_(::CreateMenu()) {
    const HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, command_id::kFileExit, Wide(form::kFileExit.caption).c_str());
    ::AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(file),
                  Wide(form::kFileMenu.caption).c_str());
    const HMENU settings = ::CreatePopupMenu();
    for (const form::SettingItem &item : form::kSettingItems)
        ::AppendMenuW(settings, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED),
                      command_id::Of(item.setting), Wide(item.caption).c_str());
    ::AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(settings),
                  Wide(form::kSettingsMenu.caption).c_str());
}

MenuBar::~MenuBar() {
    if (owned_)
        ::DestroyMenu(menu_);
}

bool MenuBar::isChecked(form::Setting item) const {
    return (::GetMenuState(menu_, command_id::Of(item), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void MenuBar::setEnabled(form::Setting item, bool enabled) {
    ::EnableMenuItem(menu_, command_id::Of(item),
                     MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void MenuBar::invert(form::Setting item) {
    ::CheckMenuItem(menu_, command_id::Of(item), isChecked(item) ? MF_UNCHECKED : MF_CHECKED);
}
