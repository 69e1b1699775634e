#include "platform/text_file.h"

#include "platform/host_path.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <fstream>
#include <process.h>
#define getpid _getpid
#endif

namespace orvanta {
namespace fs = std::filesystem;

namespace {

FileError failure(const char* action, std::string_view pathText, const fs::path& host,
                  const std::string& reason)
{
    return FileError{std::string(action) + " " + describePath(pathText, host) + ": " + reason};
}

std::string systemReason(int error) { return std::strerror(error); }

/// The file a write really replaces: a link is followed, so the link stays.
fs::path writeTarget(const fs::path& host)
{
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(host, error))) {
        const fs::path resolved = fs::weakly_canonical(host, error);
        if (!error)
            return resolved;
    }
    return host;
}

fs::path temporaryBeside(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    return folder / (".orvanta-" + std::to_string(getpid()) + "-" + std::to_string(counter++) + ".tmp");
}

#ifndef _WIN32

std::optional<std::string> writeAll(int fd, std::string_view bytes)
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

/// Writes the bytes into a new temporary file; the reason on failure.
std::optional<std::string> writeTemporary(const fs::path& temporary, const fs::path& target,
                                          std::string_view bytes)
{
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return systemReason(errno);
    std::optional<std::string> reason;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        (void)::fchmod(fd, existing.st_mode & 07777);  // keep the replaced file's permissions
    // No fsync: the rename alone makes the replacement all-or-nothing for a
    // program that dies mid-write, and syncing would cost more than the write.
    reason = writeAll(fd, bytes);
    if (::close(fd) != 0 && !reason)
        reason = systemReason(errno);
    return reason;
}

std::optional<std::string> renameOver(const fs::path& from, const fs::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        return systemReason(errno);
    return std::nullopt;
}

#else

std::optional<std::string> writeTemporary(const fs::path& temporary, const fs::path&,
                                          std::string_view bytes)
{
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        return std::string("the file could not be written");
    return std::nullopt;
}

std::optional<std::string> renameOver(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    fs::rename(from, to, error);
    if (error)
        return error.message();
    return std::nullopt;
}

#endif

/// A file written under a temporary name beside its target, waiting to be
/// renamed over it. Removed again unless committed.
class StagedFile {
public:
    static FileOutcome<StagedFile> stage(std::string_view pathText, std::string_view bytes)
    {
        const fs::path host = hostPath(pathText);
        const fs::path target = writeTarget(host);
        std::error_code error;
        const fs::file_status status = fs::status(target, error);
        if (fs::is_directory(status))
            return failure("Cannot write", pathText, host, "a folder of that name is in the way");
        if (fs::exists(status) && !fs::is_regular_file(status))
            return failure("Cannot write", pathText, host, "it is not a regular file");
        StagedFile staged(std::string(pathText), host, target);
        if (const auto reason = writeTemporary(staged.temporary_, target, bytes))
            return failure("Cannot write", pathText, host, *reason);
        return staged;
    }

    StagedFile(StagedFile&& other) noexcept
        : pathText_(std::move(other.pathText_)), host_(std::move(other.host_)),
          target_(std::move(other.target_)), temporary_(std::move(other.temporary_))
    {
        other.temporary_.clear();
    }
    StagedFile& operator=(StagedFile&&) = delete;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    ~StagedFile()
    {
        if (!temporary_.empty()) {
            std::error_code ignored;
            fs::remove(temporary_, ignored);
        }
    }

    std::optional<FileError> commit()
    {
        if (const auto reason = renameOver(temporary_, target_))
            return failure("Cannot replace", pathText_, host_, *reason);
        temporary_.clear();
        return std::nullopt;
    }

private:
    StagedFile(std::string pathText, fs::path host, fs::path target)
        : pathText_(std::move(pathText)), host_(std::move(host)), target_(std::move(target)),
          temporary_(temporaryBeside(target_))
    {
    }

    std::string pathText_;
    fs::path host_;
    fs::path target_;
    fs::path temporary_;
};

} // namespace

std::optional<FileError> replaceFiles(std::span<const FileContents> files)
{
    std::vector<StagedFile> staged;
    staged.reserve(files.size());
    for (const FileContents& file : files) {
        auto outcome = StagedFile::stage(file.pathText, file.bytes);
        if (!outcome)
            return outcome.error();
        staged.push_back(std::move(outcome.value()));
    }
    for (StagedFile& file : staged) {
        if (auto error = file.commit())
            return error;
    }
    return std::nullopt;
}

std::optional<FileError> replaceFile(std::string_view pathText, std::string_view bytes)
{
    const FileContents file{std::string(pathText), bytes};
    return replaceFiles(std::span(&file, 1));
}

FileOutcome<std::string> readFileBytes(std::string_view pathText)
{
    const fs::path host = hostPath(pathText);
    std::error_code error;
    if (fs::is_directory(host, error))
        return failure("Cannot read", pathText, host, "it is a folder, not a file");
#ifndef _WIN32
    const int fd = ::open(host.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return failure("Cannot read", pathText, host, systemReason(errno));
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int readError = errno;
            ::close(fd);
            return failure("Cannot read", pathText, host, systemReason(readError));
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
#else
    std::ifstream in(host, std::ios::binary);
    if (!in)
        return failure("Cannot read", pathText, host, "the file could not be opened");
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return failure("Cannot read", pathText, host, "the file could not be read");
    return bytes;
#endif
}

} // namespace orvanta
