#pragma once

#include <QString>
#include <optional>
#include <string_view>

namespace orvanta::ui {

/// Starts the program a path text names from its own folder, as
/// programLaunch says (under wine for a Windows program elsewhere), and does
/// not wait for it. Why it could not start, naming the path, or nothing.
std::optional<QString> startProgramDetached(std::string_view pathText);

}  // namespace orvanta::ui
