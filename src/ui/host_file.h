#pragma once

#include "platform/file_location.h"

#include <QString>

namespace orvanta::ui {

/// A file or folder a chooser gave: a host path, used exactly as it is.
FileLocation hostFile(const QString& hostPath);

/// A folder typed into a box: a drive path ("C:\...") is read as the project
/// fields read it, any other text is the host path it is.
FileLocation typedFolder(const QString& typed);

}  // namespace orvanta::ui
