#include "ui/host_file.h"

#include <filesystem>

namespace orvanta::ui {

FileLocation hostFile(const QString& hostPath)
{
    return FileLocation::fromHostPath(std::filesystem::path(hostPath.toStdU16String()));
}

FileLocation typedFolder(const QString& typed)
{
    return FileLocation::fromTypedPath(std::filesystem::path(typed.toStdU16String()));
}

}  // namespace orvanta::ui
