#include "epithet_announcer.h"

#include "atspi_announcer.h"

#include <QApplication>

EpithetAnnouncer::EpithetAnnouncer(QWidget *window) : QObject(window), window_(window) {
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old) {
        if (old && old == describedButton_) {
            describedButton_->setAccessibleDescription(QString());
            describedButton_ = nullptr;
        }
    });
}

EpithetAnnouncer::~EpithetAnnouncer() {
    // The focus moves as the window's controls go, after this is gone.
    disconnect(focusWatch_);
}

void EpithetAnnouncer::announce(const QString &epithet) {
    auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
    if (focused && focused->window() != window_)
        focused = nullptr;
    if (describedButton_ && describedButton_ != focused)
        describedButton_->setAccessibleDescription(QString());
    describedButton_ = focused;
    if (focused) {
        focused->setAccessibleDescription(epithet);
        AtSpiAnnouncer::descriptionChanged(focused);
    }
}
