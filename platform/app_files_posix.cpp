#include "app_files.h"

#include <cstdlib>

namespace fs = std::filesystem;

fs::path InstalledDataDirectory(const fs::path &programDirectory) {
    const fs::path shared = programDirectory.parent_path() / "share" / "vilifex";
    return HasWordList(shared) ? shared : fs::path();
}

fs::path ProgramDirectory() {
    // The executable's path as bytes, whatever its folders are called.
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : executable.parent_path();
}

std::u16string NoUserDataDirectoryReason() {
    return u"neither XDG_DATA_HOME nor HOME names one";
}

fs::path UserDataDirectory() {
    return UserDataDirectory(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}
