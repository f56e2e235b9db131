#pragma once

#include "platform/app_files.h"
#include "window/scoffle_front_end.h"
#include "window/scoffle_rules.h"
#include "window/twips.h"

#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QStringList>

class Desktop;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class RandomSource;

// The program's one window, drawn with Qt: an epithet over a row of buttons, a statistics frame
// that Show Stats reveals, and the File and Settings menus. What its events do is ScoffleRules'.
class FrmScoffle : public QMainWindow, private ScoffleFrontEnd {
    Q_OBJECT

public:
    FrmScoffle(RandomSource &random, Desktop &desktop, AppFiles files, QWidget *parent = nullptr);
    ~FrmScoffle() override;

    // Shows the window and reads the word list. False when the program cannot run: the user
    // has been told why, and the program should end.
    bool load() { return rules_.load(); }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void orderTabs();
    double fontScale() const;
    void layOut();
    void waitUntilPlaced();

    // ScoffleFrontEnd
    void showWindow() override;
    void closeWindow() override { close(); }
    void setTitle(const std::u16string &title) override;
    std::u16string outputText() const override;
    void setOutputText(const std::u16string &text) override;
    std::u16string autoCaption() const override;
    void setAutoCaption(const std::u16string &caption) override;
    bool timerEnabled() const override;
    void setTimerEnabled(bool enabled) override;
    bool isChecked(Setting item) const override;
    void setEnabled(Setting item, bool enabled) override;
    void setStatsVisible(bool visible) override;
    void setCounts(const std::u16string &adverbs, const std::u16string &adjectives,
                   const std::u16string &nouns) override;
    void announce(const std::u16string &epithet) override;
    void showStopMessage(const std::u16string &title, const std::u16string &text) override;
    void beep() override;
    bool setClipboardText(const std::u16string &text) override;

    // Where a control goes in twips, and the captions it must show whole.
    struct Placement {
        QWidget *control;
        Rect twips;
        QStringList captions;
    };

    Desktop &desktop_;
    ScoffleRules rules_;
    QPointer<QPushButton> describedButton_; // carries the last epithet for screen readers
    QMetaObject::Connection focusWatch_;    // takes it back when the focus leaves that button
    QList<Placement> placements_;           // in the order the controls were made

    QTimer *tmrRun;
    QPushButton *cmdAuto;
    QPushButton *cmdClip;
    QFrame *fraStats;
    QLabel *lblAdjectives;
    QLabel *lblAdverbs;
    QLabel *lblNouns;
    QPushButton *cmdSave;
    QLineEdit *txtOutput;
    QPushButton *cmdMake;
    QPushButton *cmdExit;

    QMenu *mnuFile;
    QAction *mnuFileExit;
    QMenu *mnuSettings;
    QAction *settingItems_[4]; // by Setting
};
