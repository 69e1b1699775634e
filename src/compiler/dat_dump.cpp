#include "compiler/dat_dump.h"

#include "compiler/language_dat.h"
#include "compiler/script_dat.h"
#include "compiler/source_lines.h"

#include <ostream>
#include <sstream>
#include <vector>

namespace orvanta {
namespace {

std::string hex(std::uint32_t value, int digits)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4U)
        text[static_cast<std::size_t>(i)] = kDigits[value & 15U];
    return "$" + text;
}

/// A string in quotes, with its control bytes as escapes and its quotes
/// escaped; a backslash stays as it is.
std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : visible(text)) {
        if (c == '"')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

void dumpLanguage(std::ostream& out, std::string_view bytes, const LanguageDat& dat)
{
    out << "Language file, " << bytes.size() << " bytes, " << dat.stringCount() << " strings\n";
    for (std::size_t g = 0; g < dat.groups.size(); ++g)
        out << LanguageDat::kGroupNames[g] << " strings: " << dat.groups[g].size() << ", " << dat.sizes[g]
            << " bytes\n";
    std::size_t index = 0;
    for (std::size_t g = 0; g < dat.groups.size(); ++g) {
        for (std::size_t i = 0; i < dat.groups[g].size(); ++i, ++index) {
            const std::uint32_t text = dat.groups[g][i];
            out << LanguageDat::kGroupNames[g] << " " << i << " (string " << index << "): ";
            if (dat.firstEntry[text] == index)
                out << quoted(dat.texts[text]) << "\n";
            else
                out << "the same as string " << dat.firstEntry[text] << "\n";
        }
    }
    if (!dat.extraData.empty())
        out << "TRNG data: " << dat.extraData.size() << " bytes after the strings, which TRNG's engine reads (not "
            << "listed here)\n";
}

/// Lists a SCRIPT.DAT, naming strings from a language .DAT when one is given.
class ScriptListing {
public:
    ScriptListing(std::ostream& out, std::string_view bytes, std::optional<LanguageDat> strings)
        : out_(out), bytes_(bytes), dat_(readScriptDat(bytes)), strings_(std::move(strings))
    {
    }
    void run();

private:
    std::string string(std::int64_t index) const
    {
        const std::string* text = strings_ ? strings_->string(static_cast<std::size_t>(index)) : nullptr;
        return std::to_string(index) + (text != nullptr ? " " + quoted(*text) : "");
    }
    std::string levelFile(std::uint32_t index) const
    {
        return std::to_string(index) + (index < dat_.levelFiles.size() ? " " + quoted(dat_.levelFiles[index]) : "");
    }
    void header();
    void block(std::size_t level);
    void start(const DatLevelStart& start);
    void command(const DatCommand& command, const char* indent);
    void languageFiles();

    std::ostream& out_;
    std::string_view bytes_;
    ScriptDat dat_;
    std::optional<LanguageDat> strings_;
};

std::string optionNames(std::uint32_t bits)
{
    std::string text = hex(bits, 4);
    for (const CommandSpec& command : levelCommands()) {
        if ((command.flag & bits) != 0)
            text += " " + std::string(command.name);
    }
    return text;
}

void ScriptListing::run()
{
    out_ << "SCRIPT.DAT, " << bytes_.size() << " bytes\n";
    if (bytes_.size() < 56) {
        out_ << "! " << dat_.fault << "\n";
        return;
    }
    header();
    if (!dat_.fault.empty()) {
        out_ << "! " << dat_.fault << "\n";
        return;
    }
    for (std::size_t i = 0; i < dat_.levels.size(); ++i)
        block(i);
    languageFiles();
}

void ScriptListing::header()
{
    std::string game = hex(dat_.options, 2);
    for (const auto& [bit, name] : std::array<std::pair<std::uint32_t, const char*>, 5>{
             {{0x01, "FlyCheat"}, {0x02, "LoadSave"}, {0x04, "Title"}, {0x08, "PlayAnyLevel"}, {0x80, "DemoDisc"}}})
        game += (dat_.options & bit) != 0 ? std::string(" ") + name : "";
    out_ << "Options: " << game << "\n";
    out_ << "InputTimeout: " << dat_.inputTimeout << "\n";
    out_ << "Security: " << hex(dat_.security, 2) << "\n";
    out_ << "Levels: " << dat_.levelCount << ", level file names: " << dat_.fileNameCount << "\n";
    out_ << "Level file name bytes: " << dat_.fileNameBytes << ", level data bytes: " << dat_.levelDataBytes << "\n";
    for (std::size_t p = 0; p < dat_.extensions.size(); ++p) {
        out_ << (p == 0 ? "PSX" : "PC") << " extensions:";
        const std::array<const char*, 3> kinds{"Level", "FMV", "Cut"};
        for (std::size_t k = 0; k < kinds.size(); ++k)
            out_ << " " << kinds[k] << " " << quoted(dat_.extensions[p][k]);
        out_ << "\n";
    }
    for (std::size_t i = 0; i < dat_.levelFiles.size(); ++i)
        out_ << "Level file " << i << ": " << quoted(dat_.levelFiles[i]) << "\n";
}

void ScriptListing::block(std::size_t level)
{
    const DatLevelBlock& block = dat_.levels[level];
    out_ << (level == 0 ? std::string("Title") : "Level " + std::to_string(level)) << ", at byte " << block.at;
    if (block.sameAs) {
        out_ << ": the same block as " << (*block.sameAs == 0 ? "the title" : "level " + std::to_string(*block.sameAs))
             << "\n";
        return;
    }
    out_ << ":\n";
    for (const DatCommand& command : block.applied)
        this->command(command, "  ");
    if (block.start)
        start(*block.start);
    if (!block.unread.empty()) {
        out_ << "  Never read by the game, which starts the level at its " << (block.start->title ? "Title" : "Level")
             << " opcode:\n";
        for (const DatCommand& command : block.unread)
            this->command(command, "    ");
    }
    if (!block.fault.empty())
        out_ << "  ! " << block.fault << "; the rest of this block is not read\n";
    else if (!block.start)
        out_ << "  ! no Level or Title opcode before End: the game does not start this level here\n";
    if (block.ended)
        out_ << "  End\n";
}

void ScriptListing::start(const DatLevelStart& start)
{
    out_ << "  " << (start.title ? "Title:" : "Level: name " + string(start.nameString) + ",") << " file "
         << levelFile(start.fileIndex) << ", audio " << start.audio << ", options " << optionNames(start.options)
         << "\n";
}

void ScriptListing::command(const DatCommand& command, const char* indent)
{
    const CommandSpec& entry = *command.meaning.command;
    out_ << indent << entry.name;
    if (command.meaning.number > 0)
        out_ << " " << command.meaning.number;
    if (command.meaning.piece > 0)
        out_ << " piece " << command.meaning.piece;
    out_ << ":";
    std::size_t first = 0;
    if (entry.form == Form::Legend || entry.form == Form::Item) {
        out_ << (entry.form == Form::Item ? " name " : " ") << string(command.values.front());
        first = 1;
        if (entry.form == Form::Item)
            out_ << ",";
    }
    for (std::size_t i = first; i < command.values.size(); ++i) {
        const std::int64_t value = command.values[i];
        out_ << (i == first ? " " : ", ")
             << (entry.form == Form::Item ? hex(static_cast<std::uint32_t>(value) & 0xFFFFU, 4) : std::to_string(value));
    }
    out_ << "\n";
}

void ScriptListing::languageFiles()
{
    out_ << "Language files:";
    for (const std::string& name : dat_.languageFiles)
        out_ << " " << quoted(name);
    out_ << "\n";
    if (dat_.extraData.empty())
        return;
    if (isTrngData(dat_.extraData))
        out_ << "TRNG data: " << dat_.extraData.size()
             << " bytes after the language file names, which TRNG's engine reads (not listed here)\n";
    else
        out_ << "Other data: " << dat_.extraData.size()
             << " bytes after the language file names, not part of the game's script\n";
}

}  // namespace

void dumpDat(std::ostream& out, std::string_view bytes, std::optional<std::string_view> languageDat)
{
    if (const auto language = readLanguageDat(bytes)) {
        dumpLanguage(out, bytes, *language);
        return;
    }
    ScriptListing(out, bytes, languageDat ? readLanguageDat(*languageDat) : std::nullopt).run();
}

std::string dumpDat(std::string_view bytes, std::optional<std::string_view> languageDat)
{
    std::ostringstream out;
    dumpDat(out, bytes, languageDat);
    return std::move(out).str();
}

}  // namespace orvanta
