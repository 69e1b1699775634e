#include "ui/about_window.h"

#include "orvanta/version.h"
#include "ui/artwork.h"
#include "ui/dialog_layout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvanta::ui {
namespace {

constexpr int kPictureSize = 96;

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent, kFixedDialogFlags)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("About Orvanta"));

    QLabel* picture = addLabel(this, "Picture1", QString());
    picture->setPixmap(aboutPicture(kPictureSize, devicePixelRatioF()));
    picture->setFixedSize(kPictureSize, kPictureSize);

    QLabel* product = addLabel(this, "Label1", QStringLiteral("Orvanta"));
    QFont productFont = product->font();
    productFont.setPointSizeF(productFont.pointSizeF() * 2);
    productFont.setBold(true);
    product->setFont(productFont);

    QLabel* credits = addLabel(this, "Label3",
                               QStringLiteral("A script editor for the Tomb Raider IV level editor.\n\n"
                                              "Design and programming: the Orvanta team\n"
                                              "Stock script texts: the game's own script files\n"
                                              "Testing: the level builders who tried the betas\n"
                                              "Built with Qt"));
    credits->setWordWrap(false);

    QPushButton* ok = addButton(this, "Command1", QStringLiteral("Ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addWidget(addLabel(this, "Label2", QStringLiteral(ORVANTA_VERSION_TEXT)));
    text->addSpacing(8);
    text->addWidget(credits);
    text->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text);
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(buttonRow({ok}));
    column->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace orvanta::ui
