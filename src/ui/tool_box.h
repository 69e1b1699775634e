#pragma once

#include <QWidget>

namespace orvanta::ui {

class PictureButton;

/// The tool box (Form10): a small floating window with four picture buttons
/// that ask the main window for four of its commands. It holds no project
/// data. Hiding it keeps it and its faces; its own close box destroys it.
class ToolBox : public QWidget {
    Q_OBJECT
public:
    explicit ToolBox(QWidget* parent = nullptr);

Q_SIGNALS:
    void gamePropertiesRequested();
    void scriptPacksRequested();
    void restoreRequested();
    void runEasylifeRequested();

private:
    PictureButton* addButton(const char* name, int picture, const QString& hint, int top);
};

}  // namespace orvanta::ui
