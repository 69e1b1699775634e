#include "ui/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace orvanta::ui {
namespace {

constexpr qreal kScreenRatios[] = {1.0, 1.25, 1.5, 2.0, 3.0};

/// A transparent pixmap of a logical size for one device pixel ratio.
QPixmap blankPixmap(QSize logical, qreal ratio)
{
    QPixmap pixmap(QSize(static_cast<int>(std::ceil(logical.width() * ratio)),
                         static_cast<int>(std::ceil(logical.height() * ratio))));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap arrowPixmap(qreal ratio)
{
    const QSize size(16, 12);
    QPixmap pixmap = blankPixmap(size, ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    arrow.moveTo(1, 4);
    arrow.lineTo(8, 4);
    arrow.lineTo(8, 0.5);
    arrow.lineTo(15, 6);
    arrow.lineTo(8, 11.5);
    arrow.lineTo(8, 8);
    arrow.lineTo(1, 8);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(20, 60, 20), 1.0));
    painter.setBrush(QColor(40, 150, 50));
    painter.drawPath(arrow);
    return pixmap;
}

/// A desert scene in a square of side 1 (the painter is scaled to the size).
void paintScene(QPainter& painter)
{
    QLinearGradient sky(0, 0, 0, 1);
    sky.setColorAt(0, QColor(40, 70, 140));
    sky.setColorAt(0.7, QColor(230, 150, 70));
    painter.fillRect(QRectF(0, 0, 1, 1), sky);
    painter.fillRect(QRectF(0, 0.82, 1, 0.18), QColor(200, 160, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 210, 60));
    painter.drawEllipse(QPointF(0.72, 0.28), 0.14, 0.14);
    // A stepped pyramid: five courses, each narrower than the one below.
    const int courses = 5;
    for (int course = 0; course < courses; ++course) {
        const qreal height = 0.6 / courses;
        const qreal halfWidth = 0.45 - course * 0.08;
        const qreal top = 0.88 - (course + 1) * height;
        painter.setBrush(course % 2 == 0 ? QColor(180, 120, 50) : QColor(160, 100, 40));
        painter.drawRect(QRectF(0.5 - halfWidth, top, 2 * halfWidth, height));
    }
    painter.setBrush(QColor(60, 30, 10));
    painter.drawRect(QRectF(0.46, 0.76, 0.08, 0.12));
}

QPixmap scenePixmap(int logicalSize, qreal ratio)
{
    QPixmap pixmap = blankPixmap(QSize(logicalSize, logicalSize), ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(logicalSize, logicalSize);
    paintScene(painter);
    return pixmap;
}

}  // namespace

QIcon slotArrowIcon()
{
    QIcon icon;
    for (qreal ratio : kScreenRatios)
        icon.addPixmap(arrowPixmap(ratio));
    return icon;
}

QIcon programIcon()
{
    // The pictures the desktop entry uses too; loaded when a size is asked for.
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/orvanta/icons/orvanta-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap aboutPicture(int logicalSize, qreal devicePixelRatio) { return scenePixmap(logicalSize, devicePixelRatio); }

}  // namespace orvanta::ui
