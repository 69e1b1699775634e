#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvanta {

/// A folder text, one backslash and a file name, joined unchanged: a folder that
/// already ends in a backslash gives two in a row.
std::string joinPathText(std::string_view folder, std::string_view fileName);

/// The Wine prefix that drive paths map into: $WINEPREFIX, else ~/.wine;
/// empty when neither WINEPREFIX nor HOME is set, and a drive path then maps
/// to no host path at all (an empty one), which messages name by kNoWinePrefix.
std::filesystem::path defaultWinePrefix();

inline constexpr std::string_view kNoWinePrefix = "no Wine prefix: neither WINEPREFIX nor HOME is set";

/// Whether a text starts with a drive, as "C:", "C:\..." or "C:/..." do.
bool isDrivePath(std::string_view text);

/// The host path a Windows-style path text in UTF-8 names. On Windows it is
/// the text itself. Elsewhere backslashes become slashes, and a drive path
/// "X:\..." maps into the Wine prefix through its "dosdevices/x:" link, where,
/// as on Windows, a component that does not exist as spelled but does in other
/// letter case ("script" for "Script") resolves to the one that exists. Any
/// other text is a host path used as spelled. As on Windows, ".." inside a
/// drive path stops at the drive's root.
std::filesystem::path hostPathOfWindowsText(std::string_view utf8Text, const std::filesystem::path& winePrefix);

/// A path inside an existing folder as Windows finds it: each component of
/// `relativeText` (UTF-8, backslashes or slashes) that does not exist as
/// spelled resolves to one that does in other letter case. Components are
/// spelled as the folder lists them, on Windows too, so messages name a file
/// as the user sees it.
std::filesystem::path resolveInAnyCase(const std::filesystem::path& folder, std::string_view relativeText);

/// The host path a project field's path text (Windows-1252) names; see
/// hostPathOfWindowsText.
std::filesystem::path hostPath(std::string_view pathText);
std::filesystem::path hostPath(std::string_view pathText, const std::filesystem::path& winePrefix);

/// How a message names a path, in quotes and UTF-8, in the host's form: a
/// drive path mapped into the Wine prefix as typed, then as the host has it.
/// `utf8Text` is the Windows-style text it came from, if any.
std::string describeHostPath(const std::filesystem::path& host, const std::string* utf8Text = nullptr);
/// The same for a project field's path text and the host path it names.
std::string describePath(std::string_view pathText, const std::filesystem::path& host);

/// A host path in UTF-8 (on Windows converted from UTF-16).
std::string utf8Of(const std::filesystem::path& path);

}  // namespace orvanta
