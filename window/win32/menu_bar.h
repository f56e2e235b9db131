#pragma once

#include "window/scoffle_form.h"

#include <windows.h>

// The window's File and Settings menus, made from the form's table. The window that is made
// with the menu bar destroys it; until one is, the menu bar is its own.
class MenuBar {
public:
    MenuBar();
    ~MenuBar();
    MenuBar(const MenuBar &) = delete;
    MenuBar &operator=(const MenuBar &) = delete;

    HMENU handle() const { return menu_; }
    // The window now owns the menus, and destroys them with itself.
    void handOver() { owned_ = false; }

    bool isChecked(form::Setting item) const;
    void setEnabled(form::Setting item, bool enabled);
    // A Win32 menu item does not invert its own mark when chosen, as the rules expect: this does.
    void invert(form::Setting item);

private:
    HMENU menu_;
    bool owned_ = true;
};
