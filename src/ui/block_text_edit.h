#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <string>
#include <string_view>

class QCompleter;

namespace orvanta::ui {

/// A multi-line box for one of the project's text blocks (a script pack, the
/// inventory items list): both scroll bars, no wrapping, a fixed-pitch font with
/// tabs and blanks made visible, so that the white space of item lines can be
/// seen and kept.
///
/// The box holds Windows-1252 bytes. Lines in the project end in CR LF; the
/// widget knows only paragraphs, so the crossing between the two lives here.
/// A block the user did not change comes back exactly as it went in, bare CR or
/// LF and a missing final line break included. Once it was changed, every line
/// break of the box is stored as CR LF.
///
/// Tab types a tab, as item lines need; Ctrl+Tab and Ctrl+Shift+Tab move the
/// focus on.
class BlockTextEdit : public QPlainTextEdit {
public:
    explicit BlockTextEdit(QWidget* parent = nullptr);

    /// A completer whose open list takes Enter, Tab and Escape first.
    void setCompleter(QCompleter* completer);

    /// Shows a block; the box then counts as unchanged.
    void setProjectText(std::string_view bytes);
    /// The block the box holds now.
    std::string projectText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void noteChange(int position, int charsRemoved, int charsAdded);
    void replaceUnrepresentableInChangedRange();

    QPointer<QCompleter> completer_;
    std::string originalBytes_;
    bool loading_ = false;
    bool replacing_ = false;
    int changedFrom_ = -1;
    int changedTo_ = -1;
};

/// The box's text for a block: CR LF, bare CR and bare LF all become line breaks.
QString toEditorText(std::string_view bytes);
/// A block for the box's raw text (QTextDocument::toRawText): every paragraph
/// and line separator becomes CR LF.
std::string fromEditorText(const QString& rawText);

}  // namespace orvanta::ui
