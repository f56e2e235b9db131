#pragma once

#include "command_streams.h"
#include "options.h"
#include "words/word_list.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

class ByteSource;
class ExcludedWords;

// A file the command reads: the one given ("-" for standard input), or the word list the
// window would read.
struct ListSource {
    std::optional<std::filesystem::path> path; // none for standard input
    std::u16string name;                       // as the messages and the report call it
    bool given = false;
};

// The word list that the options choose.
ListSource ListOf(const Options &options);

// The file named on the command line.
ListSource GivenFile(const std::filesystem::path &path);

// Opens the file: a regular file where it lies; standard input, a pipe, a FIFO or a device
// read to its end. Says CannotOpen, with the reason, or TooLarge, where it cannot.
LoadResult OpenList(const ListSource &list, std::unique_ptr<ByteSource> &bytes,
                    std::error_code &error);

// Says why the list cannot be used, always naming it, since a command may be pointed at any
// list: by the name it was given, or where it was found. Returns the command's status.
int CannotUse(CommandStreams &streams, LoadResult result, const ListSource &list,
              const std::error_code &openError);

// Reads the words that --exclude names, where it does; otherwise says why not and returns the
// command's status.
std::optional<int> ReadExcluded(const Options &options, CommandStreams &streams,
                                ExcludedWords &words);
