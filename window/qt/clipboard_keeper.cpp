#include "clipboard_keeper.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

// The window that owns the X clipboard now, or XCB_NONE.
xcb_window_t ClipboardOwner() {
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return XCB_NONE;
    xcb_connection_t *connection = x11->connection();
    constexpr char kName[] = "CLIPBOARD";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, true, std::strlen(kName), kName), nullptr);
    if (!atom)
        return XCB_NONE;
    xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
    const xcb_window_t window = owner ? owner->owner : XCB_NONE;
    std::free(owner);
    std::free(atom);
    return window;
}

void WriteAll(int fd, const QByteArray &bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t wrote =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (wrote <= 0)
            return;
        done += wrote;
    }
}

} // namespace

void PassOnClipboard() {
    // Wayland lets only a program with a window in the focus set the clipboard.
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !clipboard->ownsClipboard())
        return;
    // The keeper learns which window of ours owns the clipboard, so that it can tell an owner
    // newer than us, and the clip.
    const QByteArray message =
        QByteArray::number(ClipboardOwner()) + '\n' + clipboard->text().toUtf8();
    // The keeper is started from this program's own image, which still runs when the file it
    // came from was replaced, as a package upgrade does; its name is only for ps to show.
    std::error_code error;
    const std::string name = std::filesystem::read_symlink("/proc/self/exe", error).string();
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0)
        return;
    const int nowhere = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    const pid_t keeper = ::fork();
    if (keeper == 0) {
        // Only what is safe between fork and exec in a program with threads. The keeper keeps
        // no folder busy (a portable copy's removable disk), and no descriptor but its three.
        ::setsid();
        ::dup2(channel[0], STDIN_FILENO);
        if (nowhere >= 0) {
            ::dup2(nowhere, STDOUT_FILENO);
            ::dup2(nowhere, STDERR_FILENO);
        }
        [[maybe_unused]] const int moved = ::chdir("/"); // where not, the folder stays busy
        ::close_range(STDERR_FILENO + 1, ~0U, 0);
        ::execl("/proc/self/exe", error ? "vilifex" : name.c_str(), kKeepClipboardArgument,
                nullptr);
        ::_exit(127);
    }
    ::close(channel[0]);
    if (nowhere >= 0)
        ::close(nowhere);
    if (keeper > 0) {
        std::signal(SIGPIPE, SIG_IGN); // a keeper that failed to start ends the writing, not us
        WriteAll(channel[1], message);
    }
    ::close(channel[1]);
}

int KeepClipboard(int argc, char *argv[]) {
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    const QByteArray owner = input.readLine().trimmed();
    const QString text = QString::fromUtf8(input.readAll());
    QGuiApplication app(argc, argv);
    // Something copied since the program ended, or as it ended, is newer than the clip.
    const xcb_window_t now = ClipboardOwner();
    if (now != XCB_NONE && QByteArray::number(now) != owner)
        return 0;
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    QObject::connect(clipboard, &QClipboard::changed, &app, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && !clipboard->ownsClipboard())
            QCoreApplication::quit();
    });
    return app.exec();
}
