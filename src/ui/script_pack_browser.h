#pragma once

#include <QDialog>
#include <vector>

class QLabel;

namespace orvanta::ui {

/// The script pack browser (Form3): the twelve pack names. A double click on a
/// name asks for its pack; "City Pack" and "Library Pack" answer a single click
/// instead. Tab reaches each name, and Enter or Space opens it.
class ScriptPackBrowser : public QDialog {
    Q_OBJECT
public:
    explicit ScriptPackBrowser(QWidget* parent = nullptr);

Q_SIGNALS:
    /// Pack 1..12 was chosen (see packCaption()).
    void packRequested(int packNumber);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QLabel*> labels_;  ///< labels_[k - 1] names pack k
};

}  // namespace orvanta::ui
