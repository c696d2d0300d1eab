// SPDX-FileCopyrightText: 2026 Mezzurix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace mezzurix::rates {

namespace {

std::string failure(std::string_view what, const std::filesystem::path& path, int error)
{
    return std::string(what) + " " + path.string() + ": " + std::strerror(error);
}

// Closes the descriptor, and removes the new file unless it was renamed into place.
class NewFile {
public:
    NewFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!renamed_)
            ::unlink(path_.c_str());
    }

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    int close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }
    void renamed() { renamed_ = true; }

private:
    int fd_;
    std::string path_;
    bool renamed_ = false;
};

} // namespace

std::optional<std::string> writeFileAtomically(const std::filesystem::path& target, std::string_view contents)
{
    const std::filesystem::path folder = target.parent_path();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        return "cannot make the folder " + folder.string() + ": " + error.message();

    // A name of its own for each writer: two processes writing at once each rename a whole file.
    std::string pattern = (folder / ("." + target.filename().string() + "-XXXXXX")).string();
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return failure("cannot write into", folder, errno);
    NewFile file(fd, pattern);
    for (std::size_t done = 0; done < contents.size();) {
        const ssize_t n = ::write(file.fd(), contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return failure("cannot write", file.path(), n < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(n);
    }
    // Flushed before the rename, so that after a crash the name holds the old file or the new one
    // whole, never an empty one.
    if (::fsync(file.fd()) != 0 || file.close() != 0)
        return failure("cannot write", file.path(), errno);
    if (::rename(file.path().c_str(), target.c_str()) != 0)
        return failure("cannot replace", target, errno);
    file.renamed();
    return std::nullopt;
}

FileRead readSmallFile(const std::filesystem::path& path, std::size_t maxBytes)
{
    FileRead read;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            read.problem = failure("cannot read", path, errno);
        return read;
    }
    std::string contents;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            read.problem = failure("cannot read", path, errno);
            break;
        }
        if (n == 0) {
            read.contents = std::move(contents);
            break;
        }
        if (contents.size() + static_cast<std::size_t>(n) > maxBytes) {
            read.problem = path.string() + " is larger than " + std::to_string(maxBytes) + " bytes";
            break;
        }
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return read;
}

} // namespace mezzurix::rates
