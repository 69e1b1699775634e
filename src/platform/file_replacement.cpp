#include "platform/file_replacement.h"

#include "platform/host_path.h"
#include "platform/native_file.h"
#include "platform/text_file.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <system_error>
#include <utility>

namespace orvanta {
namespace fs = std::filesystem;
using native::Failure;

namespace {

/// The file a write really replaces: symbolic links are followed, dangling
/// ones too, so each link stays and the file it names gets the content.
std::optional<fs::path> followLinks(fs::path path)
{
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error)))
            return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error)
            return path;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return std::nullopt;
}

/// A name beside `target` that no file is likely to have: random, so that
/// neither a killed run's leftovers nor another process can collide with it.
fs::path freshName(const fs::path& target, const char* suffix)
{
    static std::mt19937_64 random(
        std::random_device{}() ^
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    char name[40];
    std::snprintf(name, sizeof name, ".orvanta-%016llx%s", static_cast<unsigned long long>(random()), suffix);
    return target.parent_path() / name;
}

/// Makes a new file beside `target` through `create`, under `first` when
/// given, then under another fresh name for as long as the name is taken;
/// `name` is the one used.
template <typename Create>
native::Outcome createBeside(const fs::path& target, const char* suffix, fs::path& name, Create create,
                             const fs::path& first = {})
{
    for (int attempt = 1;; ++attempt) {
        name = attempt == 1 && !first.empty() ? first : freshName(target, suffix);
        native::Outcome outcome = create(name);
        if (!outcome || outcome->cause != Failure::Cause::NameTaken || attempt == 100) {
            if (outcome)
                name.clear();
            return outcome;
        }
    }
}

void removeQuietly(const fs::path& file)
{
    std::error_code ignored;
    fs::remove(file, ignored);
}

std::string folderOf(const fs::path& target)
{
    std::error_code error;
    return "the folder \"" + utf8Of(fs::absolute(target, error).parent_path()) + "\" cannot be written to";
}

}  // namespace

FileReplacement::FileReplacement(FileLocation location, fs::path target, std::string_view bytes)
    : location_(std::move(location)), target_(std::move(target)), bytes_(bytes)
{
}

FileReplacement::FileReplacement(FileReplacement&& other) noexcept
    : location_(std::move(other.location_)), target_(std::move(other.target_)), bytes_(other.bytes_),
      existed_(other.existed_), inPlace_(other.inPlace_), temporary_(std::exchange(other.temporary_, {})),
      plannedBackup_(std::move(other.plannedBackup_)), backup_(std::exchange(other.backup_, {})),
      oldBytes_(std::move(other.oldBytes_)), state_(std::exchange(other.state_, State::Done))
{
}

FileReplacement::~FileReplacement()
{
    if (state_ == State::Staged && !temporary_.empty())
        removeQuietly(temporary_);
    if (!backup_.empty())
        removeQuietly(backup_);
}

FileOutcome<FileReplacement> FileReplacement::stage(FileLocation location, std::string_view bytes)
{
    const auto failed = [&location](const std::string& reason) {
        return FileError{"Cannot write " + location.shown() + ": " + reason};
    };
    if (location.host().empty())
        return failed(std::string(kNoWinePrefix));
    const std::optional<fs::path> target = followLinks(location.host());
    if (!target)
        return failed("its symbolic links go round in a loop");
    std::error_code error;
    const fs::file_status status = fs::status(*target, error);
    if (fs::is_directory(status))
        return failed("a folder of that name is in the way");
    if (fs::exists(status) && !fs::is_regular_file(status))
        return failed(native::notAFile(status.type()));
    if (fs::exists(status)) {
        if (const auto reason = native::unwritable(*target))
            return failed(*reason);
    }

    FileReplacement file(std::move(location), *target, bytes);
    file.existed_ = fs::exists(status);
    file.inPlace_ = file.existed_ && native::linkCount(*target) > 1;
    native::Outcome outcome;
    if (file.inPlace_) {
        file.oldBytes_.emplace();
        outcome = native::readAll(*target, *file.oldBytes_, kMaxReadBytes);
    } else {
        outcome = createBeside(*target, ".tmp", file.temporary_, [&](const fs::path& temporary) {
            return native::writeNewFile(temporary, bytes, *target);
        });
        if (outcome && outcome->cause == Failure::Cause::NotPermitted)
            outcome->reason = folderOf(*target) + " (" + outcome->reason + ")";
        if (file.existed_)
            file.plannedBackup_ = freshName(*target, ".old");
    }
    if (outcome)
        return FileError{"Cannot write " + file.location_.shown() + ": " + outcome->reason};
    return file;
}

std::optional<FileError> FileReplacement::commit()
{
    native::Outcome outcome;
    if (inPlace_) {
        outcome = native::overwrite(target_, bytes_);
        if (outcome) {
            if (const auto reason = native::overwrite(target_, *oldBytes_))
                outcome->reason += "; its old content could not be put back either: " + reason->reason;
        }
    } else if (!existed_) {
        outcome = native::moveOver(temporary_, target_);
    } else {
        outcome = createBeside(
            target_, ".old", backup_,
            [this](const fs::path& backup) { return native::replaceKeepingBackup(temporary_, target_, backup); },
            plannedBackup_);
        if (outcome && outcome->cause == Failure::Cause::NoSecondName) {
            // No hard links here (a FAT drive, say): the old content is kept in memory.
            oldBytes_.emplace();
            if (native::readAll(target_, *oldBytes_, kMaxReadBytes))
                oldBytes_.reset();
            outcome = native::moveOver(temporary_, target_);
        }
    }
    if (outcome)
        return FileError{"Cannot replace " + location_.shown() + ": " + outcome->reason};
    state_ = State::Committed;
    return std::nullopt;
}

std::vector<fs::path> FileReplacement::hiddenFiles() const
{
    std::vector<fs::path> files;
    for (const fs::path* file : {&temporary_, &plannedBackup_}) {
        if (!file->empty())
            files.push_back(*file);
    }
    return files;
}

std::optional<std::string> FileReplacement::rollBack()
{
    if (state_ != State::Committed)
        return std::nullopt;
    state_ = State::Done;
    return writeBack();
}

std::optional<std::string> FileReplacement::writeBack()
{
    if (!backup_.empty()) {
        if (const auto failure = native::moveOver(backup_, target_))
            return failure->reason;
        backup_.clear();
        return std::nullopt;
    }
    if (!existed_) {
        std::error_code error;
        fs::remove(target_, error);
        return error ? std::optional(error.message()) : std::nullopt;
    }
    if (!oldBytes_)
        return "it was not kept";
    if (inPlace_) {
        const auto failure = native::overwrite(target_, *oldBytes_);
        return failure ? std::optional(failure->reason) : std::nullopt;
    }
    auto again = stage(FileLocation::fromHostPath(target_), *oldBytes_);
    const std::optional<FileError> error = again ? again.value().commit() : again.error();
    return error ? std::optional(error->message) : std::nullopt;
}

}  // namespace orvanta
