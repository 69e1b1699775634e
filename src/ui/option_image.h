#pragma once

#include "ui/option_pictures.h"

#include <QWidget>

namespace orvanta::ui {

/// A clickable picture of a game option. Besides "Enabled" and "Disabled" it
/// has an initial picture of its own, shown until one of the two is set; an
/// image still showing it counts as showing neither. It takes the keyboard
/// focus too, and Space clicks it.
class OptionImage : public QWidget {
    Q_OBJECT

public:
    enum class Display { Initial, Enabled, Disabled };

    /// `initialLook` is the picture the initial one resembles.
    explicit OptionImage(OptionPicture initialLook, QWidget* parent = nullptr);

    Display display() const { return display_; }
    void setDisplay(Display display);
    QSize sizeHint() const override { return kOptionPictureSize; }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    OptionPicture shownPicture() const;
    void updateAccessibleName();

    OptionPicture initialLook_;
    Display display_ = Display::Initial;
    bool pressed_ = false;
};

}  // namespace orvanta::ui
