#include "frm_scoffle.h"

#include "epithet_accessible.h"
#include "platform/atspi_announcer.h"
#include "platform/desktop.h"
#include "setting_item_accessible.h"
#include "window/caption_fit.h"
#include "window/scoffle_layout.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QWindow>

#include <limits>

namespace {

QString Text(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QRect ToQRect(const Rect &r) {
    return {r.x, r.y, r.width, r.height};
}

QPushButton *CreateButton(QWidget *parent, const layout::Control &control) {
    auto *button = new QPushButton(Text(control.caption), parent);
    button->setObjectName(Text(control.name));
    button->setToolTip(Text(control.toolTip));
    // Enter clicks whichever button has the focus; elsewhere it falls through to Make.
    button->setAutoDefault(true);
    return button;
}

QLabel *CreateLabel(QWidget *parent, const layout::Control &control) {
    auto *label = new QLabel(Text(control.caption), parent);
    label->setObjectName(Text(control.name));
    return label;
}

// The caption in the button's font with the style's padding around it. The option carries no
// text, or Fusion would add its least width for buttons with captions.
QSize ButtonCaptionSize(const QPushButton *button, const QString &caption) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.features = QStyleOptionButton::AutoDefaultButton;
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, caption);
    return button->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, button);
}

// A label keeps its left edge and height, and takes the width of its caption.
void SetCaption(QLabel *label, const QString &caption) {
    label->setText(caption);
    label->resize(label->sizeHint().width(), label->height());
}

} // namespace

FrmScoffle::FrmScoffle(RandomSource &random, Desktop &desktop, AppFiles files, QWidget *parent)
    : QMainWindow(parent), desktop_(desktop), rules_(*this, random, std::move(files)) {
    // Where Qt's own accessible text box and setting items mislead a screen reader.
    static const bool accessibleOnce = [] {
        QAccessible::installFactory(&EpithetAccessible::Factory);
        QAccessible::installFactory(&SettingsMenuAccessible::Factory);
        return true;
    }();
    Q_UNUSED(accessibleOnce);
    setObjectName(QStringLiteral("frmScoffle"));
    setWindowTitle(Text(layout::kTitle));
    // A fixed layout: no maximise button, and the window cannot be resized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    createControls();
    createMenus();
    orderTabs();
    // On Wayland Qt draws the title bar itself, with a maximise button whatever the flags, and
    // a maximised window must take the compositor's size or be disconnected; there it may grow,
    // and goes back to its own size at once (see changeEvent).
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    layout()->setSizeConstraint(wayland ? QLayout::SetMinimumSize : QLayout::SetFixedSize);
    // The button the user leaves no longer carries the epithet, so that coming back to it reads
    // its own name and tooltip rather than an old epithet.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old) {
        if (old && old == describedButton_) {
            describedButton_->setAccessibleDescription(QString());
            describedButton_ = nullptr;
        }
    });
    cmdMake->setFocus();
}

FrmScoffle::~FrmScoffle() {
    // The focus moves as the controls go, after this window's members are gone.
    disconnect(focusWatch_);
}

void FrmScoffle::createControls() {
    auto *client = new QWidget(this);
    setCentralWidget(client);

    tmrRun = new QTimer(this);
    tmrRun->setObjectName(QStringLiteral("tmrRun"));
    tmrRun->setInterval(layout::kAutoIntervalMs);

    cmdAuto = CreateButton(client, layout::kAuto);
    placements_.append({cmdAuto, layout::kAuto.twips, {cmdAuto->text(), Text(layout::kAutoOff)}});
    cmdClip = CreateButton(client, layout::kClip);
    placements_.append({cmdClip, layout::kClip.twips, {cmdClip->text()}});

    fraStats = new QFrame(client);
    fraStats->setObjectName(Text(layout::kStats.name));
    fraStats->setAccessibleName(QStringLiteral("Statistics"));
    fraStats->hide();
    placements_.append({fraStats, layout::kStats.twips, {}});
    lblAdjectives = CreateLabel(fraStats, layout::kAdjectives);
    placements_.append({lblAdjectives, layout::kAdjectives.twips, {lblAdjectives->text()}});
    lblAdverbs = CreateLabel(fraStats, layout::kAdverbs);
    placements_.append({lblAdverbs, layout::kAdverbs.twips, {lblAdverbs->text()}});
    lblNouns = CreateLabel(fraStats, layout::kNouns);
    placements_.append({lblNouns, layout::kNouns.twips, {lblNouns->text()}});

    cmdSave = CreateButton(client, layout::kSave);
    placements_.append({cmdSave, layout::kSave.twips, {cmdSave->text()}});

    txtOutput = new QLineEdit(Text(layout::kOutput.caption), client);
    txtOutput->setObjectName(Text(layout::kOutput.name));
    txtOutput->setAccessibleName(QStringLiteral("Epithet"));
    // Qt's default of 32,767 characters would cut a long epithet, and Clip and Save with it.
    txtOutput->setMaxLength(std::numeric_limits<int>::max());
    QFont font(Text(layout::kOutputFace));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(layout::kOutputPoints);
    font.setBold(true);
    txtOutput->setFont(font);
    placements_.append({txtOutput, layout::kOutput.twips, {}});

    cmdMake = CreateButton(client, layout::kMake);
    cmdMake->setDefault(true);
    placements_.append({cmdMake, layout::kMake.twips, {cmdMake->text()}});
    cmdExit = CreateButton(client, layout::kExit);
    placements_.append({cmdExit, layout::kExit.twips, {cmdExit->text()}});

    layOut();

    connect(tmrRun, &QTimer::timeout, cmdMake, &QPushButton::click);
    connect(cmdMake, &QPushButton::clicked, this, [this] { rules_.make(); });
    connect(cmdAuto, &QPushButton::clicked, this, [this] { rules_.switchAuto(); });
    connect(cmdClip, &QPushButton::clicked, this, [this] { rules_.clip(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { rules_.save(); });
    connect(cmdExit, &QPushButton::clicked, this, &FrmScoffle::close);
}

void FrmScoffle::createMenus() {
    mnuFile = menuBar()->addMenu(Text(layout::kFileMenu));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileExit = mnuFile->addAction(Text(layout::kFileExit));
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(mnuFileExit, &QAction::triggered, this, [this] { rules_.exitFromMenu(); });

    mnuSettings = menuBar()->addMenu(Text(layout::kSettingsMenu));
    mnuSettings->setObjectName(QStringLiteral("mnuSettings"));
    for (const SettingItem &setting : kSettingItems) {
        QAction *item = mnuSettings->addAction(QString::fromUtf16(setting.caption));
        item->setObjectName(QString::fromUtf16(setting.name));
        item->setCheckable(true);
        item->setChecked(setting.checked);
        settingItems_[static_cast<int>(setting.setting)] = item;
    }
    // Checkable items invert their own check marks; the rules do the rest.
    connect(settingItems_[static_cast<int>(Setting::Stats)], &QAction::triggered, this,
            [this] { rules_.switchStats(); });
    connect(settingItems_[static_cast<int>(Setting::Single)], &QAction::triggered, this,
            [this] { rules_.switchSingle(); });
}

double FrmScoffle::fontScale() const {
    std::vector<CaptionRoom> captions;
    for (const Placement &placement : placements_) {
        for (const QString &caption : placement.captions) {
            if (auto *button = qobject_cast<QPushButton *>(placement.control)) {
                const QSize size = ButtonCaptionSize(button, caption);
                captions.push_back({size.width(), size.height(), placement.twips});
            } else {
                // A label may lose its last column and row of pixels: at Qt's own default font
                // the widest placeholder needs just that, and there the layout stays as
                // designed.
                const QSize text = placement.control->fontMetrics().size(0, caption);
                captions.push_back(
                    {text.width() - 1, text.height() - 1, layout::LabelRoom(placement.twips)});
            }
        }
    }
    return ScaleToFit(captions);
}

void FrmScoffle::layOut() {
    const double scale = fontScale();
    const TwipsScale twips(scale);
    // The epithet grows with the layout: 9.75 points bold at the design's size.
    QFont output = txtOutput->font();
    output.setPointSizeF(layout::kOutputPoints * scale);
    txtOutput->setFont(output);
    centralWidget()->setFixedSize(twips.pixels(layout::kClient.width),
                                  twips.pixels(layout::kClient.height));
    for (const Placement &placement : placements_) {
        placement.control->setGeometry(ToQRect(twips.rect(placement.twips)));
        // A label showing a count keeps the width of its caption.
        auto *label = qobject_cast<QLabel *>(placement.control);
        if (label && label->text() != placement.captions.first())
            SetCaption(label, label->text());
    }
}

void FrmScoffle::orderTabs() {
    QWidget::setTabOrder(cmdMake, cmdClip);
    QWidget::setTabOrder(cmdClip, cmdSave);
    QWidget::setTabOrder(cmdSave, txtOutput);
    QWidget::setTabOrder(txtOutput, cmdExit);
    QWidget::setTabOrder(cmdExit, cmdAuto);
}

void FrmScoffle::showWindow() {
    show();
    waitUntilPlaced();
}

void FrmScoffle::waitUntilPlaced() {
    // Until the window system has placed the window, a message box over it would open in the
    // screen's corner. Clicks and keys wait meanwhile, so none reaches Make before the list is
    // loaded; a second is plenty for any window manager.
    constexpr int kLongestWaitMs = 1000;
    QElapsedTimer waited;
    waited.start();
    while (!windowHandle()->isExposed() && waited.elapsed() < kLongestWaitMs) {
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
    return txtOutput->text().toStdU16String();
}

void FrmScoffle::setOutputText(const std::u16string &text) {
    txtOutput->setText(Text(text));
    txtOutput->setCursorPosition(0); // a long epithet shows its start
}

std::u16string FrmScoffle::autoCaption() const {
    return cmdAuto->text().toStdU16String();
}

void FrmScoffle::setAutoCaption(const std::u16string &caption) {
    cmdAuto->setText(Text(caption));
    AtSpiAnnouncer::nameChanged(cmdAuto);
}

bool FrmScoffle::timerEnabled() const {
    return tmrRun->isActive();
}

void FrmScoffle::setTimerEnabled(bool enabled) {
    if (enabled)
        tmrRun->start();
    else
        tmrRun->stop();
}

bool FrmScoffle::isChecked(Setting item) const {
    return settingItems_[static_cast<int>(item)]->isChecked();
}

void FrmScoffle::setEnabled(Setting item, bool enabled) {
    settingItems_[static_cast<int>(item)]->setEnabled(enabled);
}

void FrmScoffle::setStatsVisible(bool visible) {
    fraStats->setVisible(visible);
}

void FrmScoffle::setCounts(const std::u16string &adverbs, const std::u16string &adjectives,
                           const std::u16string &nouns) {
    SetCaption(lblAdverbs, Text(adverbs));
    SetCaption(lblAdjectives, Text(adjectives));
    SetCaption(lblNouns, Text(nouns));
    // Counts of any size must fit as the placeholders did: the layout grows for them too.
    for (Placement &placement : placements_)
        if (auto *label = qobject_cast<QLabel *>(placement.control))
            placement.captions = {placement.captions.first(), label->text()};
    layOut();
}

void FrmScoffle::announce(const std::u16string &epithet) {
    // Screen readers do not speak a change in a text box that has no focus, but they do speak
    // a new description of the focused control: the button the user is on carries the epithet.
    auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
    if (focused && focused->window() != this)
        focused = nullptr;
    if (describedButton_ && describedButton_ != focused)
        describedButton_->setAccessibleDescription(QString());
    describedButton_ = focused;
    if (focused) {
        focused->setAccessibleDescription(Text(epithet));
        AtSpiAnnouncer::descriptionChanged(focused);
    }
}

void FrmScoffle::showStopMessage(const std::u16string &title, const std::u16string &text) {
    // Qt breaks lines at LF alone.
    desktop_.showStopMessage(this, Text(title),
                             Text(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void FrmScoffle::beep() {
    desktop_.beep();
}

bool FrmScoffle::setClipboardText(const std::u16string &text) {
    desktop_.setClipboardText(Text(text));
    return true; // Qt owns the clipboard through the window system, which always takes it
}

void FrmScoffle::keyPressEvent(QKeyEvent *event) {
    // Keys reach the window only when the focused control leaves them: a focused button takes
    // Enter itself, so here Enter is Make's, and Esc is always Exit's.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        cmdMake->click();
        break;
    case Qt::Key_Escape:
        cmdExit->click();
        break;
    default:
        QMainWindow::keyPressEvent(event);
    }
}

void FrmScoffle::changeEvent(QEvent *event) {
    if (event->type() == QEvent::WindowStateChange) {
        if (windowState() & Qt::WindowMinimized)
            rules_.followWindowState(WindowState::Minimized);
        else if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
            rules_.followWindowState(WindowState::Maximized);
            QTimer::singleShot(0, this, &QWidget::showNormal); // a fixed layout stays its size
        } else
            rules_.followWindowState(WindowState::Normal);
    } else if (event->type() == QEvent::FontChange && !placements_.isEmpty()) {
        layOut(); // the desktop's font changed while the program ran
    }
    QMainWindow::changeEvent(event);
}
