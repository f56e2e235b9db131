#include "byte_source.h"

#include "text_file.h"

#include <algorithm>

#include <windows.h>

FileBytes::~FileBytes() {
    if (handle_ != -1)
        ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

bool FileBytes::open(const std::filesystem::path &path, std::error_code *why) {
    const auto fail = [why](std::error_code error) {
        if (why)
            *why = error;
        return false;
    };
    // A folder does not open without backup semantics; a pipe or a device is no disk file.
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            return fail(std::make_error_code(std::errc::no_such_file_or_directory));
        return fail({static_cast<int>(error), std::system_category()});
    }
    LARGE_INTEGER size{};
    if (::GetFileType(file) != FILE_TYPE_DISK || !::GetFileSizeEx(file, &size)) {
        ::CloseHandle(file);
        return fail(make_error_code(FileFault::NotARegularFile));
    }
    handle_ = reinterpret_cast<intptr_t>(file);
    size_ = static_cast<uint64_t>(size.QuadPart);
    return true;
}

bool StreamBytes::open(const std::filesystem::path *path, std::error_code *why, bool (*stopAsked)(),
                       uint64_t longestLine) {
    const HANDLE stream =
        path ? ::CreateFileW(path->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
             : ::GetStdHandle(STD_INPUT_HANDLE);
    DWORD error = stream == INVALID_HANDLE_VALUE || !stream ? ::GetLastError() : 0;
    char chunk[1 << 16];
    while (!error) {
        if (stopAsked && stopAsked()) {
            error = ERROR_OPERATION_ABORTED;
            break;
        }
        DWORD count = 0;
        if (!::ReadFile(stream, chunk, sizeof chunk, &count, nullptr)) {
            error = ::GetLastError();
            if (error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF)
                error = 0; // the writer has closed its end: the stream's end
            break;
        }
        if (count == 0)
            break;
        if (!keep(chunk, count, longestLine))
            break;
    }
    if (path && stream != INVALID_HANDLE_VALUE)
        ::CloseHandle(stream);
    if (error && why)
        *why = {static_cast<int>(error), std::system_category()};
    return !error;
}

size_t FileBytes::read(uint64_t offset, char *into, size_t length) const {
    size_t done = 0;
    while (done < length) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset + done);
        at.OffsetHigh = static_cast<DWORD>((offset + done) >> 32);
        DWORD count = 0;
        const DWORD want = static_cast<DWORD>(std::min<size_t>(length - done, 1 << 30));
        if (!::ReadFile(reinterpret_cast<HANDLE>(handle_), into + done, want, &count, &at) ||
            count == 0)
            break;
        done += count;
    }
    return done;
}
