#pragma once

#include "platform/file_error.h"
#include "platform/file_location.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvanta {

/// The most bytes a file may hold to be read: far more than any script or
/// project file, and little enough to hold in memory.
inline constexpr std::uintmax_t kMaxReadBytes = std::uintmax_t{256} << 20;

/// The whole content of a regular file. Folders, devices, pipes and files of
/// more than kMaxReadBytes are refused at once.
FileOutcome<std::string> readFileBytes(const FileLocation& file);

/// A file to create or replace, with its exact bytes.
struct FileContents {
    FileLocation location;
    std::string_view bytes;
};

/// Creates or replaces one file. The bytes go to a temporary file beside the
/// target, which is then renamed over the target: after a failure at any step,
/// or if the program dies while writing, the old file is still whole. What the
/// user had is kept: a read-only file is refused, its permissions, owner and
/// group stay (set-id bits do not), a symbolic link stays and the file it names
/// gets the content, and a file with several names is written into so that
/// every name sees the new content (see FileReplacement).
std::optional<FileError> replaceFile(const FileLocation& file, std::string_view bytes);

/// Replaces several files, all or none: every one is staged before the first
/// is replaced, and the old content of each stays at hand until the last is
/// in. When one cannot be replaced, those before it get their old content back;
/// any that cannot is named in the message. `beforeNext` runs between two
/// replacements (tests use it to stand in for another program).
///
/// The renames happen one after another, so a process killed between two of
/// them leaves some files new and some old. A record beside the files while
/// they are replaced (see ReplaceRecord) lets the next replacing of several
/// files in that folder find out: it removes what the killed one left and
/// says so in `interrupted`.
std::optional<FileError> replaceFiles(std::span<const FileContents> files,
                                      const std::function<void()>& beforeNext = {},
                                      std::optional<std::string>* interrupted = nullptr);

}  // namespace orvanta
