// file_output_buffer.cpp - handing full buffers to the file.
#include "file_output_buffer.h"

namespace pelmora {

FileOutputBuffer::FileOutputBuffer(ReplacementFile& file)
    : file_(file), storage_(new char[capacity]), next_(storage_.get()),
      end_(storage_.get() + capacity) {}

void FileOutputBuffer::writeBufferedText() {
    const auto count = static_cast<std::size_t>(next_ - storage_.get());
    // Once a write has failed the file is lost anyway; the text that follows is dropped.
    if (!failed_ && count > 0 && !file_.write(storage_.get(), count)) {
        failed_ = true;
    }
    next_ = storage_.get();
}

bool FileOutputBuffer::flush() {
    writeBufferedText();
    return !failed_;
}

} // namespace pelmora
