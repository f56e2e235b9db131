#include "frm_scoffle.h"

#include "platform/qt_desktop.h"
#include "platform/qt_platform.h"
#include "platform/standard_random.h"

#include <QApplication>
#include <QIcon>

#include <cstdlib>

int main(int argc, char *argv[]) {
    if (const char *platform = PreferredQtPlatform(
            std::getenv("QT_QPA_PLATFORM"), std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY")))
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vilifex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zestive.vilifex"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vilifex.xpm")));

    const AppFiles files = LocateAppFiles(ProgramDirectory(), UserDataDirectory());
    StandardRandom random;
    QtDesktop desktop;
    FrmScoffle window(random, desktop, files);
    if (!window.load())
        return 1;
    return app.exec();
}
