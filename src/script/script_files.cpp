#include "script/script_files.h"

#include "platform/text_file.h"
#include "platform/text_lines.h"
#include "resources/stock_texts.h"
#include "script/english_writer.h"
#include "script/script_writer.h"

#include <array>

namespace orvanta {
namespace {

std::optional<FileError> writePair(const FileLocation& folder, std::string_view script, std::string_view english)
{
    const std::array<FileContents, 2> files{{
        {folder.child("Script.txt"), script},
        {folder.child("English.txt"), english},
    }};
    return replaceFiles(files);
}

}  // namespace

std::optional<FileError> writeScriptFiles(const ProjectState& project, const FileLocation& folder)
{
    return writePair(folder, scriptText(project), englishText(project));
}

std::optional<FileError> writeScriptFiles(const ProjectState& project, std::string_view folderText)
{
    return writeScriptFiles(project, FileLocation::fromPathText(folderText));
}

std::optional<FileError> restoreStockFiles(const FileLocation& folder)
{
    std::string script;
    std::string english;
    appendLine(script, resources::stockScript());
    appendLine(english, resources::stockEnglish());
    return writePair(folder, script, english);
}

std::optional<FileError> restoreStockFiles(std::string_view folderText)
{
    return restoreStockFiles(FileLocation::fromPathText(folderText));
}

}  // namespace orvanta
