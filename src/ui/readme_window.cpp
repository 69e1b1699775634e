#include "ui/readme_window.h"

#include <QFile>
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
    : QWidget(parent, Qt::Dialog)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Orvanta Readme"));

    auto* text = new QPlainTextEdit(readmeText(), this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setMinimumSize(text->fontMetrics().averageCharWidth() * 72, text->fontMetrics().lineSpacing() * 24);

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
