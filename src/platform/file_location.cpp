#include "platform/file_location.h"

#include "platform/host_path.h"
#include "platform/windows1252.h"

#include <utility>

namespace orvanta {
namespace fs = std::filesystem;

FileLocation FileLocation::fromWindowsText(std::string utf8Text)
{
    FileLocation location;
    location.host_ = hostPathOfWindowsText(utf8Text, defaultWinePrefix());
    location.windowsText_ = std::move(utf8Text);
    return location;
}

FileLocation FileLocation::fromPathText(std::string_view pathText)
{
    return fromWindowsText(windows1252::toUtf8(pathText));
}

FileLocation FileLocation::fromTypedPath(const fs::path& typed)
{
#ifndef _WIN32
    if (const std::string text = utf8Of(typed); isDrivePath(text))
        return fromWindowsText(text);
#endif
    return fromHostPath(typed);
}

FileLocation FileLocation::fromHostPath(fs::path host)
{
    FileLocation location;
    location.host_ = std::move(host);
    return location;
}

FileLocation FileLocation::child(std::string_view fileName) const
{
    if (windowsText_)
        return fromWindowsText(joinPathText(*windowsText_, fileName));
    return fromHostPath(host_ / fileName);
}

std::string FileLocation::shown() const { return describeHostPath(host_, windowsText_ ? &*windowsText_ : nullptr); }

}  // namespace orvanta
