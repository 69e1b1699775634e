#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace orvanta {
struct CommandSpec;
}

namespace orvanta::ui {

/// The section a line of a script stands in, as far as its commands go.
enum class ScriptSection : int { None, Level, PsxExtensions, PcExtensions, Language, Options, Unknown };

/// "[Level]" and "[Title]" give Level; nothing for a line that is no header.
std::optional<ScriptSection> sectionOfHeader(const QString& code);

enum class CommandKind { Known, Trng, Unknown };

/// What the compiler's command table says of a key in a section.
struct CommandInfo {
    CommandKind kind = CommandKind::Unknown;
    /// What a hover says: "Puzzle= takes item number, name and six values"
    /// and, below, what the game does with the line.
    QString help;
    QString values;                      ///< "item number, name and six values"
    const CommandSpec* entry = nullptr;  ///< commands of [Title] and [Level]
};
CommandInfo commandInfo(ScriptSection section, const QString& key);

/// Which value (0-based) of an item line is the item's name, or -1 for a
/// command that names no item.
int itemNameValue(const CommandInfo& command);
/// Whether the command is Level=, whose first value is a level file.
bool namesLevelFile(const CommandInfo& command);

/// The commands a section takes, for completion.
QStringList commandNames(ScriptSection section);

}  // namespace orvanta::ui
