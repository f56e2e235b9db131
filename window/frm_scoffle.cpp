#include "frm_scoffle.h"

#include "caption_fit.h"
#include "compose/epithet.h"
#include "platform/desktop.h"
#include "platform/random_source.h"
#include "platform/text_file.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QWindow>

#include <limits>

namespace {

const QString kTitle = QStringLiteral("Zestive Vilifex");
const QString kMessageTitle = QStringLiteral("Vilifex");
const QString kAutoOn = QStringLiteral("&Auto On");
const QString kAutoOff = QStringLiteral("&Auto Off");
constexpr int kAutoIntervalMs = 4000;
constexpr QSize kClientTwips(5955, 1275);
constexpr int kFrameWidthTwips = 1530;

QPushButton *CreateButton(QWidget *parent, const char *name, const QString &caption,
                          const QString &toolTip) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(toolTip);
    // Enter clicks whichever button has the focus; elsewhere it falls through to Make.
    button->setAutoDefault(true);
    return button;
}

QLabel *CreateLabel(QWidget *parent, const char *name, const QString &caption) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
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

// A title long enough to read on a task bar; an epithet of many megabytes in the title would
// be more than the window system takes.
constexpr int kLongestTitle = 250;

// The epithet as a window title: cut short with an ellipsis where it is long, and "[*]", which
// Qt reads as the place for the unsaved-changes mark, doubled so that it shows as is.
QString TitleFor(const QString &text) {
    QString title =
        text.size() > kLongestTitle ? text.left(kLongestTitle - 1) + QChar(0x2026) : text;
    return title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

QString DisplayPath(const std::filesystem::path &path) {
#ifdef _WIN32
    return QDir::toNativeSeparators(QString::fromStdWString(path.wstring()));
#else
    return QFile::decodeName(path.c_str()); // names are bytes, in the locale's encoding
#endif
}

QString StartupFailureMessage(LoadResult result) {
    switch (result) {
    case LoadResult::NoAdjectives:
        return QStringLiteral("WORDLIST.TXT has no adjectives.");
    case LoadResult::NoNouns:
        return QStringLiteral("WORDLIST.TXT has no nouns.");
    case LoadResult::NoAdjectivesOrNouns:
        return QStringLiteral("WORDLIST.TXT has no adjectives and no nouns.");
    case LoadResult::TooLarge:
        return QStringLiteral("WORDLIST.TXT is too large: there is not enough memory to load it.");
    case LoadResult::CannotOpen:
    case LoadResult::Loaded:
        break;
    }
    return QStringLiteral("Can't run without WORDLIST.TXT,\nyou necrotic, incontinent pustule!");
}

} // namespace

FrmScoffle::FrmScoffle(RandomSource &random, Desktop &desktop, AppFiles files, QWidget *parent)
    : QMainWindow(parent), random_(random), desktop_(desktop), files_(std::move(files)) {
    setObjectName(QStringLiteral("frmScoffle"));
    setWindowTitle(kTitle);
    // A fixed layout: no maximise button, and the window cannot be resized.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    createControls();
    createMenus();
    orderTabs();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    cmdMake->setFocus();
}

void FrmScoffle::createControls() {
    auto *client = new QWidget(this);
    setCentralWidget(client);

    tmrRun = new QTimer(this);
    tmrRun->setObjectName(QStringLiteral("tmrRun"));
    tmrRun->setInterval(kAutoIntervalMs);

    cmdAuto = CreateButton(client, "cmdAuto", kAutoOn, QStringLiteral("Scoffle every 4 sec"));
    placements_.append({cmdAuto, QRect(1650, 750, 900, 360), {kAutoOn, kAutoOff}});
    cmdClip = CreateButton(client, "cmdClip", QStringLiteral("&Clip"),
                           QStringLiteral("Copies to Clipboard"));
    placements_.append({cmdClip, QRect(3539, 750, 645, 360), {cmdClip->text()}});

    fraStats = new QFrame(client);
    fraStats->setObjectName(QStringLiteral("fraStats"));
    fraStats->setAccessibleName(QStringLiteral("Statistics"));
    fraStats->hide();
    placements_.append({fraStats, QRect(120, 585, kFrameWidthTwips, 705), {}});
    lblAdjectives = CreateLabel(fraStats, "lblAdjectives", QStringLiteral("8888 Adjectives"));
    placements_.append({lblAdjectives, QRect(105, 225, 1140, 195), {lblAdjectives->text()}});
    lblAdverbs = CreateLabel(fraStats, "lblAdverbs", QStringLiteral("8888 Adverbs"));
    placements_.append({lblAdverbs, QRect(105, 0, 990, 195), {lblAdverbs->text()}});
    lblNouns = CreateLabel(fraStats, "lblNouns", QStringLiteral("8888 Nouns"));
    placements_.append({lblNouns, QRect(105, 450, 870, 195), {lblNouns->text()}});

    cmdSave = CreateButton(client, "cmdSave", QStringLiteral("&Save"),
                           QStringLiteral("Adds to SAVED.TXT"));
    placements_.append({cmdSave, QRect(4356, 750, 645, 360), {cmdSave->text()}});

    txtOutput = new QLineEdit(QStringLiteral("verbose, splendiferous generator"), client);
    txtOutput->setObjectName(QStringLiteral("txtOutput"));
    txtOutput->setAccessibleName(QStringLiteral("Epithet"));
    // Qt's default of 32,767 characters would cut a long epithet, and Clip and Save with it.
    txtOutput->setMaxLength(std::numeric_limits<int>::max());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setBold(true);
    txtOutput->setFont(font);
    placements_.append({txtOutput, QRect(75, 120, 5730, 390), {}});

    cmdMake = CreateButton(client, "cmdMake", QStringLiteral("&Make"), QString());
    cmdMake->setDefault(true);
    placements_.append({cmdMake, QRect(2722, 750, 645, 360), {cmdMake->text()}});
    cmdExit = CreateButton(client, "cmdExit", QStringLiteral("E&xit"), QString());
    placements_.append({cmdExit, QRect(5175, 750, 645, 360), {cmdExit->text()}});

    layOut();

    connect(tmrRun, &QTimer::timeout, cmdMake, &QPushButton::click);
    connect(cmdMake, &QPushButton::clicked, this, &FrmScoffle::make);
    connect(cmdAuto, &QPushButton::clicked, this, &FrmScoffle::switchAuto);
    connect(cmdClip, &QPushButton::clicked, this, &FrmScoffle::clip);
    connect(cmdSave, &QPushButton::clicked, this, &FrmScoffle::save);
    connect(cmdExit, &QPushButton::clicked, this, &FrmScoffle::close);
}

void FrmScoffle::createMenus() {
    const auto addItem = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *item = menu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        return item;
    };
    const auto addSetting = [&addItem](QMenu *menu, const char *name, const QString &caption,
                                       bool checked) {
        QAction *item = addItem(menu, name, caption);
        item->setCheckable(true);
        item->setChecked(checked);
        return item;
    };

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileExit = addItem(mnuFile, "mnuFileExit", QStringLiteral("E&xit"));

    mnuSettings = menuBar()->addMenu(QStringLiteral("&Settings"));
    mnuSettings->setObjectName(QStringLiteral("mnuSettings"));
    mnuSettingsStats =
        addSetting(mnuSettings, "mnuSettingsStats", QStringLiteral("&Show Stats"), false);
    mnuSettingsCommas =
        addSetting(mnuSettings, "mnuSettingsCommas", QStringLiteral("Use &Commas"), true);
    mnuSettingsOrder =
        addSetting(mnuSettings, "mnuSettingsOrder", QStringLiteral("&Length Order"), true);
    mnuSettingsSingle =
        addSetting(mnuSettings, "mnuSettingsSingle", QStringLiteral("Single &Modifier"), false);

    // Checkable items invert their own check marks; these handlers do the rest.
    connect(mnuFileExit, &QAction::triggered, this, &FrmScoffle::exitFromMenu);
    connect(mnuSettingsStats, &QAction::triggered, this, &FrmScoffle::switchStats);
    connect(mnuSettingsSingle, &QAction::triggered, this, &FrmScoffle::switchSingle);
}

double FrmScoffle::fontScale() const {
    QList<CaptionRoom> captions;
    for (const Placement &placement : placements_) {
        for (const QString &caption : placement.captions) {
            if (auto *button = qobject_cast<QPushButton *>(placement.control)) {
                captions.append({ButtonCaptionSize(button, caption), placement.twips});
            } else {
                // A label widens with its caption, up to the frame's edge where the Auto button
                // begins. It may lose its last column and row of pixels: at Qt's own default
                // font the widest placeholder needs just that, and there the layout stays as
                // designed.
                const QRect &at = placement.twips;
                const QRect room(at.x(), at.y(), kFrameWidthTwips - at.x(), at.height());
                const QSize text = placement.control->fontMetrics().size(0, caption);
                captions.append({text - QSize(1, 1), room});
            }
        }
    }
    return ScaleToFit(captions);
}

void FrmScoffle::layOut() {
    const TwipsScale twips(fontScale());
    centralWidget()->setFixedSize(twips.pixels(kClientTwips.width()),
                                  twips.pixels(kClientTwips.height()));
    for (const Placement &placement : placements_) {
        placement.control->setGeometry(twips.rect(placement.twips));
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

bool FrmScoffle::load() {
    random_.seedFromClock();
    show();
    waitUntilPlaced();
    const LoadResult result = LoadWordList(lists_, files_.wordListDirectory, random_);
    if (result != LoadResult::Loaded) {
        tell(StartupFailureMessage(result));
        close();
        return false;
    }
    showCounts();
    return true;
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

void FrmScoffle::tell(const QString &text) {
    // Auto waits while the message is open, so that the epithet it speaks of stays in view.
    const bool automatic = tmrRun->isActive();
    tmrRun->stop();
    desktop_.showStopMessage(this, kMessageTitle, text);
    if (automatic)
        tmrRun->start();
}

void FrmScoffle::showCounts() {
    SetCaption(lblAdverbs, QString::number(lists_.AdverbCount()) + QStringLiteral(" Adverbs"));
    SetCaption(lblAdjectives,
               QString::number(lists_.AdjectiveCount()) + QStringLiteral(" Adjectives"));
    SetCaption(lblNouns, QString::number(lists_.NounCount()) + QStringLiteral(" Nouns"));
}

void FrmScoffle::make() {
    const QString epithet = QString::fromStdU16String(
        ComposeEpithet(lists_, mnuSettingsSingle->isChecked(), mnuSettingsCommas->isChecked(),
                       mnuSettingsOrder->isChecked(), random_));
    txtOutput->setText(epithet);
    if (MirrorToCaption)
        setWindowTitle(TitleFor(epithet));
    announce(epithet);
}

void FrmScoffle::announce(const QString &epithet) {
    // Screen readers do not speak a change in a text box that has no focus, but they do speak
    // a new description of the focused control: the button the user is on carries the epithet.
    auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
    if (focused && focused->window() != this)
        focused = nullptr;
    if (describedButton_ && describedButton_ != focused)
        describedButton_->setAccessibleDescription(QString());
    describedButton_ = focused;
    if (focused)
        focused->setAccessibleDescription(epithet);
}

void FrmScoffle::switchAuto() {
    if (tmrRun->isActive()) {
        cmdAuto->setText(kAutoOn);
        tmrRun->stop();
    } else {
        cmdAuto->setText(kAutoOff);
        tmrRun->start();
        cmdMake->click();
    }
}

void FrmScoffle::clip() {
    desktop_.setClipboardText(txtOutput->text());
}

void FrmScoffle::save() {
    if (files_.saveDirectory.empty()) {
        tell(QStringLiteral("Can't add to SAVED.TXT:\nThere is no folder for it: neither "
                            "XDG_DATA_HOME nor HOME names one."));
        return;
    }
    // The user's data folder, where an installed program saves, may not exist yet.
    std::error_code error;
    std::filesystem::create_directories(files_.saveDirectory, error);
    const std::filesystem::path path = FindFileIgnoringCase(files_.saveDirectory, "saved.txt");
    if (!error)
        error = AppendLine(path, txtOutput->text().toStdU16String());
    if (error) {
        // No beep: it would say the save took place. The text box keeps the epithet.
        tell(QStringLiteral("Can't add to %1:\n%2.")
                 .arg(DisplayPath(path), QString::fromStdString(error.message())));
        return;
    }
    desktop_.beep();
}

void FrmScoffle::exitFromMenu() {
    tmrRun->stop();
    cmdExit->click();
}

void FrmScoffle::switchStats() {
    random_.seedFromClock();
    fraStats->setVisible(mnuSettingsStats->isChecked());
}

void FrmScoffle::switchSingle() {
    const bool single = mnuSettingsSingle->isChecked();
    mnuSettingsCommas->setEnabled(!single);
    mnuSettingsOrder->setEnabled(!single);
}

void FrmScoffle::followWindowState() {
    if (windowState() & Qt::WindowMinimized) {
        if (cmdAuto->text() == kAutoOff) {
            MirrorToCaption = true;
            setWindowTitle(TitleFor(txtOutput->text()));
        }
    } else if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        MirrorToCaption = false;
        setWindowTitle(kTitle);
    }
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
    if (event->type() == QEvent::WindowStateChange)
        followWindowState();
    else if (event->type() == QEvent::FontChange && !placements_.isEmpty())
        layOut(); // the desktop's font changed while the program ran
    QMainWindow::changeEvent(event);
}
