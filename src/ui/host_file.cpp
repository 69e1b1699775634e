#include "ui/host_file.h"

#include "ui/text_conversion.h"

namespace orvanta::ui {

std::string hostFile(const QString& hostPath) { return toProjectText(hostPath); }

std::string typedFolder(const QString& typed) { return toProjectText(typed); }

} // namespace orvanta::ui
