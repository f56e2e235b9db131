#pragma once

#include "word_list.h"

#include <filesystem>
#include <string>
#include <system_error>

// What the user is told when a word list cannot be used, in lines ended by CR LF: the same
// words from the window and from the command. `list` is the file that was tried; where it is
// there but could not be read (`openError` other than a missing file), a last line names it
// with the system's reason.
std::u16string LoadFailureMessage(LoadResult result, const std::filesystem::path &list,
                                  const std::error_code &openError);
