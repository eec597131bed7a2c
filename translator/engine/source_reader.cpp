// Buffered line reader for source files.
#include "engine/source_reader.h"

#include "driver/platform/platform.h"

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

SourceReader::SourceReader(const std::string& path) : buffer_(kBufferSize) {
    in_.rdbuf()->pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    in_.open(path, TextFileMode());
    open_ = in_.is_open();
    exhausted_ = !open_;
}

std::string SourceReader::Next() {
    std::string line;
    std::getline(in_, line);
    if (in_.eof()) exhausted_ = true;
    return line;
}
