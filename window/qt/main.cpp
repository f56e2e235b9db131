#include "accessible_interfaces.h"
#include "clipboard_keeper.h"
#include "frm_scoffle.h"
#include "qt_desktop.h"
#include "qt_platform.h"
#include "termination_signals.h"

#include "platform/user_languages.h"
#include "platform/xoshiro_random.h"
#include "window/scoffle_rules.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QtMessageHandler qtHandler = nullptr;
const char *chosenPlatform = nullptr; // QT_QPA_PLATFORM as the user set it, if at all

// Without a display Qt gives up with a fatal message about reinstalling and a core dump; the
// user is told plainly instead, and the program ends with status 1.
void NoDisplayIsAnError(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type != QtFatalMsg) {
        qtHandler(type, context, text);
        return;
    }
    if (const char *missing = MissingDisplayFor(chosenPlatform, std::getenv("WAYLAND_DISPLAY"),
                                                std::getenv("DISPLAY")))
        std::fprintf(stderr,
                     "vilifex: no display could be opened for the Qt platform \"%s\", which "
                     "QT_QPA_PLATFORM chooses: set %s to the one to show the window on.\n",
                     chosenPlatform, missing);
    else if (chosenPlatform)
        std::fprintf(stderr,
                     "vilifex: the Qt platform \"%s\", which QT_QPA_PLATFORM chooses, could not "
                     "be started: unset QT_QPA_PLATFORM, or choose another (xcb, wayland).\n",
                     chosenPlatform);
    else
        std::fputs("vilifex: no display could be opened: set DISPLAY or WAYLAND_DISPLAY to the "
                   "one to show the window on.\n",
                   stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char *argv[]) {
    chosenPlatform = std::getenv("QT_QPA_PLATFORM");
    if (const char *platform = PreferredQtPlatform(chosenPlatform, std::getenv("WAYLAND_DISPLAY"),
                                                   std::getenv("DISPLAY")))
        qputenv("QT_QPA_PLATFORM", platform);
    if (argc == 2 && std::strcmp(argv[1], kKeepClipboardArgument) == 0)
        return KeepClipboard(argc, argv);
    NoteTerminationSignals();
    qtHandler = qInstallMessageHandler(NoDisplayIsAnError);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtHandler);
    QuitOnTerminationSignals();
    if (TerminationAsked())
        return 0; // before there is a window or a list, ending is all there is to do
    QApplication::setApplicationName(QStringLiteral("vilifex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zestive.vilifex"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vilifex.xpm")));
    InstallAccessibleInterfaces();

    const AppFiles files = LocateAppFiles(ProgramDirectory(), UserDataDirectory(), UserLanguages());
    XoshiroRandom random;
    FrmScoffle window;
    QtDesktop desktop(&window);
    ScoffleRules rules(window, desktop, random, files);
    window.attach(rules);
    // A list of millions of words takes seconds to read: a signal meanwhile ends the program
    // as Exit does.
    if (!rules.load(TerminationAsked))
        return TerminationAsked() ? 0 : 1;
    const int status = ExecUntilTerminated();
    PassOnClipboard();
    return status;
}
