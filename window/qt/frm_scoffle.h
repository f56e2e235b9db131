#pragma once

#include "qt_controls.h"
#include "window/form_layout.h"
#include "window/scoffle_front_end.h"

#include <QMainWindow>

class EpithetAnnouncer;
class QAction;
class QTimer;
class ScoffleRules;

// The program's one window, drawn with Qt from the form's table: an epithet over a row of
// buttons, a statistics frame that Show Stats reveals, and the File and Settings menus. Its
// events go to the rules it is attached to.
class FrmScoffle : public QMainWindow, public ScoffleFrontEnd, private FormCanvas {
    Q_OBJECT

public:
    explicit FrmScoffle(QWidget *parent = nullptr);

    // The rules that every event goes to; attached before the window is loaded.
    void attach(ScoffleRules &rules) { rules_ = &rules; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void waitUntilPlaced();

    // ScoffleFrontEnd
    void showWindow() override;
    void closeWindow() override { close(); }
    void setTitle(const std::u16string &title) override;
    std::u16string outputText() const override;
    void setOutputText(const std::u16string &text) override;
    void setOutputCursor(size_t position) override;
    std::u16string autoCaption() const override;
    void setAutoCaption(const std::u16string &caption) override;
    bool timerEnabled() const override;
    void setTimerEnabled(bool enabled) override;
    bool isChecked(form::Setting item) const override;
    void setEnabled(form::Setting item, bool enabled) override;
    void setStatsVisible(bool visible) override;
    void setCounts(const std::u16string &adverbs, const std::u16string &adjectives,
                   const std::u16string &nouns) override;
    void announce(const std::u16string &epithet) override;

    // FormCanvas
    int dotsPerInch() const override { return 96; } // Qt scales logical pixels itself
    Size captionNeeds(form::Control id, std::u16string_view caption) const override;
    int labelWidth(form::Control label, std::u16string_view caption) const override;
    void setOutputPoints(double points) override;
    void setClientSize(int width, int height) override;
    void setLabelText(form::Control label, std::u16string_view text) override;
    void place(form::Control id, const Rect &pixels) override;

    ScoffleRules *rules_ = nullptr;
    FormLayout layout_;
    QtControls controls_;
    QTimer *timer_ = nullptr;
    QAction *settingItems_[form::kSettingCount] = {}; // by form::Setting
    EpithetAnnouncer *announcer_ = nullptr;
};
