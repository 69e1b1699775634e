#include "ui/about_window.h"

#include "orvanta/version.h"
#include "ui/artwork.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta::ui {
namespace {

constexpr int kPictureSize = 96;

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* caption = new QLabel(text, parent);
    caption->setObjectName(QString::fromLatin1(name));
    return caption;
}

} // namespace

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("About Orvanta"));

    auto* picture = label("Picture1", QString(), this);
    picture->setPixmap(aboutPicture(kPictureSize, devicePixelRatioF()));
    picture->setFixedSize(kPictureSize, kPictureSize);

    auto* product = label("Label1", QStringLiteral("Orvanta"), this);
    QFont productFont = product->font();
    productFont.setPointSizeF(productFont.pointSizeF() * 2);
    productFont.setBold(true);
    product->setFont(productFont);

    auto* credits = label("Label3",
                          QStringLiteral("A script editor for the Tomb Raider IV level editor.\n\n"
                                         "Design and programming: the Orvanta team\n"
                                         "Stock script texts: the game's own script files\n"
                                         "Testing: the level builders who tried the betas\n"
                                         "Built with Qt"),
                          this);
    credits->setWordWrap(false);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addWidget(label("Label2", QStringLiteral(ORVANTA_VERSION_TEXT), this));
    text->addSpacing(8);
    text->addWidget(credits);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace orvanta::ui
