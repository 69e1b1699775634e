#include "compiler/dat_build.h"

#include "compiler/byte_writer.h"
#include "compiler/command_table.h"
#include "compiler/source_lines.h"
#include "compiler/threaded_encoding.h"
#include "compiler/trng_commands.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

namespace orvanta {
namespace {

constexpr std::size_t kMaxU16 = 0xFFFF;
constexpr std::size_t kExtensionBytes = 5;  // four characters and a 0

enum class Section : std::uint8_t { None, Unknown, Trng, PsxExtensions, PcExtensions, Language, Options, Level };

/// The file extensions of one platform, in the order SCRIPT.DAT stores them.
struct Extensions {
    std::string level, fmv, cut;
};

struct LanguageEntry {
    std::string name;
    int line;
};

/// Everything outside the [Title] and [Level] sections.
struct ScriptHeader {
    std::uint8_t options = 0;
    std::uint32_t inputTimeout = 0;
    std::uint8_t security = 0;
    std::array<Extensions, 2> extensions;             // PSX, PC
    std::map<std::int64_t, LanguageEntry> languages;  // by priority
};

struct CompiledLanguage {
    SourceFile source;
    std::string datName;
    LanguageStrings strings;
};

struct OptionFlag {
    const char* name;
    std::uint8_t bit;
};

constexpr std::uint8_t kDemoDiscBit = 0x80;
constexpr std::array<OptionFlag, 5> kOptionFlags{
    {{"FlyCheat", 0x01}, {"LoadSave", 0x02}, {"Title", 0x04}, {"PlayAnyLevel", 0x08}, {"DemoDisc", kDemoDiscBit}}};

class ScriptReader {
public:
    explicit ScriptReader(const ProblemReporter& report) : report_(report) {}

    void read(std::string_view bytes);
    ScriptHeader header;
    std::vector<LevelSection> levels;  // in source order
    int trngLine = 0;                  // the first line outside the levels that only TRNG reads

private:
    void section(std::string_view name, int line);
    void command(int line, std::string_view key, std::string_view value);
    void extension(int line, std::string_view key, std::string_view value, Extensions& extensions);
    void language(int line, std::string_view key, std::string_view value);
    void option(int line, std::string_view key, std::string_view value);
    void error(int line, std::string message, int value = -1) { report_.error(line, std::move(message), value); }

    const ProblemReporter& report_;
    Section section_ = Section::None;
};

void ScriptReader::read(std::string_view bytes)
{
    // A level section's body runs from the end of its header to the start
    // of the next header, or to the end of the file.
    const auto endBody = [this](const char* end) {
        if (section_ == Section::Level)
            levels.back().body = std::string_view(levels.back().body.data(), end);
    };
    bool goingOn = false;  // the line before ends with TRNG's ">"
    forEachSourceLine(bytes, [&](const SourceLine& line) {
        const bool continuation = std::exchange(goingOn, goesOn(line.text));
        if (const auto name = sectionName(line.text)) {
            endBody(line.text.data());
            section(*name, line.number);
            if (section_ == Section::Level)
                levels.back().body = line.text.substr(line.text.size());
        } else if (section_ == Section::Level) {
            return;  // the level encoder reads these lines
        } else if (section_ == Section::Trng || continuation || goingOn || isIncludeLine(line.text) ||
                   isTrngDirective(line.text)) {
            trngLine = trngLine > 0 ? trngLine : line.number;
        } else if (const auto found = commandLine(line.text)) {
            if (section_ != Section::Language && isTrngCommand(found->key))
                trngLine = trngLine > 0 ? trngLine : line.number;
            else
                command(line.number, found->key, found->value);
        } else {
            error(line.number, notACommand(line.text));
        }
    });
    endBody(bytes.data() + bytes.size());
}

void ScriptReader::section(std::string_view name, int line)
{
    const std::array<std::pair<const char*, Section>, 6> known{{{"PSXExtensions", Section::PsxExtensions},
                                                                {"PCExtensions", Section::PcExtensions},
                                                                {"Language", Section::Language},
                                                                {"Options", Section::Options},
                                                                {"Title", Section::Level},
                                                                {"Level", Section::Level}}};
    section_ = Section::Unknown;
    for (const auto& [word, kind] : known) {
        if (sameWord(name, word))
            section_ = kind;
    }
    if (section_ == Section::Unknown && isTrngSection(name)) {
        section_ = Section::Trng;
        trngLine = trngLine > 0 ? trngLine : line;
    }
    if (section_ == Section::Unknown)
        error(line, "unknown section [" + std::string(name) + "]");
    if (section_ == Section::Level)
        levels.push_back({line, sameWord(name, "Title"), {}});
}

void ScriptReader::command(int line, std::string_view key, std::string_view value)
{
    switch (section_) {
    case Section::None: error(line, "a command before the first section"); break;
    case Section::Unknown: break;  // reported once, at the section
    case Section::Trng: break;
    case Section::PsxExtensions: extension(line, key, value, header.extensions[0]); break;
    case Section::PcExtensions: extension(line, key, value, header.extensions[1]); break;
    case Section::Language: language(line, key, value); break;
    case Section::Options: option(line, key, value); break;
    case Section::Level: break;  // read by the level encoder
    }
}

void ScriptReader::extension(int line, std::string_view key, std::string_view value, Extensions& extensions)
{
    std::string* target = sameWord(key, "Level") ? &extensions.level
                          : sameWord(key, "FMV") ? &extensions.fmv
                          : sameWord(key, "Cut") ? &extensions.cut
                                                 : nullptr;
    if (target == nullptr) {
        error(line, "unknown command " + std::string(key) +
                        "= in an extensions section: it takes Level=, Cut= "
                        "and FMV=");
    } else if (value.size() >= kExtensionBytes) {
        error(line, "the extension " + quotedValue(value) + " is longer than the 4 characters the game holds", 0);
    } else {
        *target = value;
    }
}

void ScriptReader::language(int line, std::string_view key, std::string_view value)
{
    if (!sameWord(key, "File")) {
        error(line, "unknown command " + std::string(key) + "= in [Language]: it takes File=");
        return;
    }
    const std::vector<std::string_view> values = splitValues(value);
    const auto priority = values.size() == 2 ? parseNumber(values[0], 0, 255) : std::nullopt;
    if (!priority || values[1].empty()) {
        error(line, "File= takes a priority (0-255) and a file name, as in \"0,ENGLISH.TXT\"");
        return;
    }
    if (!header.languages.try_emplace(*priority, LanguageEntry{std::string(values[1]), line}).second)
        error(line, "a second language file with priority " + std::to_string(*priority), 0);
}

void ScriptReader::option(int line, std::string_view key, std::string_view value)
{
    for (const OptionFlag& flag : kOptionFlags) {
        if (!sameWord(key, flag.name))
            continue;
        if (sameWord(value, "ENABLED")) {
            header.options = static_cast<std::uint8_t>(header.options | flag.bit);
            if (flag.bit == kDemoDiscBit)
                report_.warning(line,
                                "DemoDisc= is ENABLED: the game goes back to the title after every level instead of "
                                "going on to the next",
                                0);
        } else if (!sameWord(value, "DISABLED"))
            error(line, std::string(flag.name) + "= takes ENABLED or DISABLED, not " + quotedValue(value), 0);
        return;
    }
    if (sameWord(key, "InputTimeout")) {
        if (const auto timeout = parseNumber(value, 0, 0xFFFFFFFFLL))
            header.inputTimeout = static_cast<std::uint32_t>(*timeout);
        else
            error(line, "the input time-out " + quotedValue(value) + " is not a whole number from 0 to 4294967295", 0);
    } else if (sameWord(key, "Security")) {
        if (const auto security = parseNumber(value, 0, 255))
            header.security = static_cast<std::uint8_t>(*security);
        else
            error(line, "the security value " + quotedValue(value) + " is not a number from 0 to 255 ($00-$FF)", 0);
    } else {
        error(line, "unknown command " + std::string(key) + "= in [Options]");
    }
}

/// "ENGLISH.TXT" becomes "ENGLISH.DAT".
std::string datName(const std::string& listedName) { return listedName.substr(0, listedName.rfind('.')) + ".DAT"; }

void putExtensions(std::string& out, const Extensions& extensions)
{
    for (const std::string* text : {&extensions.level, &extensions.fmv, &extensions.cut}) {
        out += *text;
        out.append(kExtensionBytes - text->size(), '\0');
    }
    out.append(kExtensionBytes, '\0');  // the unused fourth extension
}

/// The level file names, each once, in the order the levels first name
/// them; each level's data is given the index of its own.
std::string levelFileNames(std::vector<EncodedLevel>& levels, std::string& offsets, std::size_t& count)
{
    std::string names;
    std::map<std::string_view, std::size_t> indexOf;
    for (EncodedLevel& level : levels) {
        const auto [found, added] = indexOf.try_emplace(level.path, indexOf.size());
        if (added) {
            putU16(offsets, static_cast<std::uint32_t>(names.size()));
            names += level.path;
            names += '\0';
        }
        level.data[level.pathIndexAt] = static_cast<char>(found->second & 0xFFU);
    }
    count = indexOf.size();
    return names;
}

/// SCRIPT.DAT from its parts; empty when a count or size does not fit.
std::string scriptDat(const ScriptHeader& header, std::vector<EncodedLevel>& levels, const ProblemReporter& report)
{
    std::string pathOffsets, data, dataOffsets;
    std::size_t pathCount = 0;
    const std::string paths = levelFileNames(levels, pathOffsets, pathCount);
    for (const EncodedLevel& level : levels) {
        putU16(dataOffsets, static_cast<std::uint32_t>(data.size()));
        data += level.data;
    }
    const auto limit = [&](bool fits, std::string message) {
        if (!fits)
            report.error(0, std::move(message));
        return fits;
    };
    if (!limit(levels.size() <= 255, "the script has " + std::to_string(levels.size()) +
                                         " levels with the title; the game holds at most 255") ||
        !limit(paths.size() <= kMaxU16, "the level file names take more than 65535 bytes") ||
        !limit(data.size() <= kMaxU16, "the levels' data take " + std::to_string(data.size()) +
                                           " bytes; SCRIPT.DAT holds at most 65535 (fewer or shorter item lines)"))
        return {};
    std::string dat;
    putU8(dat, header.options);
    dat.append(3, '\0');
    putU32(dat, header.inputTimeout);
    putU8(dat, header.security);
    putU8(dat, static_cast<std::uint32_t>(levels.size()));
    putU8(dat, static_cast<std::uint32_t>(pathCount));
    putU8(dat, 0);
    putU16(dat, static_cast<std::uint32_t>(paths.size()));
    putU16(dat, static_cast<std::uint32_t>(data.size()));
    putExtensions(dat, header.extensions[0]);
    putExtensions(dat, header.extensions[1]);
    dat += pathOffsets + paths + dataOffsets + data;
    for (const auto& [priority, entry] : header.languages) {
        dat += datName(entry.name);
        dat += '\0';
    }
    return dat;
}

/// The title first, then the levels in source order; a second title is an error.
std::vector<const LevelSection*> levelOrder(const std::vector<LevelSection>& sections, const ProblemReporter& report)
{
    std::vector<const LevelSection*> order;
    for (const LevelSection& section : sections) {
        if (!section.title)
            order.push_back(&section);
        else if (!order.empty() && order.front()->title)
            report.error(section.line, "a second [Title] section");
        else
            order.insert(order.begin(), &section);
    }
    if (order.empty() || !order.front()->title)
        report.error(0, "the script has no [Title] section");
    return order;
}

}  // namespace

DatBuild buildDats(const SourceFile& script, const LanguageSource& languages, const IncludeSource& includes)
{
    DatBuild result;
    ProblemSink problems;
    const ProblemReporter report(problems, script);
    ScriptReader reader(report);
    reader.read(withoutByteOrderMark(script.bytes));
    for (LevelSection& section : reader.levels)
        section.includes = &includes;
    const ScriptHeader& header = reader.header;
    result.pcLevelExtension = header.extensions[1].level;
    if (header.extensions[1].level.empty())
        report.error(0, "no level file extension for the PC: [PCExtensions] needs Level=");

    // The strings come from the first language file listed; the others, when
    // given, are compiled beside it.
    std::vector<CompiledLanguage> compiled;
    for (const auto& [priority, entry] : header.languages) {
        std::optional<SourceFile> source = languages(entry.name);
        if (source)
            compiled.push_back({*source, datName(entry.name), readLanguageFile(*source, problems)});
        else if (compiled.empty())
            report.error(entry.line, "the language file " + entry.name + " is missing", 1);
    }
    if (header.languages.empty())
        report.error(0, "no language file: [Language] needs File=");
    const LanguageStrings noStrings;
    const LanguageStrings& primary = compiled.empty() ? noStrings : compiled.front().strings;
    const std::string primaryName = compiled.empty() ? std::string() : compiled.front().source.name;

    std::vector<EncodedLevel> encoded = encodeLevels(levelOrder(reader.levels, report), primary, primaryName, report);
    for (const EncodedLevel& level : encoded)
        result.levelFiles.push_back({level.path, level.pathLine});
    std::vector<DatFile> dats{{"SCRIPT.DAT", scriptDat(header, encoded, report)}};
    for (const CompiledLanguage& language : compiled)
        dats.push_back({language.datName, languageDat(language.strings, ProblemReporter(problems, language.source))});
    result.trngLine = reader.trngLine;
    for (const EncodedLevel& level : encoded) {
        if (level.trngLine > 0 && (result.trngLine == 0 || level.trngLine < result.trngLine))
            result.trngLine = level.trngLine;
    }
    if (result.trngLine > 0)
        report.warning(result.trngLine, kTrngReason);
    result.problems = problems.take();
    if (!hasErrors(result.problems))
        (result.trngLine == 0 ? result.dats : result.withoutTrngData) = std::move(dats);
    return result;
}

}  // namespace orvanta
