#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

/// Where a file or folder is: the host path the file calls use, and how a
/// message names it. Project fields hold Windows-style path texts; a path the
/// host gave (a command-line argument, a folder picked in a chooser) is a host
/// path and stays one, in any characters the host allows.
class FileLocation {
public:
    /// A project field's path text (Windows-1252), as the fields join paths:
    /// backslashes separate, and a drive path maps into the Wine prefix off
    /// Windows, matching letter case as Windows does (see hostPath).
    static FileLocation fromPathText(std::string_view pathText);
    /// A path the user typed, in the host's encoding: a drive path "X:\..." is
    /// read as fromPathText reads it; anything else is used exactly.
    static FileLocation fromTypedPath(const std::filesystem::path& typed);
    /// A host path, used exactly as given.
    static FileLocation fromHostPath(std::filesystem::path host);

    /// The file of that name in this folder. A Windows path text gets a
    /// backslash and the name, joined unchanged, as the fields do.
    FileLocation child(std::string_view fileName) const;

    const std::filesystem::path& host() const { return host_; }
    /// The location in quotes, in UTF-8, in the host's form; a drive path
    /// mapped into the Wine prefix is shown as typed, then as the host has it.
    std::string shown() const;

private:
    static FileLocation fromWindowsText(std::string utf8Text);

    std::optional<std::string> windowsText_;  // UTF-8, when the location was given as a Windows-style text
    std::filesystem::path host_;
};

}  // namespace orvanta
