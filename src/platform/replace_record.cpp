#include "platform/replace_record.h"

#include "platform/host_path.h"

#include <fstream>
#include <system_error>

namespace orvanta {
namespace fs = std::filesystem;

namespace {

constexpr const char* kRecordName = ".orvanta-replacing";
constexpr std::string_view kFileLine = "file ";
constexpr std::string_view kHiddenLine = "hidden ";

/// Only a name of this folder that the replacing itself gives is removed.
bool isOwnHiddenName(const std::string& name)
{
    return name.starts_with(".orvanta-") && name != kRecordName && name.find_first_of("/\\") == std::string::npos;
}

}  // namespace

ReplaceRecord::ReplaceRecord(fs::path folder, const std::vector<fs::path>& files,
                             const std::vector<fs::path>& hiddenFiles)
    : file_(std::move(folder) / kRecordName)
{
    std::ofstream out(file_, std::ios::binary | std::ios::trunc);
    out << "Orvanta is replacing these files; if this stays, it was stopped before it ended\r\n";
    for (const fs::path& file : files)
        out << kFileLine << utf8Of(file.filename()) << "\r\n";
    for (const fs::path& file : hiddenFiles)
        out << kHiddenLine << utf8Of(file.filename()) << "\r\n";
    out.close();
    if (!out)
        file_.clear();
}

ReplaceRecord::~ReplaceRecord()
{
    std::error_code ignored;
    if (!file_.empty())
        fs::remove(file_, ignored);
}

std::optional<std::string> interruptedReplace(const fs::path& folder, bool clear)
{
    const fs::path record = folder / kRecordName;
    std::ifstream in(record, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string names;
    std::vector<fs::path> hidden;
    for (std::string line; std::getline(in, line) && line.size() < 4096;) {
        if (line.ends_with('\r'))
            line.pop_back();
        if (line.starts_with(kFileLine))
            names += (names.empty() ? "" : ", ") + line.substr(kFileLine.size());
        else if (line.starts_with(kHiddenLine) && isOwnHiddenName(line.substr(kHiddenLine.size())))
            hidden.push_back(folder / line.substr(kHiddenLine.size()));
    }
    in.close();
    if (clear) {
        std::error_code ignored;
        for (const fs::path& file : hidden)
            fs::remove(file, ignored);
        fs::remove(record, ignored);
    }
    return "an earlier write into \"" + utf8Of(folder) + "\" was stopped before it ended: " + names +
           " may be from two different writes";
}

}  // namespace orvanta
