#include "ui/tool_box.h"

namespace orvanta::ui {

ToolBox::ToolBox(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form10"));
    setFixedSize(43, 113);
}

} // namespace orvanta::ui
