#include "app_files.h"

#include <cstdlib>
#include <string>

#include <windows.h>

namespace fs = std::filesystem;

namespace {

// Whether a file can be made in the folder. Asking for access rights would say yes under
// Program Files, whose access-control lists only creating a file puts to the test.
bool CanWriteIn(const fs::path &directory) {
    const fs::path probe =
        directory / (L"vilifex-probe-" + std::to_wstring(::GetCurrentProcessId()));
    const HANDLE file =
        ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    return true;
}

// Whether `path` is `folder` or lies within it, names compared as Windows compares them.
bool IsWithin(const fs::path &path, const fs::path &folder) {
    auto at = path.begin();
    for (const fs::path &name : folder) {
        if (at == path.end() ||
            ::CompareStringOrdinal(at->c_str(), -1, name.c_str(), -1, TRUE) != CSTR_EQUAL)
            return false;
        ++at;
    }
    return !folder.empty();
}

// Windows names the Program Files folders to every program; asking the shell would load much
// of it at every start.
bool IsUnderProgramFiles(const fs::path &directory) {
    for (const wchar_t *name : {L"ProgramFiles", L"ProgramFiles(x86)", L"ProgramW6432"}) {
        const wchar_t *folder = _wgetenv(name);
        if (folder && *folder &&
            IsWithin(directory.lexically_normal(), fs::path(folder).lexically_normal()))
            return true;
    }
    return false;
}

} // namespace

fs::path InstalledDataDirectory(const fs::path &programDirectory) {
    // Under Program Files even where the folder happens to be writable, as it is for an
    // administrator without UAC, or under Wine; and wherever the installer put it, which it
    // marks with the uninstaller.
    std::error_code error;
    const bool installed = IsUnderProgramFiles(programDirectory) ||
                           fs::exists(programDirectory / "uninstall.exe", error) ||
                           !CanWriteIn(programDirectory);
    return installed ? programDirectory : fs::path();
}

fs::path ProgramDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return fs::path(path).parent_path();
        }
        path.resize(path.size() * 2);
    }
}

std::u16string NoUserDataDirectoryReason() {
    return u"APPDATA names none";
}

fs::path UserDataDirectory() {
    const wchar_t *appData = _wgetenv(L"APPDATA");
    if (appData == nullptr || !fs::path(appData).is_absolute())
        return {};
    return fs::path(appData) / L"vilifex";
}
