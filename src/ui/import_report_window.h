#pragma once

#include "importer/import_report.h"

#include <QDialog>
#include <filesystem>
#include <vector>

class QPlainTextEdit;
class QTreeWidget;

namespace orvanta::ui {

/// "Import Report" (`Form15`): what Import Game left out, one row a line of
/// the game's sources. Double-click or Enter on a row shows that source
/// file with the line selected.
class ImportReportWindow : public QDialog {
    Q_OBJECT

public:
    explicit ImportReportWindow(QWidget* parent = nullptr);

    /// Lists the notes; their files are found in `folder`, in any letter case.
    void showReport(std::vector<ImportNote> notes, std::filesystem::path folder);

private:
    void openRow(int row);

    std::vector<ImportNote> notes_;
    std::filesystem::path folder_;
    QTreeWidget* list_ = nullptr;
    QPlainTextEdit* source_ = nullptr;  // the file of the row last opened
};

}  // namespace orvanta::ui
