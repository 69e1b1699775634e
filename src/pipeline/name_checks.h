#pragma once

#include "model/project_state.h"
#include "pipeline/project_problem.h"
#include "script/line_origins.h"

#include <vector>

namespace orvanta {

/// The checks of the level names and legends as English.txt holds them
/// (`origins` tells which lines they wrote): each must stay one string, or
/// every string after it moves and the game shows the wrong texts; and it
/// should read in the game as typed. A level left out of the script counts
/// too: its name is still a line of English.txt, the source numbered `englishSource`.
void checkNamesAndLegends(const ProjectState& project, const LineOrigins& origins, int englishSource,
                          std::vector<ProjectProblem>& problems);

}  // namespace orvanta
