#include "frm_scoffle.h"

#include "platform/qt_desktop.h"
#include "platform/standard_random.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QStandardPaths>

namespace {

std::filesystem::path LocalPath(const QString &path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vilifex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zestive.Vilifex"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vilifex.xpm")));

    const AppFiles files = LocateAppFiles(
        LocalPath(QCoreApplication::applicationDirPath()),
        LocalPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    StandardRandom random;
    QtDesktop desktop;
    FrmScoffle window(random, desktop, files);
    if (!window.load())
        return 1;
    return app.exec();
}
