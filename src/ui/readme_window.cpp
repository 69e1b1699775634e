#include "ui/readme_window.h"

#include <QFile>
#include <QFontDatabase>
#include <QScrollBar>
#include <QTextDocument>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta::ui {

QString readmeText()
{
    QFile file(QStringLiteral(":/orvanta/readme.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

ReadmeWindow::ReadmeWindow(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Orvanta Readme"));

    auto* text = new QPlainTextEdit(readmeText(), this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setReadOnly(true);
    // The text is laid out in lines of at most 78 columns: show it in a fixed
    // font wide enough for them, so its line breaks stay where they are.
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics = text->fontMetrics();
    const int frameAndScrollBar = 2 * text->frameWidth() + text->verticalScrollBar()->sizeHint().width() +
                                  2 * static_cast<int>(text->document()->documentMargin());
    text->setMinimumSize(metrics.horizontalAdvance(QString(80, QLatin1Char('M'))) + frameAndScrollBar,
                         metrics.lineSpacing() * 28);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* column = new QVBoxLayout(this);
    column->addWidget(text);
    column->addLayout(buttons);
}

} // namespace orvanta::ui
