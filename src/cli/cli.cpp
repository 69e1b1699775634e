#include "cli/cli.h"

#include "compiler/dat_build.h"
#include "compiler/dat_dump.h"
#include "compiler/language_dat.h"
#include "compiler/script_dat.h"
#include "compiler/source_lines.h"
#include "importer/script_folder.h"
#include "importer/source_import.h"
#include "model/field.h"
#include "orvanta/version.h"
#include "pipeline/game_build.h"
#include "pipeline/game_install.h"
#include "platform/host_path.h"
#include "platform/text_file.h"
#include "projectfile/project_file_reader.h"
#include "projectfile/project_file_writer.h"
#include "resources/stock_texts.h"
#include "script/script_files.h"

#ifdef _WIN32
#include "platform/native_file.h"
#endif

#include <array>
#include <optional>
#include <ostream>
#include <span>
#include <stdexcept>

namespace orvanta::cli {
namespace {

constexpr const char* kUsage = R"(Usage:
  orvanta-cli compile [--load FILE] [SETTING]... DIR
      Write Script.txt and English.txt of the project into DIR.
  orvanta-cli check [--load FILE] [SETTING]...
      Check the project as the game's script compiler and the game would see
      it; print one line per problem:
        FILE:LINE: error|warning: MESSAGE [FIELD (CONTROL)]
  orvanta-cli build [--load FILE] [SETTING]... DIR
      Write Script.txt, English.txt, SCRIPT.DAT and ENGLISH.DAT into DIR, all
      four or none (a kill between two renames can mix them; the next build
      or check says so); with errors, list them and write nothing.
  orvanta-cli check --sources DIR
  orvanta-cli build --sources DIR [OUT]
      Check, or build into OUT (DIR when not given), the Script.txt in DIR as
      it stands, with every language file its [Language] section lists that
      DIR holds: SCRIPT.DAT and one DAT per language, all or none.
  orvanta-cli import SOURCE PROJECT.txt
      Bring a game made elsewhere into a project file: SOURCE is a Script.txt
      (with the language file it lists first, beside it), a SCRIPT.DAT (with
      its language DAT, decoded), or a folder holding either. Prints one line
      per thing the project cannot keep.
  orvanta-cli dump FILE.DAT
      Print a readable listing of a SCRIPT.DAT, read as the game reads it
      (naming its strings from the language .DAT it lists first, found beside
      it in any letter case), or of a language .DAT.
  orvanta-cli save [--load FILE] [SETTING]... FILE
      Write the project file FILE.
  orvanta-cli restore DIR
      Write the stock Script.txt and English.txt into DIR.
  orvanta-cli get [--load FILE] NAME...
      Print the value of each named field, each followed by a line feed.
  orvanta-cli --help | --version

Every command starts from the built-in defaults. --load, given once at most,
reads a project file as the desktop program's Load does (every field the
file keeps, packs and inventory items included). A SETTING sets a field by the name of its
control, taking VALUE's bytes as they are:
  --set NAME=VALUE       NAME=@PATH takes the exact bytes of the file PATH
  --set-text NAME=VALUE  VALUE as it is, even when it starts with "@"
A field of one line (all but Text13..Text25) takes no line break. "--" ends
the options: every argument after it is an operand.
Paths are host paths, used as given; Windows paths such as
"C:\Program Files\..." are found in the Wine prefix ($WINEPREFIX, else
~/.wine), in any letter case.

Field names: Text1..Text11 (level names), Text12 (title name), Text13..Text23
(packs of levels 11..1), Text24 (script header), Text25 (inventory items),
Text26, Text27 (legends), Text28 (script folder), Text29 (Easylife location),
Text30 (compile-to folder), Combo1..Combo12 (WAD names), sound1..sound12
(audio tracks), Label1..Label12 (camera labels), data1..data12 (level data
strings), switch1..switch5, inputtimeout, security. get also knows the fixed
texts engheader, engmiddler, engender, scriptbox and englishbox.

check and build also warn of a level whose file (DATA\NAME.TR4) is missing
from the package folder, the folder above the script folder (Text28), when
that folder exists.

Exit status: 0 on success, 1 when a file cannot be read or written or is not
a project file, or the output cannot be written, 2 on wrong usage, 3 when
check or build finds errors, 4 when import left something out (the project
file is written all the same).
)";

/// A failure to report: its message and the exit code it ends with.
struct Failure : std::runtime_error {
    Failure(const std::string& message, int code) : std::runtime_error(message), exitCode(code) {}
    int exitCode;
};

[[noreturn]] void usageError(const std::string& message) { throw Failure(message, 2); }
[[noreturn]] void fileError(const std::string& message) { throw Failure(message, 1); }

/// An argument as text for names and messages: UTF-8 on Windows, the bytes elsewhere.
std::string textOf(const Argument& argument) { return utf8Of(std::filesystem::path(argument)); }

/// A path argument: a host path, or a Windows path into the Wine prefix.
FileLocation locationOf(const Argument& argument) { return FileLocation::fromTypedPath(argument); }

/// A field value argument as the Windows-1252 bytes the fields hold.
std::string bytesOf(const Argument& argument)
{
#ifdef _WIN32
    auto bytes = native::windows1252FromWide(argument);
    if (!bytes)
        usageError("\"" + textOf(argument) + "\" holds a character that Windows-1252 has not");
    return std::move(*bytes);
#else
    return argument;
#endif
}

struct Setting {
    Argument assignment;
    bool literal;  // --set-text: no @PATH
};

struct Options {
    std::optional<Argument> load;
    std::vector<Setting> settings;
    std::vector<Argument> operands;
};

Options parseOptions(std::span<const Argument> args, bool allowSettings)
{
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string arg = textOf(args[i]);
        if (arg == "--") {  // the end of the options: what follows are operands, even "--load"
            options.operands.insert(options.operands.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                    args.end());
            break;
        }
        const bool setting = allowSettings && (arg == "--set" || arg == "--set-text");
        if (arg == "--load" || setting) {
            if (i + 1 == args.size())
                usageError(arg + " needs a value");
            if (arg == "--load" && options.load)
                usageError("--load may be given only once");
            if (setting)
                options.settings.push_back({args[++i], arg == "--set-text"});
            else
                options.load = args[++i];
        } else if (arg.starts_with("--")) {
            usageError("unknown option " + arg);
        } else {
            options.operands.push_back(args[i]);
        }
    }
    return options;
}

/// The fixed text blocks, which no operation changes, by the names get knows
/// them by: engheader, engmiddler, engender, scriptbox and englishbox.
std::optional<std::string_view> fixedText(std::string_view name)
{
    const std::array<std::pair<std::string_view, std::string_view (*)()>, 5> blocks{{
        {"engheader", &resources::englishHeader},
        {"engmiddler", &resources::englishMiddle},
        {"engender", &resources::englishEnd},
        {"scriptbox", &resources::stockScript},
        {"englishbox", &resources::stockEnglish},
    }};
    for (const auto& [block, text] : blocks) {
        if (block == name)
            return text();
    }
    return std::nullopt;
}

std::string valueOf(const Setting& setting, Field field)
{
    const Argument value = setting.assignment.substr(setting.assignment.find(Argument::value_type('=')) + 1);
    std::string bytes;
    if (!setting.literal && value.starts_with(Argument::value_type('@'))) {
        auto read = readFileBytes(locationOf(value.substr(1)));
        if (!read)
            fileError(read.error().message);
        bytes = std::move(read.value());
    } else {
        bytes = bytesOf(value);
    }
    if (!field.holdsLines() && bytes.find_first_of("\r\n") != std::string::npos)
        usageError(field.control() + " is a field of one line; its value must not hold a line break");
    return bytes;
}

ProjectState projectFrom(const Options& options)
{
    ProjectState project = ProjectState::withDefaults();
    if (options.load) {
        const FileLocation file = locationOf(*options.load);
        const LoadResult result = loadProjectFile(file, project);
        if (result.status == LoadStatus::NotProjectFile)
            fileError(file.shown() + ": Not an ORV file!");
        if (result.status == LoadStatus::Failed)
            fileError(result.message);
        // The window keeps the packs it holds; here they would be the defaults,
        // and a build or save would quietly put those in place of the file's.
        if (!result.note.empty())
            fileError(file.shown() + ": " + result.note +
                      " orvanta-cli uses no project without its packs; nothing was done.");
    }
    for (const Setting& setting : options.settings) {
        const std::string assignment = textOf(setting.assignment);
        const auto equals = assignment.find('=');
        if (equals == std::string::npos)
            usageError("a setting needs NAME=VALUE, not \"" + assignment + "\"");
        const std::string name = assignment.substr(0, equals);
        const std::optional<Field> field = fieldNamed(name);
        if (!field)
            usageError("no field is named \"" + name + "\" (see --help)");
        fieldText(project, *field) = valueOf(setting, *field);
    }
    return project;
}

FileLocation singleOperand(const Options& options, const char* what)
{
    if (options.operands.size() != 1)
        usageError(std::string("expected one ") + what);
    return locationOf(options.operands.front());
}

void failOn(const std::optional<FileError>& error)
{
    if (error)
        fileError(error->message);
}

int writeSources(std::span<const Argument> args)
{
    const Options options = parseOptions(args, true);
    failOn(writeScriptFiles(projectFrom(options), singleOperand(options, "folder")));
    return 0;
}

constexpr int kProblemsFound = 3;

/// The project's build, warning of level files missing from its package.
GameBuild buildProject(const ProjectState& project)
{
    return buildGameFiles(project, packageFileCheck(project.scriptFolder));
}

void printProblems(const std::vector<ProjectProblem>& problems, std::ostream& out)
{
    std::string printed;
    for (const ProjectProblem& problem : problems)
        printed += formatProblem(problem) + "\n";
    out << printed;
}

constexpr int kSomethingLeftOut = 4;

/// Whether the arguments begin with --sources; they are passed over.
bool takeSources(std::span<const Argument>& args)
{
    if (args.empty() || textOf(args.front()) != "--sources")
        return false;
    args = args.subspan(1);
    return true;
}

ScriptFolder readFolder(const Argument& folder)
{
    auto read = readScriptFolder(locationOf(folder).host());
    if (!read)
        fileError(read.error().message);
    return std::move(read.value());
}

void printBuildProblems(const std::vector<Problem>& problems, std::ostream& out)
{
    std::string printed;
    for (const Problem& problem : problems)
        printed += formatProblem(problem) + "\n";
    out << printed;
}

int checkFolder(std::span<const Argument> args, std::ostream& out)
{
    if (args.size() != 1)
        usageError("check --sources takes one folder");
    const DatBuild build = buildScriptFolder(readFolder(args.front()));
    printBuildProblems(build.problems, out);
    return hasErrors(build.problems) ? kProblemsFound : 0;
}

int buildFolderDats(std::span<const Argument> args, std::ostream& err)
{
    if (args.empty() || args.size() > 2)
        usageError("build --sources takes a folder and, at most, an output folder");
    const DatBuild build = buildScriptFolder(readFolder(args.front()));
    printBuildProblems(build.problems, err);
    if (hasErrors(build.problems) || build.trngLine > 0) {
        err << "orvanta-cli: nothing written: "
            << (build.trngLine > 0 ? "the script uses TRNG, whose own tool builds it" : "the script has errors")
            << "\n";
        return kProblemsFound;
    }
    const std::filesystem::path out = locationOf(args.back()).host();
    std::vector<FileContents> files;
    for (const DatFile& dat : build.dats)
        files.push_back({FileLocation::fromHostPath(out / dat.name), dat.bytes});
    failOn(replaceFiles(files));
    return 0;
}

int importGame(std::span<const Argument> args, std::ostream& out)
{
    const Options options = parseOptions(args, false);
    if (options.load || options.operands.size() != 2)
        usageError("import takes a source and a project file");
    const ScriptFolder folder = readFolder(options.operands[0]);
    std::optional<ImportedGame> game = importFolder(folder);
    if (!game)
        fileError(describeHostPath(folder.script.path) + ": nothing to import: it has no [Title] or [Level] section");
    failOn(saveProjectFile(game->project, locationOf(options.operands[1])));
    out << formatReport(game->leftOut);
    return game->leftOut.empty() ? 0 : kSomethingLeftOut;
}

int checkGame(std::span<const Argument> args, std::ostream& out)
{
    if (takeSources(args))
        return checkFolder(args, out);
    const Options options = parseOptions(args, true);
    if (!options.operands.empty())
        usageError("check takes no operand");
    const ProjectState project = projectFrom(options);
    const std::vector<ProjectProblem> problems = checkProject(project, packageFileCheck(project.scriptFolder));
    printProblems(problems, out);
    return hasErrors(problems) ? kProblemsFound : 0;
}

int buildGame(std::span<const Argument> args, std::ostream& err)
{
    if (takeSources(args))
        return buildFolderDats(args, err);
    const Options options = parseOptions(args, true);
    const FileLocation folder = singleOperand(options, "folder");
    const GameBuild build = buildProject(projectFrom(options));
    printProblems(build.problems, err);
    if (hasErrors(build.problems)) {
        err << "orvanta-cli: nothing written: the project has errors\n";
        return kProblemsFound;
    }
    std::optional<std::string> interrupted;
    const std::optional<FileError> error = writeGameFiles(build.files, folder, &interrupted);
    if (interrupted)
        err << "orvanta-cli: warning: " << *interrupted << (error ? "\n" : "; all four are now written whole\n");
    failOn(error);
    return 0;
}

/// The language .DAT beside a SCRIPT.DAT, whose strings the listing names:
/// the first the script lists, found in any letter case as the game finds it.
std::optional<std::string> languageBeside(const Argument& datPath, std::string_view scriptDat)
{
    const std::vector<std::string> listed = readScriptDat(scriptDat).languageFiles;
    const std::string name = listed.empty() ? "ENGLISH.DAT" : listed.front();
    const std::filesystem::path folder = locationOf(datPath).host().parent_path();
    auto bytes = readFileBytes(FileLocation::fromHostPath(resolveInAnyCase(folder.empty() ? "." : folder, name)));
    if (!bytes)
        return std::nullopt;
    return std::move(bytes.value());
}

int listDat(std::span<const Argument> args, std::ostream& out)
{
    const Options options = parseOptions(args, false);
    if (options.load)
        usageError("dump takes no --load");
    auto bytes = readFileBytes(singleOperand(options, "DAT file"));
    if (!bytes)
        fileError(bytes.error().message);
    const std::optional<std::string> language =
        isLanguageDat(bytes.value()) ? std::nullopt : languageBeside(options.operands.front(), bytes.value());
    dumpDat(out, bytes.value(), language ? std::optional<std::string_view>(*language) : std::nullopt);
    return 0;
}

int saveProject(std::span<const Argument> args)
{
    const Options options = parseOptions(args, true);
    failOn(saveProjectFile(projectFrom(options), singleOperand(options, "project file")));
    return 0;
}

int restoreStock(std::span<const Argument> args)
{
    const Options options = parseOptions(args, false);
    if (options.load)
        usageError("restore takes no --load");
    failOn(restoreStockFiles(singleOperand(options, "folder")));
    return 0;
}

int printFields(std::span<const Argument> args, std::ostream& out)
{
    const Options options = parseOptions(args, false);
    if (options.operands.empty())
        usageError("get needs at least one field name");
    const ProjectState project = projectFrom(options);
    std::string printed;
    for (const Argument& operand : options.operands) {
        const std::string name = textOf(operand);
        if (const std::optional<Field> field = fieldNamed(name))
            printed += fieldText(project, *field);
        else if (const auto fixed = fixedText(name))
            printed += *fixed;
        else
            usageError("no field is named \"" + name + "\" (see --help)");
        printed += '\n';
    }
    out << printed;
    return 0;
}

int runCommand(const std::string& command, std::span<const Argument> rest, std::ostream& out, std::ostream& err)
{
    if (command == "--help" || command == "-h") {
        out << kUsage;
        return 0;
    }
    if (command == "--version") {
        out << "orvanta-cli " << ORVANTA_VERSION_TEXT << '\n';
        return 0;
    }
    if (command == "compile")
        return writeSources(rest);
    if (command == "save")
        return saveProject(rest);
    if (command == "check")
        return checkGame(rest, out);
    if (command == "build")
        return buildGame(rest, err);
    if (command == "dump")
        return listDat(rest, out);
    if (command == "import")
        return importGame(rest, out);
    if (command == "restore")
        return restoreStock(rest);
    if (command == "get")
        return printFields(rest, out);
    usageError("unknown command \"" + command + "\" (see --help)");
}

}  // namespace

int run(const std::vector<Argument>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << kUsage;
        return 2;
    }
    try {
        const int code = runCommand(textOf(args.front()), std::span(args).subspan(1), out, err);
        if (!out.flush())
            fileError("cannot write the output");
        return code;
    } catch (const Failure& failure) {
        err << "orvanta-cli: " << failure.what() << '\n';
        return failure.exitCode;
    }
}

}  // namespace orvanta::cli
