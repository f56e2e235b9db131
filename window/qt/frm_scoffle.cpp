#include "frm_scoffle.h"

#include "atspi_announcer.h"
#include "epithet_announcer.h"
#include "termination_signals.h"
#include "window/scoffle_rules.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

using form::Control;
using form::Kind;

FrmScoffle::FrmScoffle(QWidget *parent) : QMainWindow(parent) {
    setObjectName(Text(form::kName));
    setWindowTitle(Text(form::kTitle));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   (form::kResizable ? Qt::WindowMaximizeButtonHint : Qt::WindowFlags()));
    createControls();
    createMenus();
    // On Wayland Qt draws the title bar itself, with a maximise button whatever the flags, and
    // a maximised window must take the compositor's size or be disconnected; there it may grow,
    // and goes back to its own size at once (see changeEvent).
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    layout()->setSizeConstraint(wayland || form::kResizable ? QLayout::SetMinimumSize
                                                            : QLayout::SetFixedSize);
    announcer_ = new EpithetAnnouncer(this);
    controls_.button(form::TabOrder().front())->setFocus();
}

void FrmScoffle::createControls() {
    auto *client = new QWidget(this);
    setCentralWidget(client);
    timer_ = new QTimer(this);
    timer_->setObjectName(Text(form::kTimerName));
    timer_->setInterval(form::kAutoIntervalMs);
    connect(timer_, &QTimer::timeout, this, [this] { rules_->tick(); });

    for (const form::ControlEntry &entry : form::kControls) {
        controls_.make(entry, form::InFrame(entry.id) ? controls_.get<Control::Stats>() : client);
        if (entry.kind == Kind::Button)
            connect(controls_.button(entry.id), &QPushButton::clicked, this,
                    [this, id = entry.id] { rules_->click(id); });
    }
    controls_.button(form::kDefaultButton)->setDefault(true);
    const auto order = form::TabOrder();
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(controls_.widget(order[i - 1]), controls_.widget(order[i]));
    layout_.layOut(*this);
}

void FrmScoffle::createMenus() {
    QMenu *file = menuBar()->addMenu(Text(form::kFileMenu.caption));
    file->setObjectName(Text(form::kFileMenu.name));
    QAction *exit = file->addAction(Text(form::kFileExit.caption));
    exit->setObjectName(Text(form::kFileExit.name));
    connect(exit, &QAction::triggered, this, [this] { rules_->clickFileExit(); });

    QMenu *settings = menuBar()->addMenu(Text(form::kSettingsMenu.caption));
    settings->setObjectName(Text(form::kSettingsMenu.name));
    for (const form::SettingItem &setting : form::kSettingItems) {
        QAction *item = settings->addAction(Text(setting.caption));
        item->setObjectName(Text(setting.name));
        item->setCheckable(true); // inverts its own mark before the rules hear of it
        item->setChecked(setting.checked);
        connect(item, &QAction::triggered, this,
                [this, which = setting.setting] { rules_->clickSetting(which); });
        settingItems_[static_cast<int>(setting.setting)] = item;
    }
}

FormCanvas::Size FrmScoffle::captionNeeds(Control id, std::u16string_view caption) const {
    return CaptionNeeds(controls_.widget(id), form::EntryOf(id).kind, caption);
}

int FrmScoffle::labelWidth(Control label, std::u16string_view caption) const {
    const QLabel *control = controls_.label(label);
    return control->fontMetrics().size(0, Text(caption)).width() + 2 * control->margin();
}

void FrmScoffle::setOutputPoints(double points) {
    QLineEdit *box = controls_.get<Control::Output>();
    QFont font = box->font();
    font.setPointSizeF(points);
    box->setFont(font);
}

void FrmScoffle::setClientSize(int width, int height) {
    centralWidget()->setFixedSize(width, height);
}

void FrmScoffle::setLabelText(Control label, std::u16string_view text) {
    controls_.label(label)->setText(Text(text));
}

void FrmScoffle::place(Control id, const Rect &pixels) {
    controls_.widget(id)->setGeometry(pixels.x, pixels.y, pixels.width, pixels.height);
}

void FrmScoffle::showWindow() {
    show();
    waitUntilPlaced();
}

void FrmScoffle::waitUntilPlaced() {
    // Until the window system has placed the window, a message box over it would open in the
    // screen's corner. Clicks and keys wait meanwhile, so none reaches Make before the list is
    // loaded; a second is plenty for any window manager. A program asked to end waits no more.
    constexpr int kLongestWaitMs = 1000;
    QElapsedTimer waited;
    waited.start();
    while (!windowHandle()->isExposed() && !TerminationAsked() &&
           waited.elapsed() < kLongestWaitMs) {
        QEventLoop pause;
        QTimer::singleShot(5, &pause, &QEventLoop::quit);
        pause.exec(QEventLoop::ExcludeUserInputEvents);
    }
}

void FrmScoffle::setTitle(const std::u16string &title) {
    // Qt reads "[*]" as the place for the unsaved-changes mark; doubled, it shows as is.
    setWindowTitle(Text(title).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

std::u16string FrmScoffle::outputText() const {
    return controls_.get<Control::Output>()->text().toStdU16String();
}

void FrmScoffle::setOutputText(const std::u16string &text) {
    controls_.get<Control::Output>()->setText(Text(text));
}

void FrmScoffle::setOutputCursor(size_t position) {
    controls_.get<Control::Output>()->setCursorPosition(static_cast<int>(position));
}

std::u16string FrmScoffle::autoCaption() const {
    return controls_.get<Control::Auto>()->text().toStdU16String();
}

void FrmScoffle::setAutoCaption(const std::u16string &caption) {
    controls_.get<Control::Auto>()->setText(Text(caption));
    AtSpiAnnouncer::nameChanged(controls_.get<Control::Auto>());
}

bool FrmScoffle::timerEnabled() const {
    return timer_->isActive();
}

void FrmScoffle::setTimerEnabled(bool enabled) {
    if (enabled)
        timer_->start();
    else
        timer_->stop();
}

bool FrmScoffle::isChecked(form::Setting item) const {
    return settingItems_[static_cast<int>(item)]->isChecked();
}

void FrmScoffle::setEnabled(form::Setting item, bool enabled) {
    settingItems_[static_cast<int>(item)]->setEnabled(enabled);
}

void FrmScoffle::setStatsVisible(bool visible) {
    controls_.get<Control::Stats>()->setVisible(visible);
}

void FrmScoffle::setCounts(const std::u16string &adverbs, const std::u16string &adjectives,
                           const std::u16string &nouns) {
    layout_.showCounts(*this, adverbs, adjectives, nouns);
}

void FrmScoffle::announce(const std::u16string &epithet) {
    announcer_->announce(Text(epithet));
}

void FrmScoffle::keyPressEvent(QKeyEvent *event) {
    // Keys reach the window only when the focused control leaves them: a focused button takes
    // Enter itself, so here Enter is the default button's, and Esc is always the cancel's.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        controls_.button(form::kDefaultButton)->click();
        break;
    case Qt::Key_Escape:
        controls_.button(form::kCancelButton)->click();
        break;
    default:
        QMainWindow::keyPressEvent(event);
    }
}

void FrmScoffle::changeEvent(QEvent *event) {
    if (event->type() == QEvent::WindowStateChange) {
        if (windowState() & Qt::WindowMinimized)
            rules_->followWindowState(WindowState::Minimized);
        else if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
            rules_->followWindowState(WindowState::Maximized);
            QTimer::singleShot(0, this, &QWidget::showNormal); // a fixed layout stays its size
        } else
            rules_->followWindowState(WindowState::Normal);
    } else if (event->type() == QEvent::FontChange && controls_.made()) {
        layout_.layOut(*this); // the desktop's font changed while the program ran
    }
    QMainWindow::changeEvent(event);
}
