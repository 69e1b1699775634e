#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvanta {

/// A small file beside a set of files being replaced, there only while the
/// replacing goes on. The renames of a set happen one after another, so a
/// process that dies between two leaves new files beside old ones; the record
/// it leaves behind lets the next write into that folder, or a check, say so,
/// and lets the next write remove the hidden files that the dead one left.
class ReplaceRecord {
public:
    /// Writes the record into `folder`, naming the files being replaced and
    /// the hidden files the replacing may leave; nothing when it cannot be
    /// written (the replacing goes on without it).
    ReplaceRecord(std::filesystem::path folder, const std::vector<std::filesystem::path>& files,
                  const std::vector<std::filesystem::path>& hiddenFiles);
    ReplaceRecord(const ReplaceRecord&) = delete;
    ReplaceRecord& operator=(const ReplaceRecord&) = delete;
    /// Removes the record: the replacing ended, well or not, with every file whole.
    ~ReplaceRecord();

private:
    std::filesystem::path file_;
};

/// What a record left in `folder` by a replacing that never ended says: that
/// the write was interrupted and which files may be from two writes, or
/// nothing when there is no such record. With `clear`, the hidden files it
/// names and the record itself are removed.
std::optional<std::string> interruptedReplace(const std::filesystem::path& folder, bool clear);

}  // namespace orvanta
