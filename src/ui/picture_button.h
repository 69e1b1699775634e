#pragma once

#include <QWidget>

namespace orvanta::ui {

/// A picture button of the tool box. Any mouse button pressed on it shows the
/// pressed face; the release, wherever the pointer is by then, shows its raised
/// face; a left click (press and release over it) emits clicked(). Until it is
/// first pressed it shows its design-time face.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    enum class Face { DesignTime, Raised, Pressed };

    /// `picture` is the button's raised face in the tool box's image list.
    PictureButton(int picture, QWidget* parent = nullptr);

    Face face() const { return face_; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showFace(Face face);

    int picture_;
    Face face_ = Face::DesignTime;
    bool leftPressed_ = false;
};

}  // namespace orvanta::ui
