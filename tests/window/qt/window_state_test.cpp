#include "window_fixture.h"

#include <QApplication>
#include <QFrame>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kTitle = QStringLiteral("Zestive Vilifex");

} // namespace

// The title follows the epithets while the window is minimised in automatic mode.
class WindowStateTest : public QObject {
    Q_OBJECT

private slots:
    void minimisingWithAutoOnMirrorsEachEpithetThroughMaximisingUntilRestored() {
        WindowFixture f;
        QVERIFY(f.open());
        f.button("cmdAuto")->click();
        f.window->setWindowState(Qt::WindowMinimized);
        QCOMPARE(f.window->windowTitle(), f.output()->text());
        Tick(f.timer());
        QCOMPARE(f.window->windowTitle(), f.output()->text());
        f.window->setWindowState(Qt::WindowMaximized);
        Tick(f.timer());
        QCOMPARE(f.window->windowTitle(), f.output()->text());

        f.window->setWindowState(Qt::WindowNoState);
        QCOMPARE(f.window->windowTitle(), kTitle);
        Tick(f.timer());
        QCOMPARE(f.window->windowTitle(), kTitle);
    }

    void titleShowsTheEpithetLiterally() {
        WindowFixture f;
        QVERIFY(f.open("J [*]starred\nN toad\n"));
        f.item("mnuSettingsSingle")->trigger();
        f.button("cmdAuto")->click();
        f.window->setWindowState(Qt::WindowMinimized);
        QCOMPARE(f.output()->text(), QStringLiteral("[*]starred toad"));
        QCOMPARE(f.window->windowHandle()->title(), QStringLiteral("[*]starred toad"));
    }
};

// Enter, Esc and Tab, as the keyboard gives them.
class KeyboardTest : public QObject {
    Q_OBJECT

private:
    static bool openActive(WindowFixture &f) {
        if (!f.open())
            return false;
        f.window->activateWindow();
        return QTest::qWaitForWindowActive(f.window.get());
    }

private slots:
    void focusStartsOnMake() {
        WindowFixture f;
        QVERIFY(openActive(f));
        QCOMPARE(QApplication::focusWidget(), f.button("cmdMake"));
    }

    void tabVisitsMakeClipSaveTextExitAuto() {
        WindowFixture f;
        QVERIFY(openActive(f));
        const QList<QWidget *> order = {f.button("cmdClip"), f.button("cmdSave"),
                                        f.output(),          f.button("cmdExit"),
                                        f.button("cmdAuto"), f.button("cmdMake")};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), f.button("cmdAuto"));
    }

    void theFocusedButtonCarriesEachNewEpithetForScreenReaders() {
        WindowFixture f;
        QVERIFY(openActive(f));
        QCOMPARE(f.child<QFrame>("fraStats")->accessibleName(), QStringLiteral("Statistics"));
        f.button("cmdMake")->click();
        QCOMPARE(f.button("cmdMake")->accessibleDescription(), f.output()->text());
        f.button("cmdAuto")->setFocus();
        f.button("cmdAuto")->click();
        Tick(f.timer());
        QCOMPARE(f.button("cmdAuto")->accessibleDescription(), f.output()->text());
        QCOMPARE(f.button("cmdMake")->accessibleDescription(), QString());
        // A button left behind is read with its own tooltip again, not an old epithet.
        f.button("cmdMake")->setFocus();
        QCOMPARE(f.button("cmdAuto")->accessibleDescription(), QString());
    }

    void keypadEnterMakes() {
        WindowFixture f;
        QVERIFY(openActive(f));
        QTest::keyClick(f.button("cmdMake"), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(f.output()->text() != QStringLiteral("verbose, splendiferous generator"));
    }

    void enterInTheTextBoxMakes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("the keypad's Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
    void enterInTheTextBoxMakes() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        WindowFixture f;
        QVERIFY(openActive(f));
        f.output()->setFocus();
        QTest::keyClick(f.output(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(f.output()->text() != QStringLiteral("verbose, splendiferous generator"));
    }

    void enterOnAnotherButtonClicksThatButton() {
        WindowFixture f;
        QVERIFY(openActive(f));
        f.button("cmdSave")->setFocus();
        QTest::keyClick(f.button("cmdSave"), Qt::Key_Return);
        QCOMPARE(f.desktop.beeps, 1);
        QCOMPARE(f.output()->text(), QStringLiteral("verbose, splendiferous generator"));
    }

    void escapeExitsFromAnyControl() {
        WindowFixture f;
        QVERIFY(openActive(f));
        f.output()->setFocus();
        QTest::keyClick(f.output(), Qt::Key_Escape);
        QVERIFY(!f.window->isVisible());
    }

    // Alt+S is both the Settings menu's and Save's; which it reaches is Qt's rule.
    void accessKeysClickTheirButtons_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("button");
        QTest::newRow("Alt+A") << int(Qt::Key_A) << QStringLiteral("cmdAuto");
        QTest::newRow("Alt+M") << int(Qt::Key_M) << QStringLiteral("cmdMake");
        QTest::newRow("Alt+C") << int(Qt::Key_C) << QStringLiteral("cmdClip");
        QTest::newRow("Alt+X") << int(Qt::Key_X) << QStringLiteral("cmdExit");
    }

    void accessKeysClickTheirButtons() {
        QFETCH(int, key);
        QFETCH(QString, button);
        WindowFixture f;
        QVERIFY(openActive(f));
        QSignalSpy clicks(f.button(qPrintable(button)), &QPushButton::clicked);
        QTest::keyClick(f.window.get(), Qt::Key(key), Qt::AltModifier);
        QTRY_COMPARE(clicks.size(), 1);
    }
};

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    WindowStateTest windowState;
    KeyboardTest keyboard;
    return QTest::qExec(&windowState, argc, argv) | QTest::qExec(&keyboard, argc, argv);
}
#include "window_state_test.moc"
