#include "ui/script_preview.h"

#include "desktop/text_conversion.h"
#include "model/project_state.h"
#include "platform/host_path.h"
#include "platform/text_file.h"
#include "script/english_writer.h"
#include "script/line_diff.h"
#include "script/script_writer.h"
#include "ui/block_text_edit.h"
#include "ui/dialog_layout.h"
#include "ui/live_check.h"
#include "ui/script_highlighter.h"

#include <QFontDatabase>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QVBoxLayout>
#include <utility>

namespace orvanta::ui {
namespace {

QPlainTextEdit* readOnlyBox(QWidget* parent, const QString& name)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return box;
}

/// "@@ folder line 12, now line 13" and the lines, "-" for the folder's, "+" for the new.
QString diffText(const std::vector<DiffHunk>& hunks, bool inFolder)
{
    if (!inFolder)
        return QStringLiteral("The script folder holds no file of this name: all of it is new.");
    if (hunks.empty())
        return QStringLiteral("The same as the file in the script folder.");
    QString text;
    for (const DiffHunk& hunk : hunks) {
        text += QStringLiteral("@@ script folder line %1, preview line %2\n").arg(hunk.oldLine).arg(hunk.newLine);
        for (const std::string_view line : hunk.removed)
            text += u'-' + toDisplayText(line) + u'\n';
        for (const std::string_view line : hunk.added)
            text += u'+' + toDisplayText(line) + u'\n';
    }
    return text;
}

}  // namespace

ScriptPreview::ScriptPreview(const ProjectState& project, LiveCheck& live, ProblemsWindow::FieldOpener openField,
                             QWidget* parent)
    : QDialog(parent, Qt::Window), project_(project), openField_(std::move(openField))
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("Preview Script Files"));
    auto* tabs = new QTabWidget(this);
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        Page& page = pages_[i];
        auto* split = new QSplitter(tabs);
        page.text = readOnlyBox(split, QStringLiteral("Text%1").arg(i + 1));
        page.diff = readOnlyBox(split, QStringLiteral("Diff%1").arg(i + 1));
        page.text->viewport()->installEventFilter(this);
        page.text->setToolTip(QStringLiteral("Double-click a line to open the field it comes from."));
        if (i == 0)
            new ScriptHighlighter(page.text->document(), page.text->palette());
        tabs->addTab(split, QString::fromLatin1(page.file));
    }
    QPushButton* close = addButton(this, "Command1", QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(tabs);
    column->addLayout(buttonRow({close}));
    resize(100 * fontMetrics().averageCharWidth(), 36 * fontMetrics().lineSpacing());
    connect(&live, &LiveCheck::updated, this, &ScriptPreview::refresh);
    refresh();
}

void ScriptPreview::refresh()
{
    for (Page& page : pages_) {
        LineOrigins origins;
        std::string written =
            page.file == pages_[0].file ? scriptText(project_, &origins) : englishText(project_, &origins);
        page.origins = std::move(origins);
        if (written != page.shown) {
            const int scrolled = page.text->verticalScrollBar()->value();
            page.text->setPlainText(toEditorText(written));
            page.text->verticalScrollBar()->setValue(scrolled);
            page.shown = std::move(written);
        }
        const auto inFolder = readFileBytes(FileLocation::fromPathText(joinPathText(project_.scriptFolder, page.file)));
        page.diff->setPlainText(diffText(inFolder ? lineDiff(inFolder.value(), page.shown) : std::vector<DiffHunk>{},
                                         static_cast<bool>(inFolder)));
    }
}

bool ScriptPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (const Page& page : pages_) {
            if (watched != page.text->viewport())
                continue;
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            const int line = page.text->cursorForPosition(at).blockNumber() + 1;
            if (const std::vector<FieldRef> fields = page.origins.at(line); !fields.empty())
                openField_(fields.front(), -1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orvanta::ui
