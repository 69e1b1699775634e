#pragma once

#include <QDialog>

namespace orvanta::ui {

/// "Orvanta Readme": how to use the program, in a scrolling text box.
class ReadmeWindow : public QDialog {
    Q_OBJECT

public:
    explicit ReadmeWindow(QWidget* parent = nullptr);
};

/// The read-me text, embedded in the program.
QString readmeText();

}  // namespace orvanta::ui
