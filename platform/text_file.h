#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// The regular file called `name` in `directory`, found under any case of its letters
// (WORDLIST.TXT for wordlist.txt); the exact name when it is one, or when nothing matches.
std::filesystem::path FindFileIgnoringCase(const std::filesystem::path &directory,
                                           const std::string &name);

// Why a file could not be read or appended to, beyond what the system's own error codes say.
enum class FileFault { NotARegularFile = 1, LockedByAnother, ForeignEncoding };
std::error_code make_error_code(FileFault fault);
template <> struct std::is_error_code_enum<FileFault> : std::true_type {};

// Appends `text` and CR LF to the file, creating it if missing, as one line (see OneLine), and
// on a line of its own where the file's last line has no line end; in UTF-8, or in the file's
// UTF-16 where it begins with a UTF-16 byte-order mark. Only a regular file is written to: a pipe
// or a device is refused rather than waited on. The line goes out in a single append, so two
// programs saving at once never interleave their lines, and it is on the disk when this
// returns. On any failure the file is cut back to where it was: it gains the whole line or
// nothing. Another program's lock on the file is waited on for a moment only; past that
// nothing is written and the fault says so.
std::error_code AppendLine(const std::filesystem::path &path, std::u16string_view text);
