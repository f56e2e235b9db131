#include "termination_signals.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalled[2] = {-1, -1};   // the handler writes to the first, the event loop reads the second
bool terminationAsked = false; // kept for the application's loop, which forgets it

// A handler may do almost nothing: it tells the event loop, which does the rest.
void Tell(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t told = ::write(signalled[0], &byte, 1);
}

} // namespace

void QuitOnTerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalled) != 0)
        return;
    auto *notifier =
        new QSocketNotifier(signalled[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char byte;
        while (::read(signalled[1], &byte, 1) > 0) {
        }
        terminationAsked = true;
        // Ends every loop that runs, a message's too, even before the application's has
        // started; a loop started later, before the application's, returns at once.
        QCoreApplication::exit();
    });
    struct sigaction action {};
    action.sa_handler = Tell;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

int ExecUntilTerminated() {
    return terminationAsked ? 0 : QApplication::exec();
}
