// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "file_writer.h"

#include "posix_file.h"

#include <cstdlib>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>

namespace orv {
namespace {

TapeFileError systemError(int error) { return {TapeFileError::Kind::System, error}; }

// Where a file renamed into place must go: beside the file a link names, so the link stays.
std::string renameTarget(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr), &std::free);
    return resolved ? std::string(resolved.get()) : path;
}

// Makes the rename that put a file into the folder last across a crash. Filesystems that cannot
// sync a folder say so; the file is in place either way, so that is no failure of the caller's.
void syncFolder(const std::string& file) {
    const std::filesystem::path parent = std::filesystem::path(file).parent_path();
    const std::filesystem::path folder = parent.empty() ? std::filesystem::path(".") : parent;
    const Descriptor fd(retryOnInterrupt([&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
    if (fd.get() >= 0) retryOnInterrupt([&] { return ::fsync(fd.get()); });
}

// A new file named after `target`, created with 0666 so the umask applies as to any new file
// (mkstemp would make it 0600). Fails only as the folder refuses, not on a name already taken.
int createBeside(const std::string& target, std::string& name) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + "." + std::to_string(random() % 1000000000);
        const int fd = retryOnInterrupt(
            [&] { return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666); });
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = retryOnInterrupt([&] { return ::write(fd, bytes.data(), bytes.size()); });
        if (written < 0) return errno;
        if (written == 0) return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

TapeFileError replaceFileAtomically(const std::string& path, std::string_view bytes, WrittenFile* written) {
    const std::string target = renameTarget(path);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    std::string name;
    Descriptor fd(createBeside(target, name));
    if (fd.get() < 0) return systemError(errno);
    int error = writeAll(fd.get(), bytes);
    if (!error && replacing && ::fchmod(fd.get(), old.st_mode & 07777) != 0) error = errno;
    if (!error && retryOnInterrupt([&] { return ::fsync(fd.get()); }) != 0) error = errno;
    struct stat status {};
    if (!error && ::fstat(fd.get(), &status) != 0) error = errno;
    if (!error && ::rename(name.c_str(), target.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(name.c_str());
        return systemError(error);
    }
    syncFolder(target);
    if (written) *written = {status.st_dev, status.st_ino, std::make_shared<Descriptor>(std::move(fd))};
    return {};
}

} // namespace orv
