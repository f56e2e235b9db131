#include "app_files.h"

#include "text_file.h"

#include <unistd.h>

namespace fs = std::filesystem;

AppFiles LocateAppFiles(const fs::path &programDirectory, const fs::path &userDirectory) {
    // Without a home there is no data directory; an empty path would mean the working one.
    const bool hasUserDirectory = !userDirectory.empty();
    std::error_code error;
    const bool userList =
        hasUserDirectory &&
        fs::is_regular_file(FindFileIgnoringCase(userDirectory, "wordlist.txt"), error);
    const bool programWritable = ::access(programDirectory.c_str(), W_OK) == 0;
    return {userList ? userDirectory : programDirectory,
            programWritable || !hasUserDirectory ? programDirectory : userDirectory};
}
