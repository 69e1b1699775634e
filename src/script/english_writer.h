#pragma once

#include "model/project_state.h"
#include "script/line_origins.h"

#include <string>

namespace orvanta {

/// The bytes of English.txt for a project: the stock strings with the legends
/// and the level names put in at their fixed places, and the inventory items.
/// With `origins`, notes which field wrote which line.
std::string englishText(const ProjectState& project, LineOrigins* origins = nullptr);

}  // namespace orvanta
