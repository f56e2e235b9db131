#include "app_files.h"

#include "text_file.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

bool HasWordList(const fs::path &directory) {
    std::error_code error;
    return fs::is_regular_file(FindFileIgnoringCase(directory, "wordlist.txt"), error);
}

bool IsAbsolute(const char *path) {
    return path != nullptr && fs::path(path).is_absolute();
}

} // namespace

AppFiles LocateAppFiles(const fs::path &programDirectory, const fs::path &userDirectory) {
    const fs::path installedData = programDirectory.parent_path() / "share" / "vilifex";
    if (!HasWordList(installedData))
        return {programDirectory, programDirectory};
    const bool userList = !userDirectory.empty() && HasWordList(userDirectory);
    return {userList ? userDirectory : installedData, userDirectory};
}

fs::path ProgramDirectory() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable.parent_path();
}

fs::path UserDataDirectory(const char *xdgDataHome, const char *home) {
    if (IsAbsolute(xdgDataHome))
        return fs::path(xdgDataHome) / "vilifex";
    if (IsAbsolute(home))
        return fs::path(home) / ".local" / "share" / "vilifex";
    return {};
}

fs::path UserDataDirectory() {
    return UserDataDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}
