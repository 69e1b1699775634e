#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The system calls the file layer is built from, one small function each, for
// POSIX (native_file_posix.cpp) and Windows (native_file_windows.cpp). Each
// returns the system's reason for a failure in one line, or nothing.
namespace orvanta::native {

using Reason = std::string;

/// Creates `file`, which must not exist yet, holding exactly `bytes`. Where
/// the system has permission bits, it takes those of `replacing` if that is
/// a regular file.
std::optional<Reason> writeNewFile(const std::filesystem::path& file, std::string_view bytes,
                                   const std::filesystem::path& replacing);

/// Moves `from` over `to` in one step. When `to` exists, its old content is
/// kept under the name `backup` (which must not exist) so that it can be put
/// back; `keptBackup` tells whether it was.
std::optional<Reason> replaceKeepingBackup(const std::filesystem::path& from, const std::filesystem::path& to,
                                           const std::filesystem::path& backup, bool& keptBackup);

/// Moves `from` over `to`, replacing it.
std::optional<Reason> moveOver(const std::filesystem::path& from, const std::filesystem::path& to);

/// Reads the whole content of a file into `bytes`.
std::optional<Reason> readAll(const std::filesystem::path& file, std::string& bytes);

/// This process's id, to tell its temporary files from another's.
unsigned long processId();

#ifdef _WIN32
/// Windows-1252 text as the UTF-16 text it stands for, whatever the system's
/// ANSI code page is.
std::wstring wideFromWindows1252(std::string_view text);

/// UTF-16 text as Windows-1252 bytes, or nothing when a character has no byte
/// there.
std::optional<std::string> windows1252FromWide(std::wstring_view text);
#endif

} // namespace orvanta::native
