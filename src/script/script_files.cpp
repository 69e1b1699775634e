#include "script/script_files.h"

#include "platform/host_path.h"
#include "platform/text_file.h"
#include "platform/text_lines.h"
#include "resources/stock_texts.h"
#include "script/english_writer.h"
#include "script/script_writer.h"

#include <array>

namespace orvanta {
namespace {

std::optional<FileError> writePair(std::string_view folderText, std::string_view script,
                                   std::string_view english)
{
    const std::array<FileContents, 2> files{{
        {joinPathText(folderText, "Script.txt"), script},
        {joinPathText(folderText, "English.txt"), english},
    }};
    return replaceFiles(files);
}

} // namespace

std::optional<FileError> writeScriptFiles(const ProjectState& project, std::string_view folderText)
{
    return writePair(folderText, scriptText(project), englishText(project));
}

std::optional<FileError> restoreStockFiles(std::string_view folderText)
{
    std::string script;
    std::string english;
    appendLine(script, resources::stockScript());
    appendLine(english, resources::stockEnglish());
    return writePair(folderText, script, english);
}

} // namespace orvanta
