#include "ui/script_pack_browser.h"

#include "ui/script_packs.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>

namespace orvanta::ui {
namespace {

constexpr int kPacksPerColumn = 6;

bool opensOnSingleClick(int packNumber)
{
    return packNumber == 8 || packNumber == 10;  // "City Pack" and "Library Pack"
}

QRect labelGeometry(int packNumber)
{
    const int column = (packNumber - 1) / kPacksPerColumn;
    const int row = (packNumber - 1) % kPacksPerColumn;
    return {8 + 88 * column, 8 + 24 * row, 81, 17};
}

bool isLeftButton(const QEvent* event)
{
    return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton;
}

} // namespace

ScriptPackBrowser::ScriptPackBrowser(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Script Data Packs"));
    setFixedSize(185, 186);

    for (int pack = 1; pack <= kPackCount; ++pack) {
        auto* label = new QLabel(packCaption(pack), this);
        label->setObjectName(QStringLiteral("Label%1").arg(pack));
        label->setGeometry(labelGeometry(pack));
        label->installEventFilter(this);
        labels_.push_back(label);
    }
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    closeButton->setObjectName(QStringLiteral("Command1"));
    closeButton->setGeometry(8, 152, 169, 25);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

bool ScriptPackBrowser::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(labels_.begin(), labels_.end(), watched);
    if (found == labels_.end())
        return QDialog::eventFilter(watched, event);
    const int pack = static_cast<int>(found - labels_.begin()) + 1;
    const QLabel* label = *found;

    if (opensOnSingleClick(pack)) {
        // A click: the release of the press on the label, still over it.
        if (event->type() == QEvent::MouseButtonRelease && isLeftButton(event) &&
            label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            Q_EMIT packRequested(pack);
    } else if (event->type() == QEvent::MouseButtonDblClick && isLeftButton(event)) {
        Q_EMIT packRequested(pack);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orvanta::ui
