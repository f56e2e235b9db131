#pragma once

#include "platform/app_files.h"
#include "words/word_list.h"

#include <filesystem>
#include <system_error>

// Reads wordlist.txt (under any case of its name) from `directory`, as the window finds its
// list beside the program.
inline LoadResult LoadWordList(WordLists &lists, const std::filesystem::path &directory,
                               RandomSource &random, std::error_code *openError = nullptr) {
    return LoadWordListFile(lists, WordListPath(directory), random, openError);
}
