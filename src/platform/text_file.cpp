#include "platform/text_file.h"

#include "platform/host_path.h"
#include "platform/native_file.h"

#include <atomic>
#include <utility>
#include <filesystem>
#include <vector>

namespace orvanta {
namespace fs = std::filesystem;

namespace {

FileError failure(const char* action, std::string_view pathText, const fs::path& host,
                  const std::string& reason)
{
    return FileError{std::string(action) + " " + describePath(pathText, host) + ": " + reason};
}

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

fs::path temporaryBeside(const fs::path& target, const char* suffix)
{
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    return folder / (".orvanta-" + std::to_string(native::processId()) + "-" + std::to_string(counter++) + suffix);
}

void removeQuietly(const fs::path& file)
{
    std::error_code ignored;
    fs::remove(file, ignored);
}

/// A file written under a temporary name beside its target, waiting to be
/// moved over it. Removed again unless committed; once committed, the old
/// content can still be put back until the change is final.
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
        StagedFile staged(std::string(pathText), host, target, fs::exists(status));
        if (const auto reason = native::writeNewFile(staged.temporary_, bytes, target))
            return failure("Cannot write", pathText, host, *reason);
        return staged;
    }

    StagedFile(StagedFile&& other) noexcept
        : pathText_(std::move(other.pathText_)), host_(std::move(other.host_)), target_(std::move(other.target_)),
          temporary_(std::move(other.temporary_)), backup_(std::move(other.backup_)), existed_(other.existed_),
          state_(std::exchange(other.state_, State::Final))
    {
    }
    StagedFile& operator=(StagedFile&&) = delete;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    ~StagedFile()
    {
        if (state_ == State::Staged)
            removeQuietly(temporary_);
    }

    std::optional<FileError> commit()
    {
        bool keptBackup = false;
        if (const auto reason = native::replaceKeepingBackup(temporary_, target_, backup_, keptBackup))
            return failure("Cannot replace", pathText_, host_, *reason);
        state_ = keptBackup ? State::BackedUp : State::Committed;
        return std::nullopt;
    }

    /// Puts the old content back, or removes a file that did not exist before.
    void rollBack()
    {
        if (state_ == State::BackedUp)
            (void)native::moveOver(backup_, target_);
        else if (state_ == State::Committed && !existed_)
            removeQuietly(target_);
        state_ = State::Final;
    }

    /// Makes the change final: the old content is dropped.
    void finish()
    {
        if (state_ == State::BackedUp)
            removeQuietly(backup_);
        state_ = State::Final;
    }

private:
    enum class State { Staged, Committed, BackedUp, Final };

    StagedFile(std::string pathText, fs::path host, fs::path target, bool existed)
        : pathText_(std::move(pathText)), host_(std::move(host)), target_(std::move(target)),
          temporary_(temporaryBeside(target_, ".tmp")), backup_(temporaryBeside(target_, ".old")), existed_(existed)
    {
    }

    std::string pathText_;
    fs::path host_;
    fs::path target_;
    fs::path temporary_;
    fs::path backup_;
    bool existed_;
    State state_ = State::Staged;
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
    for (auto file = staged.begin(); file != staged.end(); ++file) {
        if (auto error = file->commit()) {
            for (auto done = staged.begin(); done != file; ++done)
                done->rollBack();
            return error;
        }
    }
    for (StagedFile& file : staged)
        file.finish();
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
    std::string bytes;
    if (const auto reason = native::readAll(host, bytes))
        return failure("Cannot read", pathText, host, *reason);
    return bytes;
}

} // namespace orvanta
