#include "clipboard_keeper.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <csignal>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

void PassOnClipboard() {
    // Wayland lets only a program with a window in the focus set the clipboard.
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !clipboard->ownsClipboard())
        return;
    const QByteArray text = clipboard->text().toUtf8();
    std::error_code error;
    const std::string program = std::filesystem::read_symlink("/proc/self/exe", error).string();
    int channel[2];
    if (error || ::pipe2(channel, O_CLOEXEC) != 0)
        return;
    const int nowhere = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    const pid_t keeper = ::fork();
    if (keeper == 0) {
        // Only what is safe between fork and exec in a program with threads.
        ::setsid();
        ::dup2(channel[0], STDIN_FILENO);
        if (nowhere >= 0) {
            ::dup2(nowhere, STDOUT_FILENO);
            ::dup2(nowhere, STDERR_FILENO);
        }
        ::execl(program.c_str(), program.c_str(), kKeepClipboardArgument, nullptr);
        ::_exit(127);
    }
    ::close(channel[0]);
    if (nowhere >= 0)
        ::close(nowhere);
    if (keeper > 0) {
        std::signal(SIGPIPE, SIG_IGN); // a keeper that failed to start ends the writing, not us
        for (qsizetype done = 0; done < text.size();) {
            const ssize_t wrote = ::write(channel[1], text.constData() + done,
                                          static_cast<size_t>(text.size() - done));
            if (wrote <= 0)
                break;
            done += wrote;
        }
    }
    ::close(channel[1]);
}

int KeepClipboard(int argc, char *argv[]) {
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    const QString text = QString::fromUtf8(input.readAll());
    QGuiApplication app(argc, argv);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    QObject::connect(clipboard, &QClipboard::changed, &app, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard())
            QCoreApplication::quit();
    });
    return app.exec();
}
