#include "ui/tool_box.h"

#include "ui/picture_button.h"
#include "ui/tool_box_pictures.h"

#include <QPainter>

namespace orvanta::ui {
namespace {

constexpr int kClientWidth = 43;
constexpr int kClientHeight = 113;
constexpr int kButtonLeft = 16;

/// Picture1: the decorative strip behind the buttons.
class DecorativeStrip : public QWidget {
public:
    explicit DecorativeStrip(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Picture1"));
        setGeometry(0, 0, kStripWidth, kStripHeight);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        paintDecorativeStrip(painter, kClientWidth);
    }
};

}  // namespace

ToolBox::ToolBox(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QString());
    setFixedSize(kClientWidth, kClientHeight);

    new DecorativeStrip(this);
    // Created top to bottom: where two faces overlap, the lower button is on top.
    connect(addButton("Image1", 1, QStringLiteral("Game Properties"), 0), &PictureButton::clicked, this,
            &ToolBox::gamePropertiesRequested);
    connect(addButton("Image2", 2, QStringLiteral("Edit Wad Packs"), 24), &PictureButton::clicked, this,
            &ToolBox::scriptPacksRequested);
    connect(addButton("Image4", 4, QStringLiteral("Restore Default Scripts"), 48), &PictureButton::clicked, this,
            &ToolBox::restoreRequested);
    connect(addButton("Image5", 5, QStringLiteral("Run Easylife"), 80), &PictureButton::clicked, this,
            &ToolBox::runEasylifeRequested);
}

PictureButton* ToolBox::addButton(const char* name, int picture, const QString& hint, int top)
{
    auto* button = new PictureButton(picture, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->move(kButtonLeft, top);
    return button;
}

}  // namespace orvanta::ui
