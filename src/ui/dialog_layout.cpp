#include "ui/dialog_layout.h"

#include <QFrame>

#include <algorithm>

namespace orvanta::ui {

void placeControl(QWidget* control, QRect designed)
{
    designed.setWidth(std::max(designed.width(), control->sizeHint().width()));
    control->setGeometry(designed);
}

QWidget* addSeparator(QWidget* parent, QRect designed)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(designed.width() > designed.height() ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(designed);
    return line;
}

} // namespace orvanta::ui
