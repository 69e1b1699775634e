#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The system calls the file layer is built from, one small function each, for
// POSIX (native_file_posix.cpp) and Windows (native_file_windows.cpp). Each
// returns nothing on success, or why it failed: the system's reason in one
// line, and the cause where the file layer acts on it.
namespace orvanta::native {

struct Failure {
    enum class Cause {
        Other,
        NameTaken,     ///< a file of the name to create exists already
        NotPermitted,  ///< the folder may not be written
        NoSecondName,  ///< the file system cannot give a file a second name; nothing changed
    };
    Cause cause = Cause::Other;
    std::string reason;
};
using Outcome = std::optional<Failure>;

/// Creates `file`, which must not exist yet, holding exactly `bytes`, or no file
/// at all when it fails. Where the
/// system has them, it takes the permission bits (without set-user-id and
/// set-group-id) and, as far as the process may, the owner and group of
/// `replacing` if that exists (a regular file).
Outcome writeNewFile(const std::filesystem::path& file, std::string_view bytes, const std::filesystem::path& replacing);

/// Moves `from` over the existing file `to` in one step, its old content kept
/// under the new name `backup` so that it can be put back.
Outcome replaceKeepingBackup(const std::filesystem::path& from, const std::filesystem::path& to,
                             const std::filesystem::path& backup);

/// Moves `from` over `to`, replacing it.
Outcome moveOver(const std::filesystem::path& from, const std::filesystem::path& to);

/// Writes `bytes` into the existing file itself, so that all its names see
/// them. Room for them is claimed first where the file system allows, so a
/// full disk fails before anything is written.
Outcome overwrite(const std::filesystem::path& file, std::string_view bytes);

/// Why an existing regular file may not be written, or nothing: a read-only
/// file is refused even where the process could write it anyway.
std::optional<std::string> unwritable(const std::filesystem::path& file);

/// How many names (hard links) an existing file has.
std::uintmax_t linkCount(const std::filesystem::path& file);

/// Reads the whole content of a regular file into `bytes`; anything else (a
/// folder, a device, a pipe) is refused without waiting for it, as is a file
/// of more than `limit` bytes.
Outcome readAll(const std::filesystem::path& file, std::string& bytes, std::uintmax_t limit);

/// Why something that is not a regular file cannot be read or replaced.
inline std::string notAFile(std::filesystem::file_type type)
{
    using Type = std::filesystem::file_type;
    switch (type) {
    case Type::directory: return "it is a folder, not a file";
    case Type::character:
    case Type::block: return "it is a device, not a file";
    case Type::fifo: return "it is a pipe, not a file";
    default: return "it is not a regular file";
    }
}

#ifdef _WIN32
/// Windows-1252 text as the UTF-16 text it stands for, whatever the system's
/// ANSI code page is.
std::wstring wideFromWindows1252(std::string_view text);

/// UTF-16 text as Windows-1252 bytes, or nothing when a character has no byte
/// there.
std::optional<std::string> windows1252FromWide(std::wstring_view text);
#endif

}  // namespace orvanta::native
