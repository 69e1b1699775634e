#include "importer/source_import.h"

#include "compiler/command_table.h"
#include "compiler/language_file.h"
#include "compiler/source_lines.h"
#include "compiler/trng_commands.h"
#include "model/level_data.h"
#include "resources/stock_texts.h"
#include "script/english_writer.h"

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <tuple>
#include <unordered_set>
#include <utility>

namespace orvanta {
namespace {

constexpr int kAngkorLevel = 8;  // the level whose legend option writes the second legend
constexpr const char* kLensFlareValue = "250000,-32000,110000,128,96,0";
constexpr std::size_t kNamePlaceCount = 36;
constexpr std::size_t kMiddleStringCount = 14;

/// Where each level's name stands in the level-name list (1-based places
/// after the title; the first of level 8's two), and the stock names the
/// English.txt writer puts at the other places.
constexpr std::array<int, kLevelCount> kLevelPlace{1, 2, 6, 14, 17, 16, 21, 9, 19, 10, 22};

bool isLevelPlace(std::size_t place)
{
    for (const int p : kLevelPlace) {
        if (static_cast<std::size_t>(p) == place)
            return true;
    }
    return place == 11;  // level 8's second place
}

std::string joinLines(const std::vector<std::string_view>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

/// The meaningful lines of each string group of a language file.
struct LanguageSource {
    std::array<std::vector<SourceLine>, LanguageStrings::kGroupCount> groups;
    std::vector<SourceLine> otherSections;  ///< headings of sections the game's strings are not in
    std::vector<std::size_t> otherLines;    ///< how many lines each holds
};

LanguageSource readLanguage(std::string_view bytes)
{
    LanguageSource source;
    std::vector<SourceLine>* group = nullptr;
    forEachSourceLine(withoutByteOrderMark(bytes), [&](const SourceLine& line) {
        if (const auto name = sectionName(line.text)) {
            group = sameWord(*name, "Strings")      ? &source.groups[LanguageStrings::Generic]
                    : sameWord(*name, "PSXStrings") ? &source.groups[LanguageStrings::Psx]
                    : sameWord(*name, "PCStrings")  ? &source.groups[LanguageStrings::Pc]
                                                    : nullptr;
            if (group == nullptr) {
                source.otherSections.push_back(line);
                source.otherLines.push_back(0);
            }
        } else if (group != nullptr) {
            group->push_back(line);
        } else if (!source.otherLines.empty()) {
            ++source.otherLines.back();
        }
    });
    return source;
}

/// The lines of a text as the writer writes it, one item followed by CR LF.
std::vector<std::string_view> writtenLines(std::string_view text, std::string& storage)
{
    storage = std::string(text) + "\r\n";
    std::vector<std::string_view> lines;
    forEachRawLine(storage, [&lines](const RawLine& line) { lines.push_back(line.whole); });
    return lines;
}

/// English.txt in the layout Orvanta writes: the legends, the title's name
/// and the level-name list at their places after [Strings], each line as it
/// stands, and the inventory items between the middle and the end blocks.
struct EnglishLayout {
    std::string_view secondLegend, firstLegend;
    std::array<std::string_view, kNamePlaceCount + 1> names;  ///< [0] is the title's
    std::optional<std::string> inventoryItems;
};

/// Where the inventory items of English.txt begin and end, as raw line indexes.
std::optional<std::pair<std::size_t, std::size_t>> inventorySpan(const std::vector<RawLine>& lines,
                                                                 std::size_t afterNames)
{
    std::string storage;
    const std::vector<std::string_view> middle = writtenLines(resources::englishMiddle(), storage);
    std::size_t from = afterNames + middle.size();
    if (lines.size() < from || !std::equal(middle.begin(), middle.end(), lines.begin() + afterNames,
                                           [](std::string_view a, const RawLine& b) { return a == b.whole; })) {
        // The middle block as the game reads it: its strings, whatever lies around them.
        std::size_t strings = 0;
        for (from = afterNames; from < lines.size() && strings < kMiddleStringCount; ++from)
            strings += lines[from].meaningful.empty() ? 0 : 1;
        if (strings < kMiddleStringCount)
            return std::nullopt;
    }
    std::string endStorage;
    const std::vector<std::string_view> end = writtenLines(resources::englishEnd(), endStorage);
    std::size_t to = lines.size();
    if (lines.size() >= from + end.size() &&
        std::equal(end.begin(), end.end(), lines.end() - static_cast<std::ptrdiff_t>(end.size()),
                   [](std::string_view a, const RawLine& b) { return a == b.whole; })) {
        to = lines.size() - end.size();
    } else {
        // The end block's first string, "Yes", closes the items.
        to = from;
        while (to < lines.size() && lines[to].meaningful != trimmed(end.front()))
            ++to;
    }
    return std::pair{from, to};
}

/// The line at the place of level `n`'s name.
std::string_view levelNameLine(const EnglishLayout& layout, int n)
{
    return layout.names[static_cast<std::size_t>(kLevelPlace[static_cast<std::size_t>(n - 1)])];
}

std::optional<EnglishLayout> orvantaLayout(std::string_view bytes)
{
    std::vector<RawLine> lines;
    forEachRawLine(withoutByteOrderMark(bytes), [&lines](const RawLine& line) { lines.push_back(line); });
    std::size_t s = 0;
    while (s < lines.size() &&
           !(sectionName(lines[s].meaningful) && sameWord(*sectionName(lines[s].meaningful), "Strings")))
        ++s;
    const std::size_t firstName = s + 4, afterNames = firstName + kNamePlaceCount + 1;
    if (afterNames > lines.size())
        return std::nullopt;
    // The stock names come from what the writer writes for a default project.
    std::string storage;
    const std::vector<std::string_view> stock = writtenLines(englishText(ProjectState::withDefaults()), storage);
    std::size_t stockS = 0;
    while (stock[stockS] != "[Strings]")
        ++stockS;
    EnglishLayout layout{lines[s + 1].whole, lines[s + 2].whole, {}, std::nullopt};
    for (std::size_t place = 0; place <= kNamePlaceCount; ++place) {
        const RawLine& line = lines[firstName + place];
        if (place > 0 && !isLevelPlace(place) && line.meaningful != trimmed(stock[stockS + 4 + place]))
            return std::nullopt;
        layout.names[place] = line.whole;
    }
    if (const auto span = inventorySpan(lines, afterNames)) {
        std::vector<std::string_view> items;
        for (std::size_t i = span->first; i < span->second; ++i)
            items.push_back(lines[i].whole);
        layout.inventoryItems = joinLines(items);
    }
    return layout;
}

/// A line of a [Title] or [Level] section, from the script or from a file
/// an #INCLUDE line of the section reads in its place.
struct SectionLine : RawLine {
    std::string_view file;
};

/// A [Title] or [Level] section of the script, its #INCLUDE files read in.
struct ScriptLevel {
    int line = 0;
    std::vector<SectionLine> lines;
    std::string_view name;
};

struct SwitchKey {
    const char* key;
    int number;
};
constexpr std::array<SwitchKey, 5> kSwitchKeys{
    {{"LoadSave", 1}, {"Title", 2}, {"PlayAnyLevel", 3}, {"FlyCheat", 4}, {"DemoDisc", 5}}};

struct LevelSwitch {
    const char* key;
    LevelOption option;
    char letter;
};
constexpr std::array<LevelSwitch, 5> kLevelSwitches{{{"Horizon", LevelOption::Horizon, 'h'},
                                                     {"ColAddHorizon", LevelOption::BlendHorizon, 'b'},
                                                     {"Lightning", LevelOption::Lightning, 'l'},
                                                     {"YoungLara", LevelOption::YoungLara, 'y'},
                                                     {"Train", LevelOption::Train, 't'}}};

/// What follows the prefix the writer puts before a field's value, byte for
/// byte (blanks and a comment included, as the compiler reads them the same),
/// or nothing when the line does not begin with it.
std::optional<std::string_view> afterPrefix(const RawLine& line, std::string_view prefix)
{
    if (!line.whole.starts_with(prefix))
        return std::nullopt;
    return line.whole.substr(prefix.size());
}

/// A field's value from its line: as it stands after the writer's own prefix,
/// else the value the compiler reads.
std::string fieldValue(const RawLine& line, std::string_view prefix, std::string_view value)
{
    return std::string(afterPrefix(line, prefix).value_or(value));
}

/// The last LoadCamera= line of a section: the game applies each in turn, so
/// the last is the camera it loads with.
const SectionLine* lastLoadCamera(const ScriptLevel& section)
{
    const SectionLine* last = nullptr;
    for (const SectionLine& line : section.lines) {
        if (const auto command = commandLine(line.meaningful); command && sameWord(command->key, "LoadCamera"))
            last = &line;
    }
    return last;
}

class SourceImport {
public:
    explicit SourceImport(const GameSources& sources) : sources_(sources) {}
    std::optional<ImportedGame> run();

private:
    void readScript();
    void addSectionLine(ScriptLevel& section, const SectionLine& line, int depth = 0);
    void option(const RawLine& line);
    void title(const ScriptLevel& section);
    void placeLevels();
    void takeLegends();
    void level(int n, const ScriptLevel& section);
    void takeEnglish();
    void keepReferredStrings();
    void reportLostStrings();
    void commentLost(std::string_view file, const RawLine& line, std::string_view keptAfter = {});
    void commentLost(const SectionLine& line, std::string_view keptAfter = {})
    {
        commentLost(line.file, line, keptAfter);
    }
    void note(std::string_view file, int line, std::string what, std::string why)
    {
        game_.leftOut.push_back({std::string(file), line, std::move(what), std::move(why)});
    }
    const std::string& scriptName() const { return sources_.script.name; }

    const GameSources& sources_;
    ImportedGame game_{ProjectState::withDefaults(), {}};
    ProjectState& project_ = game_.project;
    std::vector<std::string_view> header_;
    bool haveOptions_ = false;
    std::array<bool, kSwitchCount> switchSet_{};
    bool timeoutSet_ = false, securitySet_ = false;
    std::optional<ScriptLevel> title_;
    std::vector<ScriptLevel> levels_;
    std::array<const ScriptLevel*, kLevelCount + 1> bySlotLevel_{};  // [n] for level n
    LanguageSource language_;
    std::optional<EnglishLayout> layout_;
    std::deque<std::string> includedNames_;  // the files section lines come from
    bool firstLegendSet_ = false, secondLegendSet_ = false;
};

std::optional<ImportedGame> SourceImport::run()
{
    if (sources_.language)
        language_ = readLanguage(sources_.language->bytes);
    if (sources_.language)
        layout_ = orvantaLayout(sources_.language->bytes);
    readScript();
    if (!title_ && levels_.empty())
        return std::nullopt;
    for (int n = 1; n <= kSwitchCount; ++n) {
        if (!switchSet_[static_cast<std::size_t>(n - 1)])
            project_.gameSwitch(n).clear();  // no line, as the script had none
    }
    if (!timeoutSet_)
        project_.inputTimeout = "0";
    if (!securitySet_)
        project_.security = "0";
    if (!haveOptions_)
        header_.push_back("[Options]");
    // The writer puts an empty line before [Title]: the source's own is that one.
    if (!header_.empty() && header_.back().empty())
        header_.pop_back();
    project_.scriptHeader = joinLines(header_);
    if (title_)
        title(*title_);
    placeLevels();
    takeEnglish();
    takeLegends();
    for (int n = 1; n <= kLevelCount; ++n) {
        if (bySlotLevel_[static_cast<std::size_t>(n)] != nullptr)
            level(n, *bySlotLevel_[static_cast<std::size_t>(n)]);
    }
    keepReferredStrings();
    reportLostStrings();
    for (const std::string& other : sources_.otherLanguages)
        note(other, 0, "the language file",
             "Orvanta writes English.txt only (its File= line stays in the Header Pack)");
    // The report reads in the order of the files: the script first, each by line.
    std::stable_sort(game_.leftOut.begin(), game_.leftOut.end(), [this](const ImportNote& a, const ImportNote& b) {
        return std::tuple(a.file != scriptName(), a.file, a.line) < std::tuple(b.file != scriptName(), b.file, b.line);
    });
    return std::move(game_);
}

void SourceImport::readScript()
{
    enum class In : std::uint8_t { Header, Options, Level };
    In in = In::Header;
    ScriptLevel* current = nullptr;
    forEachRawLine(withoutByteOrderMark(sources_.script.bytes), [&](const RawLine& line) {
        if (const auto name = sectionName(line.meaningful)) {
            const bool isTitle = sameWord(*name, "Title");
            if (isTitle || sameWord(*name, "Level")) {
                in = In::Level;
                if (isTitle && title_) {
                    note(scriptName(), line.number, "a second [Title] section", "the project has one title");
                    current = nullptr;
                } else if (isTitle) {
                    title_ = ScriptLevel{line.number, {}, {}};
                    current = &*title_;
                } else {
                    levels_.push_back({line.number, {}, {}});
                    current = &levels_.back();
                }
                commentLost(scriptName(), line);
                return;
            }
            in = sameWord(*name, "Options") ? In::Options : In::Header;
            haveOptions_ = haveOptions_ || in == In::Options;
            header_.push_back(line.whole);
            return;
        }
        switch (in) {
        case In::Header: header_.push_back(line.whole); break;
        case In::Options: option(line); break;
        case In::Level:
            if (current != nullptr)
                addSectionLine(*current, {line, scriptName()});
            break;
        }
    });
}

/// A line of a section; an #INCLUDE line gives the lines of its file instead,
/// as the compiler reads them, since Orvanta writes the game as one Script.txt.
void SourceImport::addSectionLine(ScriptLevel& section, const SectionLine& line, int depth)
{
    constexpr int kMaxDepth = 8;  // as deep as the compiler reads them
    std::optional<SourceFile> included;
    if (isIncludeLine(line.meaningful) && depth < kMaxDepth && sources_.includes)
        included = sources_.includes(includedFile(line.meaningful));
    if (!included) {
        section.lines.push_back(line);
        if (const auto command = commandLine(line.meaningful);
            command && section.name.empty() && sameWord(command->key, "Name"))
            section.name = command->value;
        return;
    }
    note(line.file, line.number, "the line \"" + std::string(line.meaningful) + "\"",
         "the lines of " + included->name + " stand in its place: Orvanta writes one Script.txt");
    const std::string_view file = includedNames_.emplace_back(included->name);
    forEachRawLine(withoutByteOrderMark(included->bytes), [&](const RawLine& inner) {
        addSectionLine(section, {inner, file}, depth + 1);
    });
}

void SourceImport::commentLost(std::string_view file, const RawLine& line, std::string_view keptAfter)
{
    if (!keptAfter.empty() && line.whole.starts_with(keptAfter))
        return;  // the value keeps the comment
    const std::size_t semicolon = line.whole.find(';');
    if (semicolon != std::string_view::npos)
        note(file, line.number, "the comment \"" + std::string(line.whole.substr(semicolon)) + "\"",
             "Orvanta writes this line itself, without a comment");
}

void SourceImport::option(const RawLine& line)
{
    const auto command = commandLine(line.meaningful);
    if (command) {
        for (const SwitchKey& key : kSwitchKeys) {
            bool& set = switchSet_[static_cast<std::size_t>(key.number - 1)];
            const bool on = sameWord(command->value, "ENABLED");
            if (!set && sameWord(command->key, key.key) && (on || sameWord(command->value, "DISABLED"))) {
                project_.gameSwitch(key.number) = on ? "0" : "1";
                set = true;
                commentLost(scriptName(), line);
                return;
            }
        }
        if (!timeoutSet_ && sameWord(command->key, "InputTimeout")) {
            project_.inputTimeout = fieldValue(line, "InputTimeout=\t", command->value);
            timeoutSet_ = true;
            commentLost(scriptName(), line, "InputTimeout=\t");
            return;
        }
        if (!securitySet_ && sameWord(command->key, "Security")) {
            project_.security = fieldValue(line, "Security=\t", command->value);
            securitySet_ = true;
            commentLost(scriptName(), line, "Security=\t");
            return;
        }
    }
    header_.push_back(line.whole);  // an option Orvanta has no field for, a comment, a blank line
}

/// "DATA\NAME,TRACK" into the WAD name and the track.
bool takeLevelLine(const SectionLine& line, std::string_view value, LevelSlot& slot)
{
    if (const auto raw = afterPrefix(line, "Level=\t\tDATA\\"); raw && raw->find(',') != std::string_view::npos) {
        slot.wadName = raw->substr(0, raw->find(','));
        slot.audioTrack = raw->substr(raw->find(',') + 1);
        return true;
    }
    const std::size_t comma = value.find(',');
    const std::string_view path = trimmed(value.substr(0, comma));
    if (comma == std::string_view::npos || !path.starts_with("DATA\\"))
        return false;
    slot.wadName = path.substr(5);
    slot.audioTrack = trimmed(value.substr(comma + 1));
    return true;
}

void SourceImport::title(const ScriptLevel& section)
{
    LevelSlot& slot = project_.slot(1);
    const SectionLine* const camera = lastLoadCamera(section);
    bool level = false;
    for (const SectionLine& line : section.lines) {
        if (line.meaningful.empty()) {
            if (!line.whole.empty() && trimmed(line.whole).size() > 0)
                note(line.file, line.number, "the comment \"" + std::string(trimmed(line.whole)) + "\"",
                     "the title slot keeps only its camera, WAD and track");
            continue;
        }
        const auto command = commandLine(line.meaningful);
        if (command && &line == camera) {
            slot.cameraLabel = fieldValue(line, "LoadCamera=\t", command->value);
            slot.levelData = encodeLevelData(decodeLevelData(slot.levelData).options, slot.cameraLabel);
            commentLost(line, "LoadCamera=\t");
        } else if (command && !level && sameWord(command->key, "Level") && takeLevelLine(line, command->value, slot)) {
            level = true;
            commentLost(line);
        } else {
            note(line.file, line.number, "the title command \"" + std::string(line.meaningful) + "\"",
                 "the title slot keeps only its camera, WAD and track");
        }
    }
}

void SourceImport::placeLevels()
{
    std::vector<const ScriptLevel*> unplaced;
    for (const ScriptLevel& section : levels_) {
        bool placed = false;
        for (int n = 1; layout_ && !placed && n <= kLevelCount; ++n) {
            const ScriptLevel*& at = bySlotLevel_[static_cast<std::size_t>(n)];
            const std::string_view name = levelNameLine(*layout_, n);
            if (at == nullptr && trimmed(name.substr(0, name.find(';'))) == section.name) {
                at = &section;
                placed = true;
            }
        }
        if (!placed)
            unplaced.push_back(&section);
    }
    int n = 1;
    for (const ScriptLevel* section : unplaced) {
        while (n <= kLevelCount && bySlotLevel_[static_cast<std::size_t>(n)] != nullptr)
            ++n;
        if (n > kLevelCount) {
            note(scriptName(), section->line, "the level \"" + std::string(section->name) + "\"",
                 "the project holds eleven levels");
            continue;
        }
        bySlotLevel_[static_cast<std::size_t>(n)] = section;
    }
    // A slot no level takes is left out of the script.
    for (int level = 1; level <= kLevelCount; ++level) {
        LevelSlot& slot = project_.level(level);
        DecodedLevelData data = decodeLevelData(slot.levelData);
        data.options.set(LevelOption::IncludeInScript, false);
        slot.levelData = encodeLevelData(data.options, data.camera);
    }
}

void SourceImport::takeEnglish()
{
    if (!layout_)
        return;
    project_.secondLegend = layout_->secondLegend;
    project_.firstLegend = layout_->firstLegend;
    project_.slot(1).levelName = layout_->names[0];
    for (int n = 1; n <= kLevelCount; ++n)
        project_.level(n).levelName = levelNameLine(*layout_, n);
    if (layout_->inventoryItems)
        project_.inventoryItems = *layout_->inventoryItems;
}

void SourceImport::takeLegends()
{
    for (int n = 1; n <= kLevelCount; ++n) {
        const ScriptLevel* section = bySlotLevel_[static_cast<std::size_t>(n)];
        for (const SectionLine& line : section ? section->lines : std::vector<SectionLine>{}) {
            const auto command = commandLine(line.meaningful);
            if (!command || !sameWord(command->key, "Legend"))
                continue;
            bool& set = n == kAngkorLevel ? secondLegendSet_ : firstLegendSet_;
            std::string& legend = n == kAngkorLevel ? project_.secondLegend : project_.firstLegend;
            if (!set && !layout_)
                legend = command->value;
            set = true;
            break;
        }
    }
}

void SourceImport::level(int n, const ScriptLevel& section)
{
    LevelSlot& slot = project_.level(n);
    LevelOptions options;
    options.set(LevelOption::IncludeInScript);
    std::string camera = decodeLevelData(slot.levelData).camera;
    const SectionLine* const lastCamera = lastLoadCamera(section);
    bool name = false, level = false, loadCamera = lastCamera != nullptr;
    // Legend= and LensFlare= options are written before the pack: only the
    // first of its kind keeps its place among the others as an option.
    bool legendSeen = false, lensFlareSeen = false;
    std::string letters;
    std::vector<std::string_view> pack;
    for (const SectionLine& line : section.lines) {
        const auto command = commandLine(line.meaningful);
        bool taken = false;
        if (command) {
            const std::string_view key = command->key;
            const std::string_view value = command->value;
            if (!name && sameWord(key, "Name")) {
                // A foreign game's name as the game reads it, without the blanks that line it up.
                slot.levelName = layout_ ? fieldValue(line, "Name=\t\t", value) : std::string(value);
                taken = name = true;
                commentLost(line, layout_ ? "Name=\t\t" : "");
                continue;
            } else if (!level && sameWord(key, "Level")) {
                if (!takeLevelLine(line, value, slot))
                    note(line.file, line.number, "the line \"" + std::string(line.meaningful) + "\"",
                         "Orvanta writes Level= as DATA\\NAME,TRACK");
                taken = level = true;
            } else if (&line == lastCamera) {
                slot.cameraLabel = fieldValue(line, "LoadCamera=\t", value);
                camera = slot.cameraLabel;
                commentLost(line, "LoadCamera=\t");
                continue;
            } else if (sameWord(key, "LensFlare") && !std::exchange(lensFlareSeen, true)) {
                std::string values;
                for (const std::string_view part : splitValues(value))
                    values += std::string(part) + ",";
                if (values == std::string(kLensFlareValue) + ",") {
                    taken = true;
                    options.set(LevelOption::Lensflare);
                    letters += 'f';
                }
            } else if (sameWord(key, "Legend") && !std::exchange(legendSeen, true)) {
                if (value == (n == kAngkorLevel ? project_.secondLegend : project_.firstLegend)) {
                    taken = true;
                    options.set(LevelOption::Legend);
                    letters += 'x';
                }
            } else {
                for (const LevelSwitch& option : kLevelSwitches) {
                    if (sameWord(key, option.key) && sameWord(value, "ENABLED") && !options.has(option.option)) {
                        options.set(option.option);
                        letters += option.letter;
                        taken = true;
                    }
                }
            }
        }
        if (taken)
            commentLost(line);
        else
            pack.push_back(line.whole);
    }
    for (const auto& [has, key] : {std::pair{name, "Name="}, {level, "Level="}, {loadCamera, "LoadCamera="}}) {
        if (!has)
            note(scriptName(), section.line, std::string("the section as it stands, with no ") + key + " line",
                 std::string("Orvanta writes ") + key + " for every level, from the slot's own value");
    }
    // The writer ends the section with an empty line: the source's own is that one.
    if (!pack.empty() && pack.back().empty())
        pack.pop_back();
    slot.scriptPack = joinLines(pack);
    // The letters in the order of their lines, as the writer writes them back.
    slot.levelData = "*i" + letters + "," + camera;
}

/// The value after the first `index` commas, trimmed, or nothing when there are fewer commas.
std::optional<std::string_view> valueAt(std::string_view values, std::size_t index)
{
    for (; index > 0; --index) {
        const std::size_t comma = values.find(',');
        if (comma == std::string_view::npos)
            return std::nullopt;
        values.remove_prefix(comma + 1);
    }
    return trimmed(values.substr(0, values.find(',')));
}

/// The text that a line of a pack refers to by its string, or nothing.
std::optional<std::string_view> referredString(std::string_view line)
{
    const auto command = commandLine(trimmed(line.substr(0, line.find(';'))));
    if (!command)
        return std::nullopt;
    const CommandSpec* entry = findCommand(command->key);
    if (entry == nullptr)
        return std::nullopt;
    if (entry->form == Form::Legend)
        return command->value;
    if (entry->form != Form::Item)
        return std::nullopt;
    return valueAt(command->value, entry->combo ? 2 : 1);
}

/// Strings, looked up by a view of a text without copying it.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
using TextSet = std::unordered_set<std::string, TextHash, std::equal_to<>>;

/// The strings of English.txt as the game holds them.
TextSet gameStrings(const LanguageSource& language)
{
    TextSet strings;
    for (const auto& group : language.groups) {
        for (const SourceLine& line : group)
            strings.insert(gameText(line.text));
    }
    return strings;
}

void SourceImport::keepReferredStrings()
{
    TextSet written = gameStrings(readLanguage(englishText(project_)));
    for (int n = 1; n <= kLevelCount; ++n) {
        const std::string& pack = project_.level(n).scriptPack;
        const std::string copy = pack;  // the inventory items may grow while the pack is read
        forEachRawLine(copy, [&](const RawLine& line) {
            const auto text = referredString(line.whole);
            if (!text || text->empty() || written.contains(*text))
                return;
            std::string& items = project_.inventoryItems;
            if (!items.empty() && !items.ends_with("\r\n"))
                items += "\r\n";
            items += std::string(*text) + "\r\n";
            written.insert(std::string(*text));
        });
    }
}

void SourceImport::reportLostStrings()
{
    if (!sources_.language)
        return;
    for (std::size_t i = 0; i < language_.otherSections.size(); ++i)
        note(sources_.language->name, language_.otherSections[i].number,
             "the section " + std::string(language_.otherSections[i].text) + " and its " +
                 std::to_string(language_.otherLines[i]) + " lines",
             "Orvanta writes [Strings], [PSXStrings] and [PCStrings] only");
    const TextSet written = gameStrings(readLanguage(englishText(project_)));
    for (const auto& group : language_.groups) {
        for (const SourceLine& line : group) {
            if (!written.contains(gameText(line.text)))
                note(sources_.language->name, line.number, "the string \"" + std::string(line.text) + "\"",
                     "Orvanta writes English.txt in its fixed layout, which has no place for it");
        }
    }
}

}  // namespace

std::vector<ListedLanguage> listedLanguages(std::string_view scriptBytes)
{
    std::map<std::int64_t, ListedLanguage> byPriority;
    bool inLanguage = false;
    forEachSourceLine(withoutByteOrderMark(scriptBytes), [&](const SourceLine& line) {
        if (const auto name = sectionName(line.text)) {
            inLanguage = sameWord(*name, "Language");
            return;
        }
        const auto command = commandLine(line.text);
        if (!inLanguage || !command || !sameWord(command->key, "File"))
            return;
        const std::vector<std::string_view> values = splitValues(command->value);
        const auto priority = values.size() == 2 ? parseNumber(values[0], 0, 255) : std::nullopt;
        if (priority && !values[1].empty())
            byPriority.try_emplace(*priority, ListedLanguage{std::string(values[1]), line.number});
    });
    std::vector<ListedLanguage> listed;
    for (auto& [priority, language] : byPriority)
        listed.push_back(std::move(language));
    return listed;
}

std::optional<ImportedGame> importSources(const GameSources& sources) { return SourceImport(sources).run(); }

}  // namespace orvanta
