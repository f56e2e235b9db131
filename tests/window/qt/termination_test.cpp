// Each case runs in a program of its own (see CMakeLists.txt): a signal, once taken, ends the
// program, and is not taken back.
#include "window/qt/qt_desktop.h"
#include "window/qt/termination_signals.h"

#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <csignal>

namespace {

// Fails the case where a loop that should have ended runs on; it never fires otherwise.
void FailIfStillRunning(const char *what) {
    QTimer::singleShot(20000, qApp, [what] { qFatal("%s still runs after the signal", what); });
}

// Waits in a loop of its own, as the program does before its event loop runs, until the signal
// is taken: the signal ends that loop too.
void TakeSignal() {
    QEventLoop loop;
    QTimer::singleShot(20000, &loop, [&loop] { loop.exit(1); });
    QCOMPARE(loop.exec(), 0);
}

void ShowMessage() {
    QWidget window;
    window.show();
    QtDesktop(&window).showStopMessage(u"Zestive Vilifex", u"The word list is missing.");
}

} // namespace

class TerminationTest : public QObject {
    Q_OBJECT

private slots:
    void init() { NoteTerminationSignals(); }

    void signalBeforeTheEventLoopIsNotLost() {
        QuitOnTerminationSignals();
        std::raise(SIGTERM);
        TakeSignal();
        FailIfStillRunning("the event loop");
        QCOMPARE(ExecUntilTerminated(), 0);
    }

    void signalDuringTheEventLoopEndsIt() {
        QuitOnTerminationSignals();
        QTimer::singleShot(0, [] { std::raise(SIGHUP); });
        FailIfStillRunning("the event loop");
        QCOMPARE(ExecUntilTerminated(), 0);
    }

    void signalWhileAMessageShowsClosesIt() {
        QuitOnTerminationSignals();
        QTimer::singleShot(0, [] { std::raise(SIGTERM); });
        FailIfStillRunning("the message");
        ShowMessage();
        QCOMPARE(ExecUntilTerminated(), 0);
    }

    void signalBeforeAMessageKeepsItFromWaiting() {
        QuitOnTerminationSignals();
        std::raise(SIGHUP);
        TakeSignal();
        FailIfStillRunning("the message");
        ShowMessage();
    }

    // As the application starts, before it can listen: the program is told, and not killed.
    void signalBeforeTheApplicationListensIsNotLost() {
        QVERIFY(!TerminationAsked());
        std::raise(SIGTERM);
        QVERIFY(TerminationAsked());
        QuitOnTerminationSignals();
        TakeSignal();
        FailIfStillRunning("the event loop");
        QCOMPARE(ExecUntilTerminated(), 0);
    }
};

QTEST_MAIN(TerminationTest)
#include "termination_test.moc"
