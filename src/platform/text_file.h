#pragma once

#include "platform/file_error.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvanta {

/// The whole content of a file, by its path text.
FileOutcome<std::string> readFileBytes(std::string_view pathText);

/// A file to create or replace, by its path text, with its exact bytes.
struct FileContents {
    std::string pathText;
    std::string_view bytes;
};

/// Creates or replaces one file. The bytes go to a temporary file beside the
/// target, which is then renamed over the target: after a failure at any step,
/// or if the program dies while writing, the old file is still whole.
std::optional<FileError> replaceFile(std::string_view pathText, std::string_view bytes);

/// Replaces several files: every one is staged before the first is renamed, so
/// a failure while writing leaves all of them as they were.
std::optional<FileError> replaceFiles(std::span<const FileContents> files);

} // namespace orvanta
