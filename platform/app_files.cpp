#include "app_files.h"

#include "text_file.h"

namespace fs = std::filesystem;

namespace {

bool IsAbsolute(const char *path) {
    return path != nullptr && fs::path(path).is_absolute();
}

// Anything by the name, even a folder or a broken link: a list that is meant, though it may
// not be readable, which the reader then says.
bool IsThere(const fs::path &path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// The shipped list of the first of the languages that has one there, else the English one.
fs::path ListInLanguage(const fs::path &directory, const std::vector<std::string> &languages) {
    for (const std::string &language : languages) {
        const fs::path list = ShippedWordList(directory, language);
        if (IsThere(list))
            return list;
    }
    return WordListPath(directory);
}

} // namespace

fs::path WordListPath(const fs::path &directory) {
    return FindFileIgnoringCase(directory, kWordListName);
}

bool HasWordList(const fs::path &directory) {
    return IsThere(WordListPath(directory));
}

fs::path ShippedWordList(const fs::path &directory, std::string_view language) {
    if (language == "en")
        return WordListPath(directory);
    return FindFileIgnoringCase(directory, "wordlist." + std::string(language) + ".txt");
}

fs::path ShippedListDirectory(const fs::path &programDirectory) {
    const fs::path installedData = InstalledDataDirectory(programDirectory);
    return installedData.empty() ? programDirectory : installedData;
}

AppFiles LocateAppFiles(const fs::path &programDirectory, const fs::path &userDirectory,
                        const std::vector<std::string> &languages) {
    const fs::path installedData = InstalledDataDirectory(programDirectory);
    if (installedData.empty())
        return {ListInLanguage(programDirectory, languages), programDirectory};
    if (!userDirectory.empty() && HasWordList(userDirectory))
        return {WordListPath(userDirectory), userDirectory, true};
    return {ListInLanguage(installedData, languages), userDirectory};
}

fs::path UserDataDirectory(const char *xdgDataHome, const char *home) {
    if (IsAbsolute(xdgDataHome))
        return fs::path(xdgDataHome) / "vilifex";
    if (IsAbsolute(home))
        return fs::path(home) / ".local" / "share" / "vilifex";
    return {};
}
