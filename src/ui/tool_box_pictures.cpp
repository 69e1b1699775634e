#include "ui/tool_box_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>

namespace orvanta::ui {
namespace {

const QColor kFace(212, 208, 200);
const QColor kHighlight(255, 255, 255);
const QColor kLight(232, 230, 226);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(64, 64, 64);
const QColor kInk(32, 48, 96);

// A two-pixel bevel: the outer and inner colour of the top-left edges, then of
// the bottom-right edges. Filled rectangles keep the edges crisp when scaled.
void paintBevel(QPainter& painter, QColor outerLit, QColor innerLit, QColor innerDark, QColor outerDark)
{
    const int s = kFaceSize;
    painter.fillRect(0, 0, s, 1, outerLit);
    painter.fillRect(0, 0, 1, s, outerLit);
    painter.fillRect(1, 1, s - 2, 1, innerLit);
    painter.fillRect(1, 1, 1, s - 2, innerLit);
    painter.fillRect(1, s - 2, s - 2, 1, innerDark);
    painter.fillRect(s - 2, 1, 1, s - 2, innerDark);
    painter.fillRect(0, s - 1, s, 1, outerDark);
    painter.fillRect(s - 1, 0, 1, s, outerDark);
}

void paintRaised(QPainter& painter, QColor face)
{
    painter.fillRect(0, 0, kFaceSize, kFaceSize, face);
    paintBevel(painter, kLight, kHighlight, kShadow, kDarkShadow);
}

// The glyphs sit in the upper left 26 by 24 pixels, the part of a face that
// the next button down never covers.
void paintSettingsGlyph(QPainter& painter)
{
    // A sheet with two ticked boxes: the game's switches.
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6.5, 4.5, 15, 17));
    painter.setPen(QPen(QColor(0, 128, 0), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (double y : {8.5, 15.5}) {
        painter.drawPolyline(QPolygonF({QPointF(9, y + 1), QPointF(10.5, y + 2.5), QPointF(13, y - 0.5)}));
    }
    painter.setPen(QPen(kInk, 1));
    painter.drawLine(QPointF(14.5, 9.5), QPointF(19, 9.5));
    painter.drawLine(QPointF(14.5, 16.5), QPointF(19, 16.5));
}

void paintPackGlyph(QPainter& painter)
{
    // A page of script lines with a pencil across it.
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(QColor(255, 250, 220));
    painter.drawRect(QRectF(5.5, 3.5, 14, 18));
    for (double y : {7.5, 10.5, 13.5, 16.5})
        painter.drawLine(QPointF(8, y), QPointF(17, y));
    painter.setPen(QPen(QColor(160, 64, 0), 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(12, 20), QPointF(22, 10));
    painter.setPen(QPen(kDarkShadow, 1.2));
    painter.drawLine(QPointF(10.5, 21.5), QPointF(12, 20));
}

void paintRestoreGlyph(QPainter& painter)
{
    // A circular arrow: back to the stock files.
    painter.setPen(QPen(QColor(0, 96, 160), 2.2, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(7, 5, 14, 14), 100 * 16, 280 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 96, 160));
    painter.drawPolygon(QPolygonF({QPointF(10, 2), QPointF(16, 6), QPointF(10, 10)}));
}

void paintRunGlyph(QPainter& painter)
{
    // A start triangle: run the compiler.
    painter.setPen(QPen(QColor(0, 96, 0), 1));
    painter.setBrush(QColor(64, 176, 64));
    painter.drawPolygon(QPolygonF({QPointF(9, 5), QPointF(20, 12.5), QPointF(9, 20)}));
}

void paintSpareGlyph(QPainter& painter)
{
    painter.setPen(QPen(kShadow, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(8.5, 6.5, 10, 10));
}

void paintGlyph(QPainter& painter, int picture)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case 1: paintSettingsGlyph(painter); break;
    case 2: paintPackGlyph(painter); break;
    case 4: paintRestoreGlyph(painter); break;
    case 5: paintRunGlyph(painter); break;
    default: paintSpareGlyph(painter); break;
    }
    painter.restore();
}

void paintSeparators(QPainter& painter, int width)
{
    for (int y : {0, 24, 48, 80, 112}) {
        painter.fillRect(0, y, width, 1, QColor(128, 128, 128));
        painter.fillRect(0, y + 1, width, 1, QColor(224, 224, 224));
    }
}

}  // namespace

void paintListPicture(QPainter& painter, int picture)
{
    if (picture == kPressedPicture) {
        painter.fillRect(0, 0, kFaceSize, kFaceSize, kFace.darker(108));
        paintBevel(painter, kDarkShadow, kShadow, kLight, kHighlight);
        return;
    }
    paintRaised(painter, kFace);
    paintGlyph(painter, picture);
}

void paintDesignTimePicture(QPainter& painter, int picture)
{
    // Flat, as the buttons look before they have ever been used.
    painter.fillRect(0, 0, kFaceSize, kFaceSize, kLight);
    painter.fillRect(0, 0, kFaceSize, 1, kShadow);
    painter.fillRect(0, 0, 1, kFaceSize, kShadow);
    painter.fillRect(0, kFaceSize - 1, kFaceSize, 1, kShadow);
    painter.fillRect(kFaceSize - 1, 0, 1, kFaceSize, kShadow);
    paintGlyph(painter, picture);
}

void paintDecorativeStrip(QPainter& painter, int windowWidth)
{
    QLinearGradient gradient(0, 0, kStripWidth, kStripHeight);
    gradient.setColorAt(0, QColor(48, 64, 112));
    gradient.setColorAt(1, QColor(16, 96, 112));
    painter.fillRect(0, 0, kStripWidth, kStripHeight, gradient);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 2));
    for (int offset = -kStripWidth; offset < kStripHeight; offset += 8)
        painter.drawLine(QPointF(0, offset + kStripWidth), QPointF(kStripWidth, offset));
    painter.restore();
    paintSeparators(painter, windowWidth);
}

}  // namespace orvanta::ui
