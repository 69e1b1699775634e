#include "ui/picture_button.h"

#include "ui/tool_box_pictures.h"

#include <QMouseEvent>
#include <QPainter>

namespace orvanta::ui {

PictureButton::PictureButton(int picture, QWidget* parent) : QWidget(parent), picture_(picture)
{
    setFixedSize(kFaceSize, kFaceSize);
}

void PictureButton::paintEvent(QPaintEvent* /*event*/)
{
    // Painted at the screen's pixel ratio, not scaled from a 30 by 30 bitmap.
    QPainter painter(this);
    switch (face_) {
    case Face::DesignTime: paintDesignTimePicture(painter, picture_); break;
    case Face::Raised: paintListPicture(painter, picture_); break;
    case Face::Pressed: paintListPicture(painter, kPressedPicture); break;
    }
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftPressed_ = true;
    showFace(Face::Pressed);
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent* /*event*/)
{
    // The second press of a double click shows the pressed face but starts no
    // second command: a double click on "Run Easylife" runs the compiler once.
    leftPressed_ = false;
    showFace(Face::Pressed);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    showFace(Face::Raised);
    if (event->button() != Qt::LeftButton || !leftPressed_)
        return;
    leftPressed_ = false;
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void PictureButton::showFace(Face face)
{
    face_ = face;
    update();
}

}  // namespace orvanta::ui
