// Buffered line reader for source files.
#include "engine/source_reader.h"

#include <filesystem>

#include "driver/platform/platform.h"

namespace {

constexpr std::size_t kBufferSize = 1 << 16;

}  // namespace

bool IsReadableFile(const std::string& path) {
    std::error_code error;
    return !std::filesystem::is_directory(path, error) && std::ifstream(path).is_open();
}

SourceReader::SourceReader(const std::string& path) : buffer_(kBufferSize) {
    in_.rdbuf()->pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    // A folder opens like a file on some systems but has no lines to read.
    std::error_code error;
    if (!std::filesystem::is_directory(path, error)) in_.open(path, TextFileMode());
    open_ = in_.is_open();
    exhausted_ = !open_;
}

std::string SourceReader::Next() {
    std::string line;
    std::getline(in_, line);
    if (in_.eof() || in_.bad()) exhausted_ = true;
    return line;
}
