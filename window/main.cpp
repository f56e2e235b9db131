#include "frm_scoffle.h"

#include "platform/qt_desktop.h"
#include "platform/standard_random.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vilifex.xpm")));

    StandardRandom random;
    QtDesktop desktop;
    FrmScoffle window(random, desktop, QCoreApplication::applicationDirPath().toStdString());
    if (!window.load())
        return 1;
    return app.exec();
}
