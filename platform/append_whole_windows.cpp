#include "append_whole.h"

#include "text_file.h"

#include <algorithm>

#include <windows.h>

namespace {

std::error_code LastError() {
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

std::string ReadAt(HANDLE file, uint64_t offset, DWORD count) {
    std::string bytes(count, '\0');
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    DWORD read = 0;
    if (!::ReadFile(file, bytes.data(), count, &read, &at))
        read = 0;
    bytes.resize(read);
    return bytes;
}

} // namespace

std::error_code AppendWhole(const std::filesystem::path &path,
                            const std::function<std::string(const FileEnds &)> &bytesFor) {
    // A handle that may only append makes every write land at the end whole, whoever else
    // appends at the same time. Binary, as every Windows handle is.
    const HANDLE file = ::CreateFileW(path.c_str(), FILE_APPEND_DATA | GENERIC_READ | SYNCHRONIZE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return LastError();
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        return make_error_code(FileFault::NotARegularFile);
    }

    // Copies saving at once take turns as well: appending is whole on a local disk, but not on
    // every file system. The lock lies far past any data, so it keeps no one from writing.
    OVERLAPPED turn{};
    turn.OffsetHigh = 0x40000000;
    bool locked = false;
    const bool ourTurn = TakeTurn([&] {
        locked = ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                              &turn);
        return locked || ::GetLastError() != ERROR_LOCK_VIOLATION;
    });
    if (!ourTurn) {
        ::CloseHandle(file);
        return make_error_code(FileFault::LockedByAnother);
    }

    FileEnds ends;
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file, &size)) {
        ends.size = static_cast<uint64_t>(size.QuadPart);
        ends.head = ReadAt(file, 0, 4);
        ends.tail = ReadAt(file, ends.size - std::min<uint64_t>(ends.size, 2), 2);
    }
    const std::string bytes = bytesFor(ends);

    std::error_code result;
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        result = LastError();
    else if (written != bytes.size())
        result = {ERROR_DISK_FULL, std::system_category()}; // in the system's own words
    else if (!::FlushFileBuffers(file))
        result = LastError();
    if (result && written > 0) {
        // Cut back before the next copy's turn, with a handle that may write anywhere.
        const HANDLE cut =
            ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        bool back = cut != INVALID_HANDLE_VALUE && ::GetFileSizeEx(file, &size);
        if (back) {
            FILE_END_OF_FILE_INFO end{};
            end.EndOfFile.QuadPart = size.QuadPart - written;
            back = ::SetFileInformationByHandle(cut, FileEndOfFileInfo, &end, sizeof end);
        }
        if (!back)
            result = LastError(); // the graver news: the file could not go back
        if (cut != INVALID_HANDLE_VALUE)
            ::CloseHandle(cut);
    }
    if (locked)
        ::UnlockFileEx(file, 0, 1, 0, &turn);
    ::CloseHandle(file);
    return result;
}
