#include "ui/dialog_layout.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace orvanta::ui {

namespace {

template <typename Control>
Control* addNamed(QWidget* parent, const QString& name, const QString& caption, QRect geometry)
{
    auto* control = new Control(caption, parent);
    control->setObjectName(name);
    if (geometry.isValid())
        control->setGeometry(geometry);
    return control;
}

}  // namespace

QLabel* addLabel(QWidget* parent, const QString& name, const QString& caption, QRect geometry)
{
    auto* label = addNamed<QLabel>(parent, name, caption, geometry);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    return addNamed<QPushButton>(parent, QString::fromLatin1(name), caption, geometry);
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* button : buttons)
        row->addWidget(button);
    return row;
}

QFrame* addSeparator(QWidget* parent, QRect designed)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(designed.width() > designed.height() ? QFrame::HLine : QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(designed);
    return line;
}

void placeControl(QWidget* control, QRect designed)
{
    designed.setWidth(std::max(designed.width(), control->sizeHint().width()));
    control->setGeometry(designed);
}

int widthForTitle(const QWidget& window, const QString& title)
{
    // Title bars set their caption in bold, often larger than the window's
    // own text; the icon and three buttons take about six line heights.
    QFont titleFont = window.font();
    titleFont.setBold(true);
    if (titleFont.pointSizeF() > 0)
        titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    const QFontMetrics metrics(titleFont);
    return metrics.horizontalAdvance(title) + 6 * metrics.height();
}

}  // namespace orvanta::ui
