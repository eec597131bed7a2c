// Whole-file reading and writing for documents and project files. A file is replaced by
// writing a temporary file beside it and renaming that over it, so a failure at any point
// leaves the previous file as it was.
#pragma once

#include <optional>
#include <string>

// The folder part of `path`: everything before its last "/" ("" for a file in the root
// folder, "." for a bare file name).
std::string FolderOf(const std::string& path);

struct FileRead {
    std::string contents;  // the file's bytes, when it was read
    std::string error;     // why it was not read; empty when it was
    bool missing = false;  // it was not read because it does not exist
};

FileRead ReadWholeFile(const std::string& path);

// Replaces the contents of the file at `path` (creating it when it does not exist) with
// `contents`. Returns the reason for a failure, in which case the old file is untouched.
// A symbolic link is followed, so the link stays and its target receives the contents.
std::optional<std::string> ReplaceFileContents(const std::string& path,
                                               const std::string& contents);
