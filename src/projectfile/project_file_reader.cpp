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

constexpr std::size_t kFirstPackLine = 1 + kHeadValues;

/// The "**SWITCHES**" lines after the head that have a whole tail after them.
std::vector<std::size_t> switchesLines(const Lines& lines)
{
    std::vector<std::size_t> found;
    for (std::size_t index = kFirstPackLine; index + kTailLines < lines.size(); ++index) {
        if (lines[index] == projectfile::kSwitches)
            found.push_back(index);
    }
    return found;
}

/// Why no "**SWITCHES**" line can be told to be the one the fields follow.
std::string noTail(const Lines& lines, const std::vector<std::size_t>& whole)
{
    if (whole.size() > 1)
        return "lines " + std::to_string(whole[0] + 1) + " and " + std::to_string(whole[1] + 1) +
               " both read \"**SWITCHES**\" with the fields after them, so they cannot be told apart";
    const auto last =
        std::find(lines.rbegin(), lines.rend() - static_cast<std::ptrdiff_t>(kFirstPackLine), projectfile::kSwitches);
    if (last == lines.rend() - static_cast<std::ptrdiff_t>(kFirstPackLine))
        return "it has no \"**SWITCHES**\" line after its level names and legends";
    const std::size_t index = static_cast<std::size_t>(lines.rend() - last) - 1;
    const std::size_t after = lines.size() - index - 1;
    return "its \"**SWITCHES**\" line " + std::to_string(index + 1) + " is followed by " + std::to_string(after) +
           " lines, not the " + std::to_string(kTailLines) + " that end a project file" +
           (after < kTailLines ? "; the file ends early" : "");
}

/// The "**SWITCHES**" line the fields follow: the one exactly that many lines
/// before the end, as in every file this program writes, whatever its packs
/// hold. Where lines follow the Easylife location, it is the one line whose
/// tail has "**BREAKER**" in its place.
std::variant<std::size_t, std::string> locateTail(const Lines& lines)
{
    const std::vector<std::size_t> whole = switchesLines(lines);
    if (!whole.empty() && whole.back() + kTailLines + 1 == lines.size())
        return whole.back();
    std::vector<std::size_t> withBreaker;
    for (const std::size_t index : whole) {
        if (lines[index + projectfile::kTailBreakerOffset] == projectfile::kBreaker)
            withBreaker.push_back(index);
    }
    if (withBreaker.size() == 1)
        return withBreaker.front();
    return noTail(lines, withBreaker.empty() ? whole : withBreaker);
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
    ++tail;  // "**BREAKER**", or whatever stands in its place
    project.scriptFolder = *tail++;
    project.easylifeLocation = *tail++;
}

}  // namespace

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

}  // namespace orvanta
