#pragma once

#include <QDialog>

namespace orvanta::ui {

/// "About Orvanta": a picture, the product name, the version and the credits.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);
};

}  // namespace orvanta::ui
