#include "termination_signals.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalled[2] = {-1, -1}; // the handler writes to the first, the event loop reads the second
volatile std::sig_atomic_t terminationAsked = 0; // kept for the loops that forget or never ran

// A handler may do almost nothing: it tells the event loop, which does the rest.
void Tell(int) {
    terminationAsked = 1;
    const char byte = 1;
    [[maybe_unused]] const ssize_t told = ::write(signalled[0], &byte, 1);
}

} // namespace

void NoteTerminationSignals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalled) != 0)
        return;
    struct sigaction action {};
    action.sa_handler = Tell;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
}

void QuitOnTerminationSignals() {
    if (signalled[1] < 0)
        return;
    // A byte the handler wrote before now is still unread, so the notifier tells of it too.
    auto *notifier =
        new QSocketNotifier(signalled[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char byte;
        while (::read(signalled[1], &byte, 1) > 0) {
        }
        // Ends every loop that runs, a message's too, even before the application's has
        // started; a loop started later, before the application's, returns at once.
        QCoreApplication::exit();
    });
}

bool TerminationAsked() {
    return terminationAsked != 0;
}

int ExecUntilTerminated() {
    return TerminationAsked() ? 0 : QApplication::exec();
}
