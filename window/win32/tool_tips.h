#pragma once

#include "window/scoffle_form.h"

#include <windows.h>

// Gives the window's controls the form's tooltips.
void AddToolTips(HWND window, const HWND (&controls)[form::kControlCount]);
