#include "ui/option_image.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace orvanta::ui {

OptionImage::OptionImage(OptionPicture initialLook, QWidget* parent) : QWidget(parent), initialLook_(initialLook)
{
    setFixedSize(kOptionPictureSize);
    setFocusPolicy(Qt::StrongFocus);
    updateAccessibleName();
}

void OptionImage::updateAccessibleName()
{
    setAccessibleName(shownPicture() == OptionPicture::Enabled ? QStringLiteral("Enabled")
                                                               : QStringLiteral("Disabled"));
}

void OptionImage::setDisplay(Display display)
{
    display_ = display;
    updateAccessibleName();
    update();
}

OptionPicture OptionImage::shownPicture() const
{
    switch (display_) {
    case Display::Enabled: return OptionPicture::Enabled;
    case Display::Disabled: return OptionPicture::Disabled;
    case Display::Initial: break;
    }
    return initialLook_;
}

void OptionImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, optionPicture(shownPicture(), devicePixelRatioF(), palette().color(backgroundRole())));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void OptionImage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        Q_EMIT clicked();
    else
        QWidget::keyPressEvent(event);
}

void OptionImage::mousePressEvent(QMouseEvent* event) { pressed_ = event->button() == Qt::LeftButton; }

void OptionImage::mouseDoubleClickEvent(QMouseEvent* /*event*/)
{
    // The second press of a double click is no new click: a double click
    // toggles once, as the tool box buttons run their command once.
    pressed_ = false;
}

void OptionImage::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        Q_EMIT clicked();
}

}  // namespace orvanta::ui
