#pragma once

#include <QString>

#include <string>

namespace orvanta::ui {

/// The file or folder a chooser gave, a host path, as the file calls take it.
std::string hostFile(const QString& hostPath);

/// A folder typed into a box, as the file calls take it.
std::string typedFolder(const QString& typed);

} // namespace orvanta::ui
