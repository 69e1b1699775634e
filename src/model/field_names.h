#pragma once

#include "model/project_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// The project's fields by the names of the controls that hold them:
/// Text1..Text30, Combo1..Combo12, sound1.., Label1.., data1.., switch1..switch5,
/// inputtimeout and security. Names are case-sensitive.
std::string* findField(ProjectState& project, std::string_view controlName);
const std::string* findField(const ProjectState& project, std::string_view controlName);

/// Whether a field holds lines: a script pack (Text13..Text23), the script
/// header (Text24) or the inventory items (Text25). Every other field is one
/// line of the project file and of the scripts, and holds no line break.
bool holdsLines(std::string_view controlName);

/// Every name findField knows, in a stable order.
const std::vector<std::string>& fieldNames();

/// The fixed text blocks, which no operation changes: engheader, engmiddler,
/// engender, scriptbox and englishbox.
std::optional<std::string_view> findFixedText(std::string_view controlName);

}  // namespace orvanta
