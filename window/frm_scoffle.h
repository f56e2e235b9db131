#pragma once

#include "platform/app_files.h"
#include "words/word_list.h"

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

// The program's one window: an epithet over a row of buttons, a statistics frame that Show
// Stats reveals, and the File and Settings menus.
class FrmScoffle : public QMainWindow {
    Q_OBJECT

public:
    FrmScoffle(RandomSource &random, Desktop &desktop, AppFiles files, QWidget *parent = nullptr);

    // Shows the window and reads the word list. False when the program cannot run: the user
    // has been told why, and the program should end.
    bool load();

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
    void showCounts();
    void announce(const QString &epithet);
    // Shows a stop message and returns once the user has dismissed it.
    void tell(const QString &text);

    void make();
    void switchAuto();
    void clip();
    void save();
    void exitFromMenu();
    void switchStats();
    void switchSingle();
    void followWindowState();

    // Where a control goes in twips, and the captions it must show whole.
    struct Placement {
        QWidget *control;
        QRect twips;
        QStringList captions;
    };

    RandomSource &random_;
    Desktop &desktop_;
    const AppFiles files_;
    WordLists lists_;
    bool MirrorToCaption = false;           // the title follows each new epithet
    QPointer<QPushButton> describedButton_; // carries the last epithet for screen readers
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
    QAction *mnuSettingsStats;
    QAction *mnuSettingsCommas;
    QAction *mnuSettingsOrder;
    QAction *mnuSettingsSingle;
};
