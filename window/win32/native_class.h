#pragma once

#include "window/scoffle_form.h"

#include <windows.h>

// The system's window class and styles that draw a kind of control of the form.
struct NativeClass {
    const wchar_t *name;
    DWORD style;
    DWORD extendedStyle;
};

inline NativeClass NativeClassFor(form::Kind kind) {
    switch (kind) {
    case form::Kind::Button:
        return {L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY, 0};
    case form::Kind::TextBox:
        return {L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case form::Kind::Label:
        return {L"STATIC", SS_NOPREFIX, 0};
    case form::Kind::Frame:
        break;
    }
    return {L"STATIC", 0, 0};
}
