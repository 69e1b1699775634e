#pragma once

#include "ui/script_syntax.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class QPalette;

namespace orvanta::ui {

/// Colours a script pack line by line, each line from the section the line
/// before it ends in: section headers, known, unknown and TRNG commands,
/// numbers and "$" values, item names and comments, in the palette's colours.
class ScriptHighlighter : public QSyntaxHighlighter {
public:
    ScriptHighlighter(QTextDocument* document, const QPalette& palette);

    /// The section the first line stands in: a level's pack is read as the
    /// inside of its [Level], the Header Pack from outside every section.
    void setFirstSection(ScriptSection section);
    /// The section a line stands in (0-based block number).
    ScriptSection sectionAt(int blockNumber) const;

protected:
    void highlightBlock(const QString& text) override;

private:
    void colourValues(const QString& text, int from, int to, const CommandInfo& command);

    ScriptSection first_ = ScriptSection::None;
    QTextCharFormat header_, known_, unknown_, trng_, number_, itemName_, comment_;
};

}  // namespace orvanta::ui
