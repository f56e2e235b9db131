#pragma once

#include "word_list.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

// Where the message names the list it speaks of: only where it is there but could not be read,
// or always, for a list that may lie anywhere.
enum class ListNaming { WhereUnreadable, Always };

// What the user is told when a word list cannot be used, in lines ended by CR LF: the same
// words from the window and from the command. `list` is the file that was tried; a last line
// names it, with the system's reason where it could not be opened. `longLine` is the line too
// long to read, for LoadResult::LineTooLong.
std::u16string LoadFailureMessage(LoadResult result, const std::filesystem::path &list,
                                  const std::error_code &openError, ListNaming naming,
                                  uint64_t longLine = 0);

// The same for a list that the user named, called by `name` in place of WORDLIST.TXT, with the
// system's reason where it could not be opened.
std::u16string NamedListFailureMessage(LoadResult result, const std::u16string &name,
                                       const std::error_code &openError, uint64_t longLine = 0);

// Why a file whose line `line` has no end within kLongestLine cannot be read: "line N is longer
// than 16 MiB".
std::u16string LineTooLongText(uint64_t line);
