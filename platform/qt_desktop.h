#pragma once

#include "desktop.h"

class QtDesktop : public Desktop {
public:
    void showStopMessage(QWidget *parent, const QString &title, const QString &text) override;
    void beep() override;
    void setClipboardText(const QString &text) override;
};
