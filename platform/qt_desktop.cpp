#include "qt_desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QProcess>

void QtDesktop::showStopMessage(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
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

void QtDesktop::setClipboardText(const QString &text) {
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}
