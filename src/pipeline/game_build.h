#pragma once

#include "model/project_state.h"
#include "pipeline/package_folder.h"
#include "pipeline/project_problem.h"

#include <string>
#include <vector>

namespace orvanta {

/// The four files of a build: the two sources Orvanta writes and the DATs the
/// game reads.
struct GameFiles {
    std::string scriptTxt;
    std::string englishTxt;
    std::string scriptDat;
    std::string englishDat;
};

struct GameBuild {
    /// Script.txt's first, each in line order; every problem whose line came
    /// from the project names its field.
    std::vector<ProjectProblem> problems;
    /// Complete only when no problem is an error.
    GameFiles files;
};

/// Writes the project's Script.txt and English.txt, checks them and builds
/// SCRIPT.DAT and ENGLISH.DAT from them. With `packageFiles`, a level whose
/// file is missing from the package gives a warning.
GameBuild buildGameFiles(const ProjectState& project, const PackageFileCheck& packageFiles = {});

/// The problems buildGameFiles finds.
std::vector<ProjectProblem> checkProject(const ProjectState& project, const PackageFileCheck& packageFiles = {});

}  // namespace orvanta
