#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// The file called `name` in `directory`, found under any case of its letters (WORDLIST.TXT for
// wordlist.txt); the exact name when it exists or when nothing matches.
std::filesystem::path FindFileIgnoringCase(const std::filesystem::path &directory,
                                           const std::string &name);

// Reads a text file line by line. CR LF, LF and a lone CR each end a line, and a last line
// without a line end is read too. Lines are UTF-8 (a leading byte-order mark is skipped) or,
// failing that, Windows-1252.
class LineReader {
public:
    // Fails for anything but a regular file that can be read: a missing file, a folder, a pipe
    // (which could block for ever), a file without read access.
    bool open(const std::filesystem::path &path);

    // The next line without its line end, into `line` (whose memory is reused); false once
    // every line has been read. A read error ends the file like its end does.
    bool readLine(std::u16string &line);

private:
    bool fill();
    bool readLineBytes(std::string_view &bytes);

    std::ifstream stream_;
    std::vector<char> buffer_ = std::vector<char>(1 << 16);
    size_t position_ = 0;       // of the next unread byte in the buffer
    size_t filled_ = 0;         // bytes of the buffer that hold the file
    std::string spanning_;      // a line that runs across the end of the buffer
    bool skipLineFeed_ = false; // the last line ended with CR, which may be the half of CR LF
    bool atStart_ = true;
};

// Appends `text` and CR LF to the file, creating it if missing; a CR or LF inside `text` becomes
// a space, so the text always makes one line. The line goes out in a single append, so two
// programs saving at once never interleave their lines.
std::error_code AppendLine(const std::filesystem::path &path, std::u16string_view text);
