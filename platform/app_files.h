#pragma once

#include <filesystem>

// Where the program reads its word list and appends its saved epithets.
//
// A portable copy (the build tree, or any folder the program was copied into) keeps both files
// beside the program and nowhere else. An installed copy is recognised by its default list in
// share/vilifex/ under the folder above its own, as /usr/games/vilifex finds
// /usr/share/vilifex/wordlist.txt. It never writes under its prefix, whoever runs it: it reads
// the word list from the user's data folder when the user has put one there, the default one
// otherwise, and saves into the user's data folder.
struct AppFiles {
    std::filesystem::path wordListDirectory;
    std::filesystem::path saveDirectory; // empty when an installed copy has no user data folder
};

AppFiles LocateAppFiles(const std::filesystem::path &programDirectory,
                        const std::filesystem::path &userDirectory);

// The folder that holds the running program, from the path of its executable as the system
// gives it, whatever bytes the folder's name holds; empty if the system does not say.
std::filesystem::path ProgramDirectory();

// The user's data folder for the program, by the XDG base-directory rules: XDG_DATA_HOME, or
// else HOME/.local/share, followed by vilifex. A relative path in either counts as unset; empty
// when neither gives a folder. The first form takes the variables' values (null when unset).
std::filesystem::path UserDataDirectory(const char *xdgDataHome, const char *home);
std::filesystem::path UserDataDirectory();
