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

/// The DAT files of some folders as they were before a run, to tell what the
/// run wrote.
struct DatFolderStamps {
    std::string folderText;
    std::vector<DatFileStamp> files;
};
std::vector<DatFolderStamps> datFilesInFolders(const std::vector<std::string>& folderTexts);

/// Which of "SCRIPT.DAT" and "ENGLISH.DAT" no folder of `before` has a new
/// or rewritten file of, in any letter case: a batch that wrote neither did
/// not compile, whatever its exit status.
std::vector<std::string> datFilesNotWritten(const std::vector<DatFolderStamps>& before);

}  // namespace orvanta
