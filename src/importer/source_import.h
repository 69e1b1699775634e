#pragma once

#include "compiler/level_encoder.h"
#include "compiler/problem.h"
#include "importer/import_report.h"
#include "model/project_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

struct ListedLanguage;

/// A game's sources: its Script.txt and the language file its [Language]
/// section lists first, when there is one.
struct GameSources {
    SourceFile script;
    std::optional<SourceFile> language;
    /// The other language files of the game, which the project cannot keep.
    std::vector<std::string> otherLanguages;
    /// The files beside the script that a level's #INCLUDE lines read in.
    IncludeSource includes;
};

/// A game taken into a project, and what the project could not keep.
struct ImportedGame {
    ProjectState project;
    std::vector<ImportNote> leftOut;
};

/// A language file [Language] lists ("File= 0,ENGLISH.TXT"), by priority.
struct ListedLanguage {
    std::string name;
    int line = 0;
};

/// The language files a Script.txt lists, first priority first.
std::vector<ListedLanguage> listedLanguages(std::string_view scriptBytes);

/// Maps the sources onto a project that starts from the defaults. Any bytes
/// are taken; a script with no [Title] or [Level] section gives nothing.
std::optional<ImportedGame> importSources(const GameSources& sources);

}  // namespace orvanta
