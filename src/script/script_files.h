#pragma once

#include "model/project_state.h"
#include "platform/file_error.h"

#include <optional>
#include <string_view>

namespace orvanta {

/// Writes "Script.txt" and "English.txt" of the project into a folder text.
/// Both are staged before either replaces its old file, so a failure leaves
/// the folder as it was.
std::optional<FileError> writeScriptFiles(const ProjectState& project, std::string_view folderText);

/// Writes the stock "Script.txt" and "English.txt" into a folder text, each as
/// one item followed by CR LF.
std::optional<FileError> restoreStockFiles(std::string_view folderText);

} // namespace orvanta
