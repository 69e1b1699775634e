#include "platform/native_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvanta::native {
namespace fs = std::filesystem;

namespace {

std::string systemReason(int error) { return std::strerror(error); }

Failure failure(int error)
{
    using Cause = Failure::Cause;
    Cause cause = Cause::Other;
    if (error == EEXIST)
        cause = Cause::NameTaken;
    else if (error == EACCES || error == EPERM || error == EROFS)
        cause = Cause::NotPermitted;
    return {cause, systemReason(error)};
}

/// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    /// Closes now, for the close's own failure (a late write error) to count.
    Outcome close()
    {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            return failure(errno);
        return std::nullopt;
    }

private:
    int fd_;
};

Outcome writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return failure(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

fs::file_type typeOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return fs::file_type::directory;
    if (S_ISCHR(mode))
        return fs::file_type::character;
    if (S_ISBLK(mode))
        return fs::file_type::block;
    if (S_ISFIFO(mode))
        return fs::file_type::fifo;
    return S_ISREG(mode) ? fs::file_type::regular : fs::file_type::unknown;
}

Failure tooLarge(std::uintmax_t limit)
{
    return {Failure::Cause::Other, "it holds more than " + std::to_string(limit) + " bytes, too many to read"};
}

}  // namespace

Outcome writeNewFile(const fs::path& file, std::string_view bytes, const fs::path& replacing)
{
    Descriptor fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0)
        return failure(errno);
    struct stat existing {};
    if (::stat(replacing.c_str(), &existing) == 0) {
        // The owner first, as changing it clears set-id bits. Where the process
        // may not give the file away, it may still keep the group; where not
        // even that, the file is the process's own, as a new file would be.
        [[maybe_unused]] const bool kept = ::fchown(fd.get(), existing.st_uid, existing.st_gid) == 0 ||
                                           ::fchown(fd.get(), static_cast<uid_t>(-1), existing.st_gid) == 0;
        // Set-id bits are not carried over: a text file root writes must not gain them.
        (void)::fchmod(fd.get(), existing.st_mode & 0777);
    }
    // No fsync: the rename alone makes the replacement all-or-nothing for a
    // program that dies mid-write, and syncing would cost more than the write.
    Outcome outcome = writeAll(fd.get(), bytes);
    Outcome closed = fd.close();
    if (!outcome)
        outcome = closed;
    if (outcome)
        (void)::unlink(file.c_str());
    return outcome;
}

Outcome replaceKeepingBackup(const fs::path& from, const fs::path& to, const fs::path& backup)
{
    if (::link(to.c_str(), backup.c_str()) != 0) {
        Failure linkFailure = failure(errno);
        if (linkFailure.cause != Failure::Cause::NameTaken)
            linkFailure.cause = Failure::Cause::NoSecondName;
        return linkFailure;
    }
    if (Outcome moved = moveOver(from, to)) {
        (void)::unlink(backup.c_str());
        return moved;
    }
    return std::nullopt;
}

Outcome moveOver(const fs::path& from, const fs::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        return failure(errno);
    return std::nullopt;
}

Outcome overwrite(const fs::path& file, std::string_view bytes)
{
    Descriptor fd(::open(file.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return failure(errno);
    const off_t size = static_cast<off_t>(bytes.size());
    if (size > 0) {
        if (const int error = ::posix_fallocate(fd.get(), 0, size);
            error != 0 && error != EOPNOTSUPP && error != EINVAL)
            return failure(error);
    }
    if (Outcome written = writeAll(fd.get(), bytes))
        return written;
    if (::ftruncate(fd.get(), size) != 0)
        return failure(errno);
    return fd.close();
}

std::optional<std::string> unwritable(const fs::path& file)
{
    struct stat existing {};
    if (::stat(file.c_str(), &existing) != 0)
        return systemReason(errno);
    // Root may write a file without write permission; a read-only file is
    // refused all the same, as it would be for anyone else.
    if ((existing.st_mode & 0222) == 0)
        return "the file is read-only";
    if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES ? "the file is read-only" : systemReason(errno);
    return std::nullopt;
}

std::uintmax_t linkCount(const fs::path& file)
{
    struct stat existing {};
    return ::stat(file.c_str(), &existing) == 0 ? existing.st_nlink : 1;
}

Outcome readAll(const fs::path& file, std::string& bytes, std::uintmax_t limit)
{
    // Without O_NONBLOCK, opening a pipe would wait for a writer.
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0)
        return failure(errno);
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0)
        return failure(errno);
    if (!S_ISREG(status.st_mode))
        return Failure{Failure::Cause::Other, notAFile(typeOf(status.st_mode))};
    if (static_cast<std::uintmax_t>(status.st_size) > limit)
        return tooLarge(limit);
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failure(errno);
        if (got == 0)
            return std::nullopt;
        if (bytes.size() + static_cast<std::size_t>(got) > limit)
            return tooLarge(limit);  // a file that grows while it is read
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
}

}  // namespace orvanta::native
