#pragma once

#include "model/project_state.h"
#include "platform/file_error.h"
#include "platform/file_location.h"

#include <optional>
#include <string_view>

namespace orvanta {

/// Writes "Script.txt" and "English.txt" of the project into a folder, both
/// or neither (see replaceFiles).
std::optional<FileError> writeScriptFiles(const ProjectState& project, const FileLocation& folder);
/// The same, into the folder a project field's path text names.
std::optional<FileError> writeScriptFiles(const ProjectState& project, std::string_view folderText);

/// Writes the stock "Script.txt" and "English.txt" into a folder, each as one
/// item followed by CR LF, both or neither.
std::optional<FileError> restoreStockFiles(const FileLocation& folder);
std::optional<FileError> restoreStockFiles(std::string_view folderText);

/// Whether restoring the stock files into a folder would replace a
/// "Script.txt" or "English.txt" there that differs from them (one that
/// cannot be read counts as differing). Missing files replace nothing.
bool restoringReplacesOtherText(const FileLocation& folder);

}  // namespace orvanta
