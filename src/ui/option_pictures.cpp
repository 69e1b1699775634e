#include "ui/option_pictures.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <cmath>

namespace orvanta::ui {

QPixmap optionPicture(OptionPicture picture, qreal devicePixelRatio, const QColor& background)
{
    const bool enabled = picture == OptionPicture::Enabled;
    QPixmap pixmap(static_cast<int>(std::ceil(kOptionPictureSize.width() * devicePixelRatio)),
                   static_cast<int>(std::ceil(kOptionPictureSize.height() * devicePixelRatio)));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);

    QFont font;
    font.setPixelSize(13);
    font.setBold(true);
    font.setItalic(true);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    const QRect area(QPoint(0, 0), kOptionPictureSize);
    const QString word = enabled ? QStringLiteral("Enabled") : QStringLiteral("Disabled");
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    painter.setPen(QColor(0x20, 0x20, 0x20));
    painter.drawText(area.translated(3, 1), flags, word);
    const bool dark = background.lightnessF() < 0.5;
    if (enabled)
        painter.setPen(dark ? QColor(0x30, 0xE0, 0x30) : QColor(0x00, 0xB0, 0x00));
    else
        painter.setPen(dark ? QColor(0xFF, 0x48, 0x48) : QColor(0xE0, 0x00, 0x00));
    painter.drawText(area.translated(2, 0), flags, word);
    return pixmap;
}

}  // namespace orvanta::ui
