#pragma once

#include "model/project_state.h"
#include "platform/file_location.h"

#include <string>
#include <string_view>

namespace orvanta {

enum class LoadStatus {
    Loaded,          ///< every field the file carries was read into the project
    NotProjectFile,  ///< the first line is not the magic line; nothing changed
    Failed,          ///< unreadable, or not whole; nothing changed
};

struct LoadResult {
    LoadStatus status = LoadStatus::Failed;
    std::string message;  ///< for Failed: one line of UTF-8 naming the path and the reason
    std::string note;     ///< for Loaded: what of the file stayed unread, in UTF-8, or empty
};

/// Reads a project file's bytes into the project: level names, WAD names,
/// audio tracks, legends, script packs, the inventory items list, switches,
/// time-out, security value, level data strings (and from them the camera
/// labels), the two paths and, where the file holds it, the Header Pack.
/// Nothing is changed unless the whole file could be read.
LoadResult readProjectText(std::string_view bytes, ProjectState& project);

/// Whether a file's bytes begin with the magic line of a project file.
bool isProjectFileText(std::string_view bytes);

/// Reads the project file at a location; see readProjectText.
LoadResult loadProjectFile(const FileLocation& file, ProjectState& project);
/// Reads the project file a project field's path text names.
LoadResult loadProjectFile(std::string_view pathText, ProjectState& project);

}  // namespace orvanta
