#include "append_whole.h"

#include "text_file.h"

#include <algorithm>
#include <thread>

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

// Copies of this program queue for a file on a mutex named after it, which the system hands to
// its waiters in turn, so that none starves another however fast it saves: a file lock that
// had to wait would do the same, but Wine never grants one. Null where the name cannot be had;
// the file lock alone then keeps the turns.
HANDLE QueueFor(HANDLE file) {
    std::wstring name(MAX_PATH, L'\0');
    DWORD length = ::GetFinalPathNameByHandleW(file, name.data(), MAX_PATH, FILE_NAME_NORMALIZED);
    if (length >= MAX_PATH) {
        name.resize(length);
        length = ::GetFinalPathNameByHandleW(file, name.data(), length, FILE_NAME_NORMALIZED);
    }
    if (length == 0 || length >= name.size())
        return nullptr;
    name.resize(length);
    ::CharLowerBuffW(name.data(), length);
    uint64_t hash = 14695981039346656037u; // FNV-1a: a path may be longer than a mutex's name
    for (const wchar_t unit : name)
        hash = (hash ^ unit) * 1099511628211u;
    wchar_t mutexName[64];
    ::swprintf(mutexName, 64, L"Local\\vilifex-save-%016llx",
               static_cast<unsigned long long>(hash));
    return ::CreateMutexW(nullptr, FALSE, mutexName);
}

// The file's turn, from a wait of kTurnWait at the most until it goes out of scope: first in
// the queue of this program's copies, then the lock that other programs see, which lies far past
// any data so that it keeps no one from writing. A program that does not lock is not waited on.
class Turn {
public:
    explicit Turn(HANDLE file) : file_(file), queue_(QueueFor(file)) {
        const auto deadline = std::chrono::steady_clock::now() + kTurnWait;
        const auto left = [deadline] {
            const auto rest = std::chrono::ceil<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            return static_cast<DWORD>(std::max<int64_t>(rest.count(), 0));
        };
        // An abandoned queue, left by a copy that ended in its turn, is this one's all the same.
        queued_ = queue_ && ::WaitForSingleObject(queue_, left()) != WAIT_TIMEOUT;
        if (queue_ && !queued_)
            return;
        lock_.OffsetHigh = 0x40000000;
        for (;;) {
            locked_ = ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1,
                                   0, &lock_);
            taken_ = locked_ || ::GetLastError() != ERROR_LOCK_VIOLATION;
            if (taken_ || left() == 0)
                return;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~Turn() {
        if (locked_)
            ::UnlockFileEx(file_, 0, 1, 0, &lock_);
        if (queued_)
            ::ReleaseMutex(queue_);
        if (queue_)
            ::CloseHandle(queue_);
    }
    Turn(const Turn &) = delete;
    Turn &operator=(const Turn &) = delete;

    bool taken() const { return taken_; }

private:
    HANDLE file_;
    HANDLE queue_;
    bool queued_ = false;
    OVERLAPPED lock_{};
    bool locked_ = false;
    bool taken_ = false;
};

// Appends in the file's turn, which ends before the file is closed.
std::error_code AppendInTurn(HANDLE file, const std::filesystem::path &path,
                             const std::function<std::string(const FileEnds &)> &bytesFor) {
    const Turn turn(file);
    if (!turn.taken())
        return make_error_code(FileFault::LockedByAnother);

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
    return result;
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
    // every file system.
    const std::error_code result = AppendInTurn(file, path, bytesFor);
    ::CloseHandle(file);
    return result;
}
