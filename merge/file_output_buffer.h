// file_output_buffer.h - a fixed-size buffer between the formatter and the file.
#pragma once

#include "replacement_file.h"

#include <cstddef>
#include <memory>

namespace pelmora {

// The formatter writes text straight into the buffer; whenever the buffer cannot take the next
// piece, its contents go to the file in one write. So however large the file, a write needs
// this one buffer and no more, and the file sees few, large writes.
//
// After the first failed write nothing more reaches the file, and flush() reports the failure.
class FileOutputBuffer {
public:
    // Large enough that the cost of each system call vanishes next to the formatting (with
    // 64 KiB, a file of a million voxels took about a fifth longer), small enough to stay in the
    // processor's cache while the system copies it.
    static constexpr std::size_t capacity = 256 * 1024;

    explicit FileOutputBuffer(ReplacementFile& file);

    // Returns where the next characters go, with room for at least `count` of them (one line or
    // so: far less than the capacity). Hands the buffered text to the file first when needed.
    char* reserve(std::size_t count) {
        if (static_cast<std::size_t>(end_ - next_) < count) {
            writeBufferedText();
        }
        return next_;
    }
    // The room after the last reserve(), for writing many pieces after one check.
    std::size_t room() const { return static_cast<std::size_t>(end_ - next_); }
    // Takes the characters from the last reserve() up to `end` into the buffer.
    void commit(char* end) { next_ = end; }

    bool hasFailed() const { return failed_; }
    // Hands the rest of the text to the file. True when all of it reached the file.
    bool flush();

private:
    void writeBufferedText();

    ReplacementFile& file_;
    std::unique_ptr<char[]> storage_;
    char* next_;
    char* end_;
    bool failed_ = false;
};

} // namespace pelmora
