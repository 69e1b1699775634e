#include "script/script_files.h"

#include "platform/text_file.h"
#include "platform/text_lines.h"
#include "resources/stock_texts.h"
#include "script/english_writer.h"
#include "script/script_writer.h"

#include <array>
#include <filesystem>
#include <string>

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

namespace {

/// The stock files as restoring writes them: each text, then CR LF.
std::array<std::string, 2> stockFileTexts()
{
    std::array<std::string, 2> texts;
    appendLine(texts[0], resources::stockScript());
    appendLine(texts[1], resources::stockEnglish());
    return texts;
}

}  // namespace

std::optional<FileError> restoreStockFiles(const FileLocation& folder)
{
    const std::array<std::string, 2> stock = stockFileTexts();
    return writePair(folder, stock[0], stock[1]);
}

bool restoringReplacesOtherText(const FileLocation& folder)
{
    const std::array<std::string, 2> stock = stockFileTexts();
    const std::array<const char*, 2> names{"Script.txt", "English.txt"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const FileLocation file = folder.child(names[i]);
        std::error_code ignored;
        if (!std::filesystem::exists(file.host(), ignored))
            continue;
        const auto bytes = readFileBytes(file);
        if (!bytes || bytes.value() != stock[i])
            return true;
    }
    return false;
}

std::optional<FileError> restoreStockFiles(std::string_view folderText)
{
    return restoreStockFiles(FileLocation::fromPathText(folderText));
}

}  // namespace orvanta
