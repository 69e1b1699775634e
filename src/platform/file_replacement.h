#pragma once

#include "platform/file_error.h"
#include "platform/file_location.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// One file being replaced. Its new content is first written to a temporary
/// file beside it, then moved over it in one step; the old content is kept
/// under a second name until this is destroyed, so that a set of files can be
/// replaced all or none. A file with several names (hard links) is written
/// into instead, so that every name sees the new content; its old content is
/// then kept in memory.
class FileReplacement {
public:
    /// Checks the target and writes the temporary file; the target is not touched.
    static FileOutcome<FileReplacement> stage(FileLocation location, std::string_view bytes);

    FileReplacement(FileReplacement&& other) noexcept;
    FileReplacement& operator=(FileReplacement&&) = delete;
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;
    /// Removes the temporary file and the kept old content, if any is left.
    ~FileReplacement();

    /// Puts the new content in place of the old.
    std::optional<FileError> commit();
    /// Puts the old content back after a commit; why it could not, if so.
    std::optional<std::string> rollBack();

    const FileLocation& location() const { return location_; }
    /// The hidden files beside the target that this may leave if the process
    /// dies: the temporary file and the name the old content is to be kept under.
    std::vector<std::filesystem::path> hiddenFiles() const;
    const std::filesystem::path& target() const { return target_; }

private:
    FileReplacement(FileLocation location, std::filesystem::path target, std::string_view bytes);
    std::optional<std::string> writeBack();

    enum class State { Staged, Committed, Done };

    FileLocation location_;
    std::filesystem::path target_;  // symbolic links followed
    std::string_view bytes_;
    bool existed_ = false;
    bool inPlace_ = false;
    std::filesystem::path temporary_;
    std::filesystem::path plannedBackup_;
    std::filesystem::path backup_;
    std::optional<std::string> oldBytes_;
    State state_ = State::Staged;
};

}  // namespace orvanta
