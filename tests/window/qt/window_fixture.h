#pragma once

#include "support/seed_counting_random.h"
#include "window/desktop.h"
#include "window/qt/accessible_interfaces.h"
#include "window/qt/frm_scoffle.h"
#include "window/scoffle_rules.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>
#include <optional>

// Records what the window asks of the desktop instead of doing it, each message with its lines
// apart as Qt's message box shows them.
class FakeDesktop : public Desktop {
public:
    void showStopMessage(const std::u16string &title, const std::u16string &text) override {
        messages << QString::fromStdU16String(title + u" | " + text)
                        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        parentShown = window && window->windowHandle() && window->windowHandle()->isExposed();
        if (whileShowing)
            whileShowing();
    }
    void beep() override { ++beeps; }
    std::error_code setClipboardText(const std::u16string &text) override {
        clipboard << QString::fromStdU16String(text);
        return {};
    }

    QWidget *window = nullptr; // that the messages are modal over

    QStringList messages;
    int beeps = 0;
    QStringList clipboard;
    std::function<void()> whileShowing; // what happens while a message is open
    bool parentShown = false;           // the window was on the screen when the last one opened
};

// What the timer does every four seconds, without the wait.
inline void Tick(QTimer *timer) {
    QMetaObject::invokeMethod(timer, "timeout");
}

inline const QByteArray kSmallList = "J necrotic\r\nJ incontinent\r\nJ rancid\r\nN pustule\r\n"
                                     "N oaf\r\nV stinkingly\r\n";

// A window over a word list in a fresh directory of its own.
class WindowFixture {
public:
    bool open(const QByteArray &wordList = kSmallList) {
        QFile file(dir.filePath(QStringLiteral("wordlist.txt")));
        if (!file.open(QIODevice::WriteOnly) || file.write(wordList) != wordList.size())
            return false;
        file.close();
        return openWithoutWriting();
    }

    bool openWithoutWriting() {
        const std::filesystem::path directory = dir.path().toStdString();
        InstallAccessibleInterfaces(); // as main does; a second time changes nothing
        window = std::make_unique<FrmScoffle>();
        desktop.window = window.get();
        rules = std::make_unique<ScoffleRules>(
            *window, desktop, random,
            AppFiles{WordListPath(directory), saveTo.value_or(directory)});
        window->attach(*rules);
        return rules->load();
    }

    template <typename T> T *child(const char *name) const {
        return window->findChild<T *>(QLatin1String(name));
    }
    QPushButton *button(const char *name) const { return child<QPushButton>(name); }
    QAction *item(const char *name) const { return child<QAction>(name); }
    QLineEdit *output() const { return child<QLineEdit>("txtOutput"); }
    QTimer *timer() const { return child<QTimer>("tmrRun"); }

    QByteArray saved() const {
        QFile file(dir.filePath(QStringLiteral("saved.txt")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    std::optional<std::filesystem::path> saveTo; // beside the list unless set
    FakeDesktop desktop;
    SeedCountingRandom random;
    std::unique_ptr<FrmScoffle> window;
    std::unique_ptr<ScoffleRules> rules; // after the window, so that they go first
};
