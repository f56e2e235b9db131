#pragma once

#include "platform/byte_source.h"
#include "system_stream.h"

#include <memory>

// A list's bytes, which end where the command is asked to stop, so that loading or checking a
// list of any size ends promptly.
class BytesUntilStopped final : public ByteSource {
public:
    explicit BytesUntilStopped(std::unique_ptr<ByteSource> bytes) : bytes_(std::move(bytes)) {}

    uint64_t size() const override { return bytes_->size(); }
    size_t read(uint64_t offset, char *into, size_t length) const override {
        return StopSignal() ? 0 : bytes_->read(offset, into, length);
    }

private:
    std::unique_ptr<ByteSource> bytes_;
};
