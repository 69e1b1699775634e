#pragma once

#include "model/project_state.h"
#include "script/line_origins.h"

#include <string>

namespace orvanta {

/// The bytes of Script.txt for a project: the script header, the option lines
/// of the game switches, the title section and a section for every level that
/// passes the include test. Fields are copied verbatim; every item ends in CR LF.
/// With `origins`, notes which field wrote which line.
std::string scriptText(const ProjectState& project, LineOrigins* origins = nullptr);

}  // namespace orvanta
