#pragma once

#include <filesystem>

// Where the program reads its word list and appends its saved epithets.
struct AppFiles {
    std::filesystem::path wordListDirectory;
    std::filesystem::path saveDirectory;
};

// A copy of the program in a folder the user can write keeps both files beside the program.
// An installed one, whose folder the user cannot write, saves into the user's own data
// directory instead. A word list the user puts in that data directory is read in preference
// to the one beside the program, wherever the program lies.
AppFiles LocateAppFiles(const std::filesystem::path &programDirectory,
                        const std::filesystem::path &userDirectory);
