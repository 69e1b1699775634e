#include "desktop/dat_file_watch.h"

#include "platform/host_path.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <system_error>

namespace orvanta {
namespace fs = std::filesystem;

namespace {

const std::array<std::string, 2> kDatNames{"SCRIPT.DAT", "ENGLISH.DAT"};

std::string upperCase(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name;
}

bool isDatFileName(const std::string& name)
{
    return std::find(kDatNames.begin(), kDatNames.end(), upperCase(name)) != kDatNames.end();
}

bool sameStamp(const DatFileStamp& a, const DatFileStamp& b) { return a.written == b.written && a.size == b.size; }

bool stillAsItWas(const fs::path& folder, const DatFileStamp& file)
{
    std::error_code error;
    const fs::path path = folder / fs::path(std::u8string(file.name.begin(), file.name.end()));
    const auto written = fs::last_write_time(path, error);
    if (error)
        return true;  // gone: nothing new was written under that name
    const auto size = fs::file_size(path, error);
    return !error && sameStamp({file.name, written, size}, file);
}

}  // namespace

std::vector<DatFileStamp> datFilesIn(std::string_view folderText)
{
    std::vector<DatFileStamp> files;
    std::error_code error;
    for (fs::directory_iterator it(hostPath(folderText), error), end; !error && it != end; it.increment(error)) {
        const std::u8string name = it->path().filename().u8string();
        DatFileStamp file{std::string(name.begin(), name.end()), {}, 0};
        std::error_code statError;
        if (!isDatFileName(file.name) || !it->is_regular_file(statError))
            continue;
        file.written = it->last_write_time(statError);
        file.size = it->file_size(statError);
        if (!statError)
            files.push_back(file);
    }
    std::sort(files.begin(), files.end(), [](const DatFileStamp& a, const DatFileStamp& b) { return a.name > b.name; });
    return files;
}

std::vector<std::string> datFilesNotRewritten(const std::vector<DatFileStamp>& before, std::string_view folderText)
{
    const fs::path folder = hostPath(folderText);
    std::vector<std::string> names;
    for (const DatFileStamp& file : before)
        if (stillAsItWas(folder, file))
            names.push_back(file.name);
    return names;
}

std::vector<DatFolderStamps> datFilesInFolders(const std::vector<std::string>& folderTexts)
{
    std::vector<DatFolderStamps> folders;
    for (const std::string& folder : folderTexts)
        folders.push_back({folder, datFilesIn(folder)});
    return folders;
}

std::vector<std::string> datFilesNotWritten(const std::vector<DatFolderStamps>& before)
{
    const auto writtenIn = [](const DatFolderStamps& folder, const std::string& name) {
        for (const DatFileStamp& now : datFilesIn(folder.folderText)) {
            if (upperCase(now.name) != name)
                continue;
            const auto old = std::find_if(folder.files.begin(), folder.files.end(),
                                          [&now](const DatFileStamp& was) { return was.name == now.name; });
            if (old == folder.files.end() || !sameStamp(*old, now))
                return true;
        }
        return false;
    };
    std::vector<std::string> missing;
    for (const std::string& name : kDatNames) {
        if (std::none_of(before.begin(), before.end(),
                         [&](const DatFolderStamps& folder) { return writtenIn(folder, name); }))
            missing.push_back(name);
    }
    return missing;
}

}  // namespace orvanta
