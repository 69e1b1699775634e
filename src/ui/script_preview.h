#pragma once

#include "script/line_origins.h"
#include "ui/problems_window.h"

#include <QDialog>
#include <array>
#include <string>

class QPlainTextEdit;

namespace orvanta {
struct ProjectState;
}

namespace orvanta::ui {

class LiveCheck;

/// "Preview Script Files" (Form16): the Script.txt and English.txt that
/// Compile Scripts would write now, read-only and coloured, each beside a line
/// diff against the file of that name in the script folder. It follows the
/// project as Script Problems does; a double click on a line opens the field
/// that wrote it.
class ScriptPreview : public QDialog {
    Q_OBJECT

public:
    ScriptPreview(const ProjectState& project, LiveCheck& live, ProblemsWindow::FieldOpener openField,
                  QWidget* parent = nullptr);

    /// Writes both files again from the project and compares them with the script folder's.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Page {
        const char* file;
        QPlainTextEdit* text = nullptr;
        QPlainTextEdit* diff = nullptr;
        LineOrigins origins;
        std::string shown;
    };

    const ProjectState& project_;
    ProblemsWindow::FieldOpener openField_;
    std::array<Page, 2> pages_{Page{"Script.txt", nullptr, nullptr, {}, {}},
                               Page{"English.txt", nullptr, nullptr, {}, {}}};
};

}  // namespace orvanta::ui
