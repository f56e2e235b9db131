#include "frm_scoffle.h"

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
#include <QTimer>
#include <QWindow>

#include <limits>

namespace {

const QString kTitle = QStringLiteral("Zestive Vilifex");
const QString kMessageTitle = QStringLiteral("Vilifex");
const QString kAutoOn = QStringLiteral("&Auto On");
const QString kAutoOff = QStringLiteral("&Auto Off");
constexpr int kAutoIntervalMs = 4000;

QPushButton *CreateButton(QWidget *parent, const char *name, const QString &caption,
                          const QString &toolTip, QRect geometry) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(toolTip);
    button->setGeometry(geometry);
    // Enter clicks whichever button has the focus; elsewhere it falls through to Make.
    button->setAutoDefault(true);
    return button;
}

QLabel *CreateLabel(QWidget *parent, const char *name, const QString &caption, QRect geometry) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
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
    client->setFixedSize(TwipsToPixels(5955), TwipsToPixels(1275));
    setCentralWidget(client);

    tmrRun = new QTimer(this);
    tmrRun->setObjectName(QStringLiteral("tmrRun"));
    tmrRun->setInterval(kAutoIntervalMs);

    cmdAuto = CreateButton(client, "cmdAuto", kAutoOn, QStringLiteral("Scoffle every 4 sec"),
                           TwipsRect(1650, 750, 900, 360));
    cmdClip = CreateButton(client, "cmdClip", QStringLiteral("&Clip"),
                           QStringLiteral("Copies to Clipboard"), TwipsRect(3539, 750, 645, 360));

    fraStats = new QFrame(client);
    fraStats->setObjectName(QStringLiteral("fraStats"));
    fraStats->setGeometry(TwipsRect(120, 585, 1530, 705));
    fraStats->setAccessibleName(QStringLiteral("Statistics"));
    fraStats->hide();
    lblAdjectives = CreateLabel(fraStats, "lblAdjectives", QStringLiteral("8888 Adjectives"),
                                TwipsRect(105, 225, 1140, 195));
    lblAdverbs = CreateLabel(fraStats, "lblAdverbs", QStringLiteral("8888 Adverbs"),
                             TwipsRect(105, 0, 990, 195));
    lblNouns = CreateLabel(fraStats, "lblNouns", QStringLiteral("8888 Nouns"),
                           TwipsRect(105, 450, 870, 195));

    cmdSave = CreateButton(client, "cmdSave", QStringLiteral("&Save"),
                           QStringLiteral("Adds to SAVED.TXT"), TwipsRect(4356, 750, 645, 360));

    txtOutput = new QLineEdit(QStringLiteral("verbose, splendiferous generator"), client);
    txtOutput->setObjectName(QStringLiteral("txtOutput"));
    txtOutput->setGeometry(TwipsRect(75, 120, 5730, 390));
    txtOutput->setAccessibleName(QStringLiteral("Epithet"));
    // Qt's default of 32,767 characters would cut a long epithet, and Clip and Save with it.
    txtOutput->setMaxLength(std::numeric_limits<int>::max());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setBold(true);
    txtOutput->setFont(font);

    cmdMake = CreateButton(client, "cmdMake", QStringLiteral("&Make"), QString(),
                           TwipsRect(2722, 750, 645, 360));
    cmdMake->setDefault(true);
    cmdExit = CreateButton(client, "cmdExit", QStringLiteral("E&xit"), QString(),
                           TwipsRect(5175, 750, 645, 360));

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
    QMainWindow::changeEvent(event);
}
