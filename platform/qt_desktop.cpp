#include "qt_desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

void QtDesktop::showStopMessage(QWidget *parent, const QString &title, const QString &text) {
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

void QtDesktop::beep() {
    QApplication::beep();
}

void QtDesktop::setClipboardText(const QString &text) {
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}
