// Buffered line reader for source files. A file is the sequence of texts between its line
// feeds: "a\n" holds the lines "a" and "", and an empty file holds one empty line. The file is
// opened in the platform's text file mode: on Linux a carriage return before a line feed stays
// in the line, on Windows the pair ends the line.
#pragma once

#include <fstream>
#include <string>
#include <vector>

// True when path is a file that can be opened for reading (a folder is not).
bool IsReadableFile(const std::string& path);

class SourceReader {
public:
    explicit SourceReader(const std::string& path);
    bool IsOpen() const { return open_; }
    bool Exhausted() const { return exhausted_; }
    // The next line without its line feed; only called while not Exhausted().
    std::string Next();
    // True when the line last returned was the final one, with no line feed after it.
    bool LastLineUnterminated() const { return exhausted_; }

private:
    std::vector<char> buffer_;
    std::ifstream in_;
    bool open_ = false;
    bool exhausted_ = false;
};
