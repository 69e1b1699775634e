#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvanta {

/// A folder text, one backslash and a file name, joined unchanged: a folder that
/// already ends in a backslash gives two in a row.
std::string joinPathText(std::string_view folder, std::string_view fileName);

/// The Wine prefix that drive paths map into: $WINEPREFIX, else ~/.wine.
std::filesystem::path defaultWinePrefix();

/// The host path a path text names, worked out only when a file is opened.
/// On Windows it is the text itself, read as Windows-1252. Elsewhere the text is Windows-1252 and
/// becomes UTF-8, backslashes become slashes, and a drive path "X:\..." maps
/// into the Wine prefix through its "dosdevices/x:" link. As on Windows, a
/// component that does not exist as spelled but does in other letter case
/// ("script" for "Script") resolves to the one that exists.
std::filesystem::path hostPath(std::string_view pathText);
std::filesystem::path hostPath(std::string_view pathText, const std::filesystem::path& winePrefix);

/// How an error message names a path, in UTF-8: the text as the user knows it,
/// and the host path too when that differs.
std::string describePath(std::string_view pathText, const std::filesystem::path& host);

} // namespace orvanta
