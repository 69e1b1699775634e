#include "importer/dat_decode.h"

#include "compiler/command_table.h"
#include "compiler/language_dat.h"
#include "compiler/script_dat.h"
#include "compiler/source_lines.h"

#include <array>
#include <cstdio>
#include <optional>

namespace orvanta {
namespace {

constexpr const char* kScriptDat = "SCRIPT.DAT";

std::string hexByte(unsigned value)
{
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "%02X", value & 0xFFU);
    return text.data();
}

/// A game string as a language file line that reads back as it: the bytes the
/// reader would take otherwise (line ends, comments, blanks at the ends, a
/// "NAME:" label, a section heading, a backslash escape) written as \x escapes.
std::string sourceText(std::string_view text)
{
    std::string out;
    const std::size_t colon = text.find(':');
    const bool looksLabelled =
        colon != std::string_view::npos && colon > 0 &&
        text.substr(0, colon).find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_") ==
            std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool atEnd = i == 0 || i + 1 == text.size();
        if (c < 0x20 || c == ';' || c == '\\' || (atEnd && c == ' ') || (i == 0 && c == '[') ||
            (looksLabelled && i == colon))
            out += "\\x" + hexByte(c);
        else
            out += static_cast<char>(c);
    }
    return out;
}

class DatDecoder {
public:
    DatDecoder(const ScriptDat& dat, std::vector<std::string> strings, DecodedGame& game)
        : dat_(dat), strings_(std::move(strings)), game_(game)
    {
    }
    void run();

private:
    void line(const std::string& text) { game_.script += text + "\r\n"; }
    void block(std::size_t index);
    std::string command(const DatCommand& command);
    std::string string(std::int64_t index)
    {
        const auto at = static_cast<std::size_t>(index);
        return at < strings_.size() ? strings_[at] : std::string();
    }
    void note(std::string what, std::string why)
    {
        game_.leftOut.push_back({kScriptDat, 0, std::move(what), std::move(why)});
    }

    const ScriptDat& dat_;
    std::vector<std::string> strings_;
    DecodedGame& game_;
};

void DatDecoder::run()
{
    for (std::size_t p = 0; p < 2; ++p) {
        line(p == 0 ? "[PSXExtensions]" : "[PCExtensions]");
        const std::array<const char*, 3> kinds{"Level", "FMV", "Cut"};
        for (std::size_t k = 0; k < kinds.size(); ++k) {
            if (!dat_.extensions[p][k].empty())
                line(std::string(kinds[k]) + "=\t" + dat_.extensions[p][k]);
        }
        line("");
    }
    line("[Language]");
    for (std::size_t i = 0; i < dat_.languageFiles.size(); ++i) {
        const std::string& name = dat_.languageFiles[i];
        line("File=\t" + std::to_string(i) + "," + name.substr(0, name.rfind('.')) + ".TXT");
    }
    line("");
    line("[Options]");
    for (const auto& [bit, name] : std::array<std::pair<unsigned, const char*>, 5>{
             {{0x02, "LoadSave"}, {0x04, "Title"}, {0x08, "PlayAnyLevel"}, {0x01, "FlyCheat"}, {0x80, "DemoDisc"}}})
        line(std::string(name) + "=\t" + ((dat_.options & bit) != 0 ? "ENABLED" : "DISABLED"));
    line("InputTimeout=\t" + std::to_string(dat_.inputTimeout));
    line("Security=\t$" + hexByte(dat_.security));
    for (std::size_t i = 0; i < dat_.levels.size(); ++i)
        block(i);
    if (!dat_.extraData.empty())
        note(std::to_string(dat_.extraData.size()) + " bytes after the language file names",
             isTrngData(dat_.extraData) ? "they are TRNG's own data, which cannot be decoded"
                                        : "the game never reads them");
}

void DatDecoder::block(std::size_t index)
{
    const DatLevelBlock& block = dat_.levels[index];
    const std::string which = index == 0 ? std::string("the title") : "level " + std::to_string(index);
    const DatLevelBlock& read = block.sameAs ? dat_.levels[*block.sameAs] : block;
    line("");
    line(index == 0 ? "[Title]" : "[Level]");
    if (!read.start) {
        note(which + "'s block", "it has no Level or Title opcode: the game does not start it there");
        return;
    }
    const DatLevelStart& start = *read.start;
    if (!start.title)
        line("Name=\t\t" + string(start.nameString));
    for (const CommandSpec& entry : levelCommands()) {
        if (entry.form == Form::Switch && (start.options & entry.flag) != 0)
            line(std::string(entry.name) + "=\tENABLED");
    }
    for (const DatCommand& applied : read.applied)
        line(command(applied));
    for (const DatCommand& unread : read.unread)
        note(which + "'s " + std::string(unread.meaning.command->name) + " opcode",
             "it stands after the Level opcode, where the game never reads it");
    if (!read.fault.empty())
        note("the rest of " + which + "'s block", read.fault);
    const std::string file = start.fileIndex < dat_.levelFiles.size() ? dat_.levelFiles[start.fileIndex] : "";
    line("Level=\t\t" + file + "," + std::to_string(start.audio));
}

std::string DatDecoder::command(const DatCommand& command)
{
    const CommandSpec& entry = *command.meaning.command;
    std::string text = std::string(entry.name) + "=\t";
    std::vector<std::string> values;
    if (command.meaning.number > 0)
        values.push_back(std::to_string(command.meaning.number));
    if (command.meaning.piece > 0)
        values.push_back(std::to_string(command.meaning.piece));
    std::size_t first = 0;
    if (entry.form == Form::Legend || entry.form == Form::Item) {
        values.push_back(string(command.values.front()));
        first = 1;
    }
    for (std::size_t i = first; i < command.values.size(); ++i) {
        const std::int64_t value = command.values[i];
        if (entry.form == Form::Item) {
            const auto bits = static_cast<unsigned>(value) & 0xFFFFU;
            values.push_back("$" + hexByte(bits >> 8U) + hexByte(bits));
        } else {
            values.push_back(std::to_string(value));
        }
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i > 0 ? "," : "") + values[i];
    return text;
}

}  // namespace

std::optional<DecodedGame> decodeDats(std::string_view scriptDat, std::string_view languageDat, std::string& fault)
{
    const ScriptDat dat = readScriptDat(scriptDat);
    if (!dat.fault.empty() || dat.levels.empty()) {
        fault = dat.fault.empty() ? "it holds no levels" : dat.fault;
        return std::nullopt;
    }
    const std::optional<LanguageDat> language = readLanguageDat(languageDat);
    DecodedGame game;
    game.languageName = dat.languageFiles.empty()
                            ? "ENGLISH.TXT"
                            : dat.languageFiles.front().substr(0, dat.languageFiles.front().rfind('.')) + ".TXT";
    if (language) {
        const std::array<const char*, 3> headings{"[Strings]", "[PSXStrings]", "[PCStrings]"};
        for (std::size_t g = 0; g < headings.size(); ++g) {
            game.language += std::string(headings[g]) + "\r\n";
            for (const std::uint32_t text : language->groups[g])
                game.language += sourceText(language->texts[text]) + "\r\n";
        }
        if (!language->extraData.empty())
            game.leftOut.push_back({game.languageName, 0,
                                    std::to_string(language->extraData.size()) + " bytes after the strings",
                                    "they are TRNG's own strings, which cannot be decoded"});
    }
    DatDecoder(dat, language ? language->strings() : std::vector<std::string>{}, game).run();
    return game;
}

}  // namespace orvanta
