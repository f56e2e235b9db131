#pragma once

#include "window/scoffle_form.h"

#include <optional>

#include <windows.h>

// The identifiers that WM_COMMAND carries for the controls and the menu items.
namespace command_id {

inline constexpr int kFirstControl = 100; // + form::Control
inline constexpr int kFileExit = 200;
inline constexpr int kFirstSetting = 210; // + form::Setting

// The dialog manager sends Esc as IDCANCEL, so that is the cancel button's.
constexpr int Of(form::Control control) {
    return control == form::kCancelButton ? IDCANCEL : kFirstControl + static_cast<int>(control);
}

constexpr int Of(form::Setting item) {
    return kFirstSetting + static_cast<int>(item);
}

constexpr std::optional<form::Control> ControlOf(int id) {
    for (const form::ControlEntry &entry : form::kControls)
        if (Of(entry.id) == id)
            return entry.id;
    return std::nullopt;
}

constexpr std::optional<form::Setting> SettingOf(int id) {
    for (const form::SettingItem &item : form::kSettingItems)
        if (Of(item.setting) == id)
            return item.setting;
    return std::nullopt;
}

} // namespace command_id
