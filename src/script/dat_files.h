#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta {

/// A game file the Easylife compiler writes into the script folder,
/// "SCRIPT.DAT" or "ENGLISH.DAT" in any letter case, as it was when looked at.
struct DatFileStamp {
    std::string name;  ///< as spelled in the folder, UTF-8
    std::filesystem::file_time_type written;
    std::uintmax_t size = 0;
};

/// The DAT files a folder text holds now.
std::vector<DatFileStamp> datFilesIn(std::string_view folderText);

/// The names of the files of `before` that are still as they were: not
/// rewritten (or gone) since. Many batches end with exit status 0 even when
/// the compiler inside them failed, and then these are the sign of it.
std::vector<std::string> datFilesNotRewritten(const std::vector<DatFileStamp>& before, std::string_view folderText);

}  // namespace orvanta
