#pragma once

#include <QWidget>

namespace orvanta::ui {

/// The small floating tool box. It repeats four commands of the main window,
/// which it asks for through its signals; it holds no data of its own.
class ToolBox : public QWidget {
    Q_OBJECT

public:
    explicit ToolBox(QWidget* parent = nullptr);

Q_SIGNALS:
    void gamePropertiesRequested();
    void scriptPacksRequested();
    void restoreRequested();
    void runEasylifeRequested();
};

} // namespace orvanta::ui
