#include "system_stream.h"

#include <windows.h>

#include <algorithm>
#include <csignal>

const std::u16string_view kLineEnd = u"\r\n";

namespace {

HANDLE HandleOf(SystemStream stream) {
    return ::GetStdHandle(stream == SystemStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

std::error_code LastError() {
    const DWORD error = ::GetLastError();
    // A pipe whose reader has gone, or is going (Wine says that it is not connected).
    if (error == ERROR_BROKEN_PIPE || error == ERROR_NO_DATA || error == ERROR_PIPE_NOT_CONNECTED)
        return std::make_error_code(std::errc::broken_pipe);
    return {static_cast<int>(error), std::system_category()};
}

// What one call may write: the console takes no more than some tens of kilobytes at once.
constexpr DWORD kMostAtOnce = 1 << 14;

} // namespace

namespace {

volatile LONG stopSignal = 0;

} // namespace

// Ctrl+C and Ctrl+Break are noted, and the command ends at the next line. Writes to a console or
// a pipe are not cut short by them, so lines stay whole.
void PrepareStreams() {
    ::SetConsoleCtrlHandler(
        [](DWORD event) -> BOOL {
            if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
                return FALSE;
            ::InterlockedExchange(&stopSignal, SIGINT);
            return TRUE;
        },
        TRUE);
}

int StopSignal() {
    return static_cast<int>(stopSignal);
}

void EndByStopSignal() {}

StreamKind KindOf(SystemStream stream) {
    DWORD mode = 0;
    const HANDLE handle = HandleOf(stream);
    if (::GetFileType(handle) == FILE_TYPE_CHAR && ::GetConsoleMode(handle, &mode))
        return StreamKind::WideConsole;
    return StreamKind::File;
}

std::error_code WriteBytes(SystemStream stream, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD count = static_cast<DWORD>(std::min<size_t>(bytes.size(), kMostAtOnce));
        if (!::WriteFile(HandleOf(stream), bytes.data(), count, &written, nullptr))
            return LastError();
        if (written == 0)
            return {ERROR_WRITE_FAULT, std::system_category()};
        bytes.remove_prefix(written);
    }
    return {};
}

std::error_code WriteWide(SystemStream stream, std::u16string_view units) {
    while (!units.empty()) {
        DWORD written = 0;
        const DWORD count = static_cast<DWORD>(std::min<size_t>(units.size(), kMostAtOnce));
        if (!::WriteConsoleW(HandleOf(stream), units.data(), count, &written, nullptr))
            return LastError();
        if (written == 0)
            return {ERROR_WRITE_FAULT, std::system_category()};
        units.remove_prefix(written);
    }
    return {};
}
