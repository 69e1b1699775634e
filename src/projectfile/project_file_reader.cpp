#include "projectfile/project_file_reader.h"

#include "model/level_data.h"
#include "platform/text_file.h"
#include "platform/text_lines.h"
#include "projectfile/project_file_format.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <variant>
#include <vector>

namespace orvanta {
namespace {

using Lines = std::vector<std::string_view>;
using projectfile::kTailLines;

constexpr std::size_t kHeadValues = 3 * kSlotCount + 2;  // names, WADs, tracks, legends

LoadResult failed(std::string reason) { return {LoadStatus::Failed, std::move(reason), {}}; }

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

/// Whether "**HEADER PACK**" follows the tail that this "**SWITCHES**" line opens.
bool headerPackOpens(const Lines& lines, std::size_t switchesLine)
{
    const std::size_t separator = switchesLine + kTailLines + 1;
    return separator < lines.size() && lines[separator] == projectfile::kHeaderPack &&
           lines[switchesLine + projectfile::kTailBreakerOffset] == projectfile::kBreaker;
}

/// Whether the Header Pack follows that tail and the file ends with its closing line.
bool headerPackFollows(const Lines& lines, std::size_t switchesLine)
{
    return headerPackOpens(lines, switchesLine) && switchesLine + kTailLines + 2 < lines.size() &&
           lines.back() == projectfile::kHeaderPackEnd;
}

/// The one line of `candidates` that passes `test`, if exactly one does.
template <typename Test>
std::optional<std::size_t> onlyOne(const std::vector<std::size_t>& candidates, const Test& test)
{
    std::optional<std::size_t> found;
    for (const std::size_t index : candidates) {
        if (!test(index))
            continue;
        if (found)
            return std::nullopt;
        found = index;
    }
    return found;
}

/// The "**SWITCHES**" line the fields follow, whatever the packs hold: the
/// one whose tail the Header Pack follows; else, in a file without a Header
/// Pack, the one exactly that many lines before the end; else, where other
/// lines follow the Easylife location, the one line whose tail has
/// "**BREAKER**" in its place.
std::variant<std::size_t, std::string> locateTail(const Lines& lines)
{
    const std::vector<std::size_t> whole = switchesLines(lines);
    if (const auto withHeader = onlyOne(whole, [&](std::size_t index) { return headerPackFollows(lines, index); }))
        return *withHeader;
    if (!whole.empty() && whole.back() + kTailLines + 1 == lines.size())
        return whole.back();
    const auto hasBreaker = [&](std::size_t index) {
        return lines[index + projectfile::kTailBreakerOffset] == projectfile::kBreaker;
    };
    if (const auto withBreaker = onlyOne(whole, hasBreaker))
        return *withBreaker;
    std::vector<std::size_t> withBreaker;
    std::copy_if(whole.begin(), whole.end(), std::back_inserter(withBreaker), hasBreaker);
    return noTail(lines, withBreaker.empty() ? whole : withBreaker);
}

/// A block's text from its lines: each line break of the text was a CR LF.
std::string blockText(Lines::const_iterator first, Lines::const_iterator last)
{
    std::string text;
    for (auto line = first; line != last; ++line) {
        if (line != first)
            text += kLineEnd;
        text += *line;
    }
    return text;
}

/// The eleven level packs and the inventory items list between the legends
/// and the "**SWITCHES**" line, or nothing when a pack holds a line that reads
/// "**BREAKER**" itself and the blocks cannot be told apart.
std::optional<std::vector<std::string>> packBlocks(const Lines& lines, std::size_t switchesLine)
{
    const auto first = lines.begin() + static_cast<std::ptrdiff_t>(kFirstPackLine);
    const auto end = lines.begin() + static_cast<std::ptrdiff_t>(switchesLine);
    if (static_cast<std::size_t>(std::count(first, end, projectfile::kBreaker)) != projectfile::kPackBlocks - 1)
        return std::nullopt;
    std::vector<std::string> blocks;
    auto start = first;
    for (auto line = first; line != end; ++line) {
        if (*line == projectfile::kBreaker) {
            blocks.push_back(blockText(start, line));
            start = line + 1;
        }
    }
    blocks.push_back(blockText(start, end));
    return blocks;
}

/// Sets the fields the file holds; returns a note when the packs stayed as they were.
std::string applyFields(const Lines& lines, std::size_t switchesLine, ProjectState& project)
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

    std::string note;
    if (const auto blocks = packBlocks(lines, switchesLine)) {
        for (int level = 1; level <= kLevelCount; ++level)
            project.level(level).scriptPack = blocks->at(static_cast<std::size_t>(level - 1));
        project.inventoryItems = blocks->back();
    } else {
        note = "The script packs and the inventory items list were not loaded: a pack holds a line that reads "
               "\"**BREAKER**\", so the packs cannot be told apart.";
    }

    auto tail = lines.begin() + static_cast<std::ptrdiff_t>(switchesLine) + 1;
    for (std::string& value : project.switches)
        value = *tail++;
    project.inputTimeout = *tail++;
    project.security = *tail++;
    for (LevelSlot& slot : project.slots) {
        slot.levelData = *tail++;
        slot.cameraLabel = decodeLevelData(slot.levelData).camera;  // the camera Script.txt is given
    }
    ++tail;  // "**BREAKER**", or whatever stands in its place
    project.scriptFolder = *tail++;
    project.easylifeLocation = *tail++;
    if (headerPackFollows(lines, switchesLine))
        project.scriptHeader = blockText(tail + 1, lines.end() - 1);
    return note;
}

}  // namespace

bool isProjectFileText(std::string_view bytes)
{
    const std::vector<std::string_view> first = splitLines(bytes.substr(0, bytes.find('\n') + 1));
    return !first.empty() && first.front() == projectfile::kMagicLine;
}

LoadResult readProjectText(std::string_view bytes, ProjectState& project)
{
    const Lines lines = splitLines(bytes);
    if (!isProjectFileText(bytes))
        return {LoadStatus::NotProjectFile, "Not an ORV file!", {}};
    if (lines.size() < 1 + kHeadValues)
        return failed("the file ends early, at line " + std::to_string(lines.size()));
    const auto tail = locateTail(lines);
    if (const auto* reason = std::get_if<std::string>(&tail))
        return failed(*reason);
    if (headerPackOpens(lines, std::get<std::size_t>(tail)) && !headerPackFollows(lines, std::get<std::size_t>(tail)))
        return failed("the file ends early: it has no \"**HEADER PACK END**\" line after its Header Pack");
    std::string note = applyFields(lines, std::get<std::size_t>(tail), project);
    return {LoadStatus::Loaded, {}, std::move(note)};
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
