#pragma once

#include "platform/outcome.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::platform {

/// Why a program cannot be started: one line of UTF-8 that names its path
/// and the reason.
struct StartError {
    std::string message;
};

/// How the program a path text names is started, worked out without the
/// toolkit: texts in UTF-8.
struct ProgramLaunch {
    std::string program{};                 ///< what to run: the file itself, the command interpreter, or "wine"
    std::vector<std::string> arguments{};  ///< given one by one, quoted by the system's own rules
    std::string nativeArguments{};         ///< Windows: the command line's tail, passed exactly as written
    std::string folder{};                  ///< where it starts: the folder of the file
    std::string description{};             ///< the path as messages name it
    std::string seenAs{};                  ///< the path the program knows itself by (a batch file: as cmd sees it)
    bool needsWine = false;                ///< a Windows program on another system: `program` is found on the PATH
};

/// Checks the file a path text names and says how to start it. The path is
/// made absolute, so that a name starting with "-" cannot pass for an option
/// and no file is looked up on the PATH.
///
/// On Windows a batch file is handed to the command interpreter (%ComSpec%,
/// else cmd.exe) as `/d /s /c ""PATH""`, and anything else is started itself.
/// Elsewhere a ".bat" or ".cmd" file is run by wine's cmd from its own folder
/// as `wine cmd.exe /d /c .\NAME` (wine would hand a path given to it to cmd
/// unquoted, so a "&" anywhere in it would start a second command), an ".exe"
/// as `wine PATH`, and any other file must be executable.
///
/// The reason, naming the path, when it cannot be started: it does not exist,
/// it is a folder, it is not executable, it lies on no drive of the Wine
/// prefix, or cmd would read its path as more than a path (batchPathProblem).
Outcome<ProgramLaunch, StartError> programLaunch(std::string_view pathText);

/// The Windows path under which wine shows a file of the host to the programs
/// it runs: through the drive links of the prefix's "dosdevices" folder, the
/// drive whose folder holds it most closely, the first letter on a tie, as
/// wine itself picks. A prefix wine has not made yet reaches the whole file
/// system as Z:. Nothing when no drive reaches the file.
std::optional<std::string> windowsPathUnderWine(const std::filesystem::path& file,
                                                const std::filesystem::path& winePrefix);

/// Why cmd would read a batch file's Windows path as more than a path, or
/// nothing. Anywhere in it, a quote would end the quoting and "%" or "!"
/// would expand variables into another path. A name that cmd reads unquoted
/// (wine's cmd, given the bare name) must not hold the characters that split
/// a command line or an argument either: & | < > ^ ( ) @ , ; =.
std::optional<std::string> batchPathProblem(std::string_view windowsPath, bool nameUnquoted);

/// The tail of the command line that has cmd run one batch file and nothing
/// else: no AutoRun commands (/d), and the path quoted inside the quotes that
/// /s strips, so blanks, "&" or "^" in it stay part of it.
std::string commandInterpreterArguments(std::string_view windowsPath);

}  // namespace orvanta::platform
