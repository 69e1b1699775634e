#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orvanta {

/// The game's program, which reads SCRIPT.DAT and the language DATs from its
/// own folder, the package folder.
inline constexpr const char* kGameProgram = "tomb4.exe";

/// Whether a file of the game's package exists, by its path inside the
/// package folder ("DATA\TUT1.TR4"); empty when there is no folder to look in.
struct PackageFileCheck {
    std::string folder;  ///< the folder looked in, as the project's texts name it
    std::function<bool(std::string_view pathInPackage)> exists;

    explicit operator bool() const { return static_cast<bool>(exists); }
    bool operator()(std::string_view pathInPackage) const { return exists(pathInPackage); }
};

/// The package folder: the folder text above a script folder text ("...\trle"
/// for "...\trle\Script"), or empty when there is none.
std::string packageFolderText(std::string_view scriptFolderText);

/// The check for the package folder above a script folder text, or none when
/// that folder does not exist.
PackageFileCheck packageFileCheck(std::string_view scriptFolderText);

}  // namespace orvanta
