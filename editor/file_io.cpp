// Reads files whole and replaces them through a temporary file in the same folder, which a
// rename then puts in place in one step; the old file stays until the new one is complete.
#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

std::string Failure(const std::string& what, const std::string& path) {
    return what + " '" + path + "': " + std::strerror(errno);
}

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A symbolic link is replaced at its target, so that saving keeps the link.
std::string FollowSymlink(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// The mode the replacement gets: that of the file it replaces, or what a newly created
// file would get under the process's file-creation mask.
mode_t ModeFor(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) == 0) return status.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& contents) {
    const char* next = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = write(fd, next, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Fills the temporary file and closes it; the reason for a failure, if any.
std::optional<std::string> FillTemporary(int fd, const std::string& contents,
                                         const std::string& target) {
    std::optional<std::string> error;
    if (!WriteAll(fd, contents) || fsync(fd) != 0) {
        error = Failure("Cannot write", target);
    } else if (fchmod(fd, ModeFor(target)) != 0) {
        error = Failure("Cannot set the permissions of", target);
    }
    if (close(fd) != 0 && !error) error = Failure("Cannot write", target);
    return error;
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

FileRead ReadWholeFile(const std::string& path) {
    FileRead result;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.missing = errno == ENOENT;
        result.error = Failure("Cannot read", path);
        return result;
    }
    char chunk[65536];
    ssize_t got;
    while ((got = read(fd, chunk, sizeof chunk)) != 0) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            result.error = Failure("Cannot read", path);
            result.contents.clear();
            break;
        }
        result.contents.append(chunk, static_cast<std::size_t>(got));
    }
    close(fd);
    return result;
}

std::optional<std::string> ReplaceFileContents(const std::string& path,
                                               const std::string& contents) {
    const std::string target = FollowSymlink(path);
    std::string temporary = FolderOf(target) + "/." + BaseNameOf(target) + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return Failure("Cannot create", target);
    std::optional<std::string> error = FillTemporary(fd, contents, target);
    if (!error && std::rename(temporary.c_str(), target.c_str()) != 0) {
        error = Failure("Cannot replace", target);
    }
    if (error) unlink(temporary.c_str());
    return error;
}
