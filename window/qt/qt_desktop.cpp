#include "qt_desktop.h"

#include "qt_controls.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QProcess>

void QtDesktop::showStopMessage(const std::u16string &title, const std::u16string &text) {
    // Qt breaks lines at LF alone.
    QMessageBox::critical(window_, Text(title),
                          Text(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                          QMessageBox::Ok);
}

void QtDesktop::beep() {
    // Qt's Wayland platform has no beep: the desktop's bell sound stands in for it, where
    // libcanberra's player is installed (GNOME has it).
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        QProcess::startDetached(QStringLiteral("canberra-gtk-play"), {QStringLiteral("--id=bell")});
        return;
    }
    QApplication::beep();
}

std::error_code QtDesktop::setClipboardText(const std::u16string &text) {
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(Text(text));
    return {}; // Qt owns the clipboard through the window system, which always takes it
}
