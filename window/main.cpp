#include "frm_scoffle.h"

#include "platform/qt_desktop.h"
#include "platform/standard_random.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
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
