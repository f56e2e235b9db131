#include "app_files.h"

#include "text_file.h"

namespace fs = std::filesystem;

namespace {

bool IsAbsolute(const char *path) {
    return path != nullptr && fs::path(path).is_absolute();
}

} // namespace

fs::path WordListPath(const fs::path &directory) {
    return FindFileIgnoringCase(directory, kWordListName);
}

bool HasWordList(const fs::path &directory) {
    std::error_code error;
    return fs::exists(fs::symlink_status(WordListPath(directory), error));
}

AppFiles LocateAppFiles(const fs::path &programDirectory, const fs::path &userDirectory) {
    const fs::path installedData = InstalledDataDirectory(programDirectory);
    if (installedData.empty())
        return {programDirectory, programDirectory};
    const bool userList = !userDirectory.empty() && HasWordList(userDirectory);
    return {userList ? userDirectory : installedData, userDirectory, userList};
}

fs::path UserDataDirectory(const char *xdgDataHome, const char *home) {
    if (IsAbsolute(xdgDataHome))
        return fs::path(xdgDataHome) / "vilifex";
    if (IsAbsolute(home))
        return fs::path(home) / ".local" / "share" / "vilifex";
    return {};
}
