#pragma once

#include "model/project_state.h"
#include "platform/file_error.h"
#include "platform/file_location.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

/// The bytes of the project file: the magic line; level names, WAD names and
/// audio tracks in slot order; the legends; the eleven level packs each closed
/// by "**BREAKER**"; the inventory list closed by "**SWITCHES**"; switches,
/// time-out, security value, level data strings, "**BREAKER**" and the paths;
/// then "**HEADER PACK**", the Header Pack and "**HEADER PACK END**".
std::string projectFileText(const ProjectState& project);

/// Why `projectText`, the project file of `project`, cannot be saved: a pack
/// holds a copy of the lines that close the packs, so the file would not load
/// back, or would load other values. Nothing when it can.
std::optional<std::string> whyNotSavable(const ProjectState& project, std::string_view projectText);

/// Writes the project file at a location, replacing an existing file whole;
/// a file that would not load back is not written.
std::optional<FileError> saveProjectFile(const ProjectState& project, const FileLocation& file);
/// Writes the project file a project field's path text names.
std::optional<FileError> saveProjectFile(const ProjectState& project, std::string_view pathText);

}  // namespace orvanta
