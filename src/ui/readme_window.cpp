#include "ui/readme_window.h"

#include "desktop/text_conversion.h"
#include "ui/dialog_layout.h"

#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

namespace orvanta::ui {

QString readmeText()
{
    QFile file(QStringLiteral(":/orvanta/readme.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray text = file.readAll();
    return fromUtf8Text(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

ReadmeWindow::ReadmeWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Orvanta Readme"));

    auto* text = new QPlainTextEdit(readmeText(), this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setReadOnly(true);
    // The text is laid out in lines of at most 78 columns: show it in a fixed
    // font wide enough for them, so its line breaks stay where they are, and
    // in as many of 28 lines as the screen holds with the title bar and "OK".
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics = text->fontMetrics();
    const int frame = 2 * text->frameWidth() + 2 * static_cast<int>(text->document()->documentMargin());
    const int titleBarAndButton = 6 * fontMetrics().height();
    const int lines =
        std::clamp((screen()->availableGeometry().height() - titleBarAndButton - frame) / metrics.lineSpacing(), 8, 28);
    text->setMinimumSize(metrics.horizontalAdvance(QString(80, QLatin1Char('M'))) + frame +
                             text->verticalScrollBar()->sizeHint().width(),
                         metrics.lineSpacing() * lines + frame);

    QPushButton* ok = addButton(this, "Command1", QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* column = new QVBoxLayout(this);
    column->addWidget(text);
    column->addLayout(buttonRow({ok}));
}

}  // namespace orvanta::ui
