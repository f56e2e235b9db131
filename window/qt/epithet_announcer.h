#pragma once

#include <QObject>
#include <QPointer>
#include <QPushButton>

// Makes screen readers speak each new epithet. They do not speak a change in a text box that
// has no focus, but they do speak a new description of the focused control: the button the
// user is on carries the epithet, until the focus leaves it, so that coming back to it reads
// its own name and tooltip rather than an old epithet.
class EpithetAnnouncer : public QObject {
public:
    explicit EpithetAnnouncer(QWidget *window);
    ~EpithetAnnouncer() override;

    void announce(const QString &epithet);

private:
    QWidget *window_;
    QPointer<QPushButton> describedButton_;
    QMetaObject::Connection focusWatch_;
};
