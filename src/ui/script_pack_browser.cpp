#include "ui/script_pack_browser.h"

#include "ui/dialog_layout.h"
#include "ui/script_packs.h"

#include <QKeyEvent>
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

// Two columns of six names, each label at least 81 by 17 pixels; a column
// widens when the font needs it, so that no name is cut off.
constexpr int kMargin = 8;
constexpr int kLabelWidth = 81;
constexpr int kLabelHeight = 17;
constexpr int kColumnGap = 7;

int columnWidth(const std::vector<QLabel*>& labels, int column)
{
    int width = kLabelWidth;
    for (int row = 0; row < kPacksPerColumn; ++row)
        width = std::max(width, labels[static_cast<std::size_t>(column * kPacksPerColumn + row)]->sizeHint().width());
    return width;
}

/// Places the labels and returns the window width that holds them.
int placeInColumns(const std::vector<QLabel*>& labels)
{
    const int leftWidth = columnWidth(labels, 0);
    const int rightWidth = columnWidth(labels, 1);
    const int rightX = std::max(96, kMargin + leftWidth + kColumnGap);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const bool left = i < kPacksPerColumn;
        const int row = static_cast<int>(i) % kPacksPerColumn;
        labels[i]->setGeometry(left ? kMargin : rightX, kMargin + 24 * row, left ? leftWidth : rightWidth,
                               kLabelHeight);
    }
    return std::max(185, rightX + rightWidth + kMargin);
}

bool isLeftButton(const QEvent* event) { return static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton; }

/// Enter, Return or Space on a pack name, which opens it as a click would.
bool isOpeningKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}  // namespace

ScriptPackBrowser::ScriptPackBrowser(QWidget* parent) : QDialog(parent, kFixedDialogFlags)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Script Data Packs"));
    // Tab reaches the names in order; the one with the focus is highlighted.
    setStyleSheet(QStringLiteral("QLabel:focus { background: palette(highlight); color: palette(highlighted-text); }"));

    for (int pack = 1; pack <= kPackCount; ++pack) {
        QLabel* label = addLabel(this, QStringLiteral("Label%1").arg(pack), packCaption(pack));
        label->setFocusPolicy(Qt::StrongFocus);
        label->installEventFilter(this);
        labels_.push_back(label);
    }
    const int width = std::max(placeInColumns(labels_), widthForTitle(*this, windowTitle()));
    setFixedSize(width, 186);

    QPushButton* closeButton =
        addButton(this, "Command1", QStringLiteral("Close"), {kMargin, 152, width - 2 * kMargin, 25});
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

bool ScriptPackBrowser::eventFilter(QObject* watched, QEvent* event)
{
    const auto found = std::find(labels_.begin(), labels_.end(), watched);
    if (found == labels_.end())
        return QDialog::eventFilter(watched, event);
    const int pack = static_cast<int>(found - labels_.begin()) + 1;
    const QLabel* label = *found;

    if (isOpeningKey(event)) {
        Q_EMIT packRequested(pack);
        return true;  // not the dialog's "Close"
    }
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

}  // namespace orvanta::ui
