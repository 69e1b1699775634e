#include "platform/native_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanta::native {
namespace fs = std::filesystem;

namespace {

Reason systemReason(int error) { return std::strerror(error); }

std::optional<Reason> writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return systemReason(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

} // namespace

std::optional<Reason> writeNewFile(const fs::path& file, std::string_view bytes, const fs::path& replacing)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return systemReason(errno);
    struct stat existing {};
    if (::stat(replacing.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        (void)::fchmod(fd, existing.st_mode & 07777);  // keep the replaced file's permissions
    // No fsync: the rename alone makes the replacement all-or-nothing for a
    // program that dies mid-write, and syncing would cost more than the write.
    std::optional<Reason> reason = writeAll(fd, bytes);
    if (::close(fd) != 0 && !reason)
        reason = systemReason(errno);
    return reason;
}

std::optional<Reason> replaceKeepingBackup(const fs::path& from, const fs::path& to, const fs::path& backup,
                                           bool& keptBackup)
{
    // A second name for the old content; where the file system has no hard
    // links the replacement goes ahead without one.
    keptBackup = ::link(to.c_str(), backup.c_str()) == 0;
    if (const auto reason = moveOver(from, to)) {
        if (keptBackup)
            (void)::unlink(backup.c_str());
        keptBackup = false;
        return reason;
    }
    return std::nullopt;
}

std::optional<Reason> moveOver(const fs::path& from, const fs::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        return systemReason(errno);
    return std::nullopt;
}

std::optional<Reason> readAll(const fs::path& file, std::string& bytes)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return systemReason(errno);
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int readError = errno;
            ::close(fd);
            return systemReason(readError);
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return std::nullopt;
}

unsigned long processId() { return static_cast<unsigned long>(::getpid()); }

} // namespace orvanta::native
