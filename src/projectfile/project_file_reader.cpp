#include "projectfile/project_file_reader.h"

#include "platform/text_file.h"
#include "platform/text_lines.h"
#include "projectfile/project_file_format.h"

#include <algorithm>
#include <optional>
#include <variant>
#include <vector>

namespace orvanta {
namespace {

using Lines = std::vector<std::string_view>;
using projectfile::kTailLines;

constexpr std::size_t kHeadValues = 3 * kSlotCount + 2;  // names, WADs, tracks, legends

LoadResult failed(std::string reason) { return {LoadStatus::Failed, std::move(reason)}; }

/// Whether the "**SWITCHES**" line at `index` is followed by the fixed tail.
bool hasTailShape(const Lines& lines, std::size_t index)
{
    return index + kTailLines < lines.size() &&
           lines[index + projectfile::kTailBreakerOffset] == projectfile::kBreaker;
}

std::optional<std::size_t> findSwitches(const Lines& lines, std::size_t from)
{
    const auto found = std::find(lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end(),
                                 projectfile::kSwitches);
    if (found == lines.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - lines.begin());
}

/// The "**SWITCHES**" line the tail follows: the first one in the file, as
/// every file of this format has it. A first one without the tail's shape is
/// either a file that ends early or a pack holding that line; either way the
/// lines after it are not the fields, so the file is refused.
std::variant<std::size_t, std::string> locateTail(const Lines& lines)
{
    const auto first = findSwitches(lines, 1 + kHeadValues);
    if (!first)
        return std::string("the file ends before its \"**SWITCHES**\" line");
    if (hasTailShape(lines, *first))
        return *first;
    for (auto later = findSwitches(lines, *first + 1); later; later = findSwitches(lines, *later + 1)) {
        if (hasTailShape(lines, *later))
            return "line " + std::to_string(*first + 1) +
                   " of a script pack reads \"**SWITCHES**\", so the fields after it cannot be told "
                   "apart";
    }
    return "the file ends early after its \"**SWITCHES**\" line " + std::to_string(*first + 1);
}

void applyFields(const Lines& lines, std::size_t switchesLine, ProjectState& project)
{
    auto head = lines.begin() + 1;
    for (LevelSlot& slot : project.slots)
        slot.levelName = *head++;
    for (LevelSlot& slot : project.slots)
        slot.wadName = *head++;
    for (LevelSlot& slot : project.slots)
        slot.audioTrack = *head++;
    project.firstLegend = *head++;
    project.secondLegend = *head++;

    auto tail = lines.begin() + static_cast<std::ptrdiff_t>(switchesLine) + 1;
    for (std::string& value : project.switches)
        value = *tail++;
    project.inputTimeout = *tail++;
    project.security = *tail++;
    for (LevelSlot& slot : project.slots)
        slot.levelData = *tail++;
    ++tail;  // "**BREAKER**"
    project.scriptFolder = *tail++;
    project.easylifeLocation = *tail++;
}

} // namespace

LoadResult readProjectText(std::string_view bytes, ProjectState& project)
{
    const Lines lines = splitLines(bytes);
    if (lines.empty() || lines.front() != projectfile::kMagicLine)
        return {LoadStatus::NotProjectFile, "Not an ORV file!"};
    if (lines.size() < 1 + kHeadValues)
        return failed("the file ends early, at line " + std::to_string(lines.size()));
    const auto tail = locateTail(lines);
    if (const auto* reason = std::get_if<std::string>(&tail))
        return failed(*reason);
    applyFields(lines, std::get<std::size_t>(tail), project);
    return {LoadStatus::Loaded, {}};
}

LoadResult loadProjectFile(const FileLocation& file, ProjectState& project)
{
    const auto bytes = readFileBytes(file);
    if (!bytes)
        return failed(bytes.error().message);
    LoadResult result = readProjectText(bytes.value(), project);
    if (result.status == LoadStatus::Failed)
        result.message = "Cannot load " + file.shown() + ": " + result.message + "; nothing was loaded";
    return result;
}

LoadResult loadProjectFile(std::string_view pathText, ProjectState& project)
{
    return loadProjectFile(FileLocation::fromPathText(pathText), project);
}

} // namespace orvanta
