#include "deadline_call_posix.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>

#include <unistd.h>

namespace {

// The signal that ends a wait. Its handler does nothing, so that the call it interrupts returns
// EINTR instead of being restarted, and the program goes on.
int WakeSignal() {
    static const int signal = [] {
        struct sigaction action {};
        action.sa_handler = [](int) {};
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGRTMIN, &action, nullptr);
        return SIGRTMIN;
    }();
    return signal;
}

timespec FromDuration(std::chrono::nanoseconds duration) {
    const auto seconds = std::chrono::floor<std::chrono::seconds>(duration);
    return {static_cast<time_t>(seconds.count()), static_cast<long>((duration - seconds).count())};
}

} // namespace

int CallBefore(std::chrono::steady_clock::time_point deadline, const std::function<int()> &call) {
    // A timer of the kernel's, for this thread alone, interrupts the call at the deadline, and
    // again every few milliseconds, as a signal that comes just before the call begins
    // interrupts nothing. A thread to watch the time would have to wait for a core to run on,
    // which a busy machine is slow to give.
    sigevent event{};
    event.sigev_notify = SIGEV_THREAD_ID;
    event.sigev_signo = WakeSignal();
    event._sigev_un._tid = ::gettid(); // sigev_notify_thread_id, which glibc 2.36 does not name
    timer_t timer{};
    if (::timer_create(CLOCK_MONOTONIC, &event, &timer) != 0)
        return errno;
    itimerspec times{};
    times.it_value = FromDuration(std::max(deadline - std::chrono::steady_clock::now(),
                                           std::chrono::steady_clock::duration(1)));
    times.it_interval = FromDuration(std::chrono::milliseconds(5));
    ::timer_settime(timer, 0, &times, nullptr);
    int error = 0;
    do
        error = call() == 0 ? 0 : errno;
    while (error == EINTR && std::chrono::steady_clock::now() < deadline);
    ::timer_delete(timer);
    return error == EINTR ? ETIMEDOUT : error;
}
