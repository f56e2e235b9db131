#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// Bytes that can be read at any offset: a file, or text already in memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;

    virtual uint64_t size() const = 0;

    // Copies up to `length` bytes from `offset` into `into` and returns how many; fewer only at
    // the end, or where the file can no longer be read.
    virtual size_t read(uint64_t offset, char *into, size_t length) const = 0;
};

class MemoryBytes final : public ByteSource {
public:
    explicit MemoryBytes(std::string_view bytes) : bytes_(bytes) {}

    uint64_t size() const override { return bytes_.size(); }
    size_t read(uint64_t offset, char *into, size_t length) const override;

private:
    std::string_view bytes_;
};

// A stream's bytes, read to its end, as a stream can be read only once: standard input, a pipe,
// a FIFO, a device. For the command, whose lists may come from anywhere a shell can give one;
// the window reads only regular files.
class StreamBytes final : public ByteSource {
public:
    // Reads standard input where `path` is null, else what `path` names, waiting for its
    // writer as a stream's reader does. Fails, with `why`, where it cannot be opened or read,
    // or a signal interrupts the wait, or `stopAsked` says to stop (std::errc::interrupted): a
    // stream that never ends, or never waits, is read until then; throws std::bad_alloc where
    // it holds more than memory. Stops reading, as though the stream ended, once more than
    // `longestLine` bytes of one line have come (none an LF or a CR, in UTF-8 or UTF-16), so
    // that its reader finds the line too long rather than memory run out. `why` and
    // `stopAsked` may be null.
    bool open(const std::filesystem::path *path, std::error_code *why, bool (*stopAsked)(),
              uint64_t longestLine);

    uint64_t size() const override { return size_; }
    size_t read(uint64_t offset, char *into, size_t length) const override;

private:
    // Keeps a chunk read; false once a line is longer than `longestLine`.
    bool keep(const char *chunk, size_t count, uint64_t longestLine);

    // Kept in blocks, each twice as large as the one before, rather than in one buffer that
    // doubles: copying hundreds of megabytes to grow it would hold up a stop asked meanwhile.
    std::vector<std::unique_ptr<char[]>> blocks_; // all full but the last
    uint64_t size_ = 0;
    uint64_t sinceLineEnd_ = 0; // bytes since the last LF or CR
};

// A regular file, read where it lies rather than copied whole into memory.
class FileBytes final : public ByteSource {
public:
    FileBytes() = default;
    ~FileBytes() override;
    FileBytes(const FileBytes &) = delete;
    FileBytes &operator=(const FileBytes &) = delete;

    // Fails for anything but a regular file that can be read: a missing file, a folder, a pipe
    // or a device (which could block for ever), a file without read access; `why` then says
    // which, a missing file as std::errc::no_such_file_or_directory. Never blocks.
    bool open(const std::filesystem::path &path, std::error_code *why = nullptr);

    uint64_t size() const override { return size_; }
    size_t read(uint64_t offset, char *into, size_t length) const override;

private:
    intptr_t handle_ = -1; // a file descriptor, or a Windows handle; -1 for none
    uint64_t size_ = 0;
};
