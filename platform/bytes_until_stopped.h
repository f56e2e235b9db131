#pragma once

#include "byte_source.h"

#include <memory>

// Another source's bytes, which end once `stopAsked`, where given, says so: reading or checking
// a list of any size then ends promptly.
class BytesUntilStopped final : public ByteSource {
public:
    BytesUntilStopped(std::unique_ptr<ByteSource> bytes, bool (*stopAsked)())
        : bytes_(std::move(bytes)), stopAsked_(stopAsked) {}

    uint64_t size() const override { return bytes_->size(); }
    size_t read(uint64_t offset, char *into, size_t length) const override {
        return stopAsked_ && stopAsked_() ? 0 : bytes_->read(offset, into, length);
    }

private:
    std::unique_ptr<ByteSource> bytes_;
    bool (*stopAsked_)();
};
