#pragma once

#include "command_streams.h"
#include "options.h"
#include "words/excluded_words.h"
#include "words/word_list.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

class ByteSource;

// A file the command reads: the one given ("-" for standard input), or the word list the
// window would read.
struct ListSource {
    std::optional<std::filesystem::path> path; // none for standard input
    std::u16string name;                       // as the messages and the report call it
    bool given; // named on the command line; ListOf and GivenFile, which make each, set it
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
// list: by the name it was given, or where it was found, with the line too long to read where
// that is why. Returns the command's status.
int CannotUse(CommandStreams &streams, LoadResult result, const ListSource &list,
              const std::error_code &openError, uint64_t longLine = 0);

// What both actions read: the word list the options choose, and the words to leave out.
struct ListInput {
    ListSource list;
    std::unique_ptr<ByteSource> bytes;     // the list's
    std::vector<ListSource> leaveOutFiles; // as --exclude names them, in order
    std::optional<ExcludedWords> leaveOut; // the words of all of them
    const ExcludedWords *excluded() const { return leaveOut ? &*leaveOut : nullptr; }
};

// Reads the words to leave out and opens the list; where either cannot be, says why and
// returns the command's status.
std::optional<int> OpenInput(const Options &options, CommandStreams &streams, ListInput &input);

// Says why the list, read, cannot be used, naming the files of words left out where a class
// may have been emptied by them. Returns the command's status.
int CannotLoad(CommandStreams &streams, LoadResult result, const ListInput &input,
               uint64_t longLine = 0);
