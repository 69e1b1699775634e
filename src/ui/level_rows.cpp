#include "ui/level_rows.h"

#include "desktop/text_conversion.h"
#include "ui/artwork.h"
#include "ui/control_name.h"
#include "ui/project_text_box.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace orvanta::ui {
namespace {

/// The width of the widest of some texts in a widget's font.
int widestText(const QWidget& widget, const QStringList& texts)
{
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, widget.fontMetrics().horizontalAdvance(text));
    return widest;
}

QStringList defaultLevelNames()
{
    QStringList names;
    for (const LevelSlot& slot : ProjectState::withDefaults().slots)
        names << toDisplayText(slot.levelName);
    return names;
}

QStringList wadList()
{
    QStringList wads;
    for (const char* wad : kWadList)
        wads << QString::fromLatin1(wad);
    return wads;
}

}  // namespace

LevelRows::LevelRows(ProjectState& project, QWidget* parent) : QWidget(parent), project_(project)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 8, 5, 8);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(3);
    // Every row is measured alike, so the sizes are worked out once: the name
    // boxes fit the longest default name (never narrower than 161 pixels), the
    // WAD boxes the longest list entry.
    const QStringList wads = wadList();
    const QIcon arrow = slotArrowIcon();
    const int averageCharWidth = fontMetrics().averageCharWidth();
    const int nameWidth = std::max(161, widestText(*this, defaultLevelNames()) + 3 * averageCharWidth);
    // The combo box counts its minimum contents in widths of an "x".
    const int xWidth = std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('x')));
    const int wadLength = (widestText(*this, wads) + xWidth - 1) / xWidth;
    // Headings over the columns, and each row labelled with its level as
    // every message counts them: "Title", then "1" to "11".
    const QString headings[] = {QStringLiteral("Level"), QStringLiteral("Name"), QStringLiteral("WAD"),
                                QStringLiteral("Properties")};
    for (int column = 0; column < 4; ++column) {
        auto* heading = new QLabel(headings[column], this);
        heading->setObjectName(QStringLiteral("heading%1").arg(column + 1));
        grid->addWidget(heading, 0, column);
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        Row row = makeRow(slot, wads, arrow);
        row.name->setMinimumWidth(nameWidth);
        row.wad->setMinimumContentsLength(wadLength);
        auto* level = new QLabel(slot == 1 ? QStringLiteral("Title") : QString::number(slot - 1), this);
        level->setObjectName(QStringLiteral("level%1").arg(slot));
        level->setBuddy(row.name);
        grid->addWidget(level, slot, 0);
        grid->addWidget(row.name, slot, 1);
        grid->addWidget(row.wad, slot, 2);
        grid->addWidget(row.button, slot, 3);
        rows_.at(static_cast<std::size_t>(slot - 1)) = row;
    }
    grid->setColumnStretch(1, 1);
    refreshFromProject();
}

LevelRows::Row LevelRows::makeRow(int slot, const QStringList& wads, const QIcon& arrow)
{
    Row row;
    row.name = new QLineEdit(this);
    row.name->setObjectName(controlName(Field::levelName(slot)));
    bindToProjectField(row.name, [this, slot](std::string bytes) { project_.slot(slot).levelName = std::move(bytes); });

    row.wad = new QComboBox(this);
    row.wad->setObjectName(controlName(Field::wadName(slot)));
    row.wad->addItems(wads);
    bindToProjectField(row.wad, [this, slot](std::string bytes) { project_.slot(slot).wadName = std::move(bytes); });
    row.wad->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    row.button = new QPushButton(this);
    row.button->setObjectName(QStringLiteral("Command%1").arg(slot));
    row.button->setIcon(arrow);
    row.button->setIconSize(QSize(16, 12));
    row.button->setMinimumWidth(41);
    row.button->setAccessibleName(slot == 1 ? QStringLiteral("Title properties")
                                            : QStringLiteral("Level %1 properties").arg(slot - 1));
    row.button->setToolTip(slot == 1 ? QStringLiteral("Title properties")
                                     : QStringLiteral("Properties of level %1").arg(slot - 1));
    connect(row.button, &QPushButton::clicked, this, [this, slot] { Q_EMIT slotButtonClicked(slot); });
    return row;
}

void LevelRows::refreshFromProject()
{
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const Row& row = rows_.at(static_cast<std::size_t>(slot - 1));
        row.name->setText(toDisplayText(project_.slot(slot).levelName));
        row.wad->setEditText(toDisplayText(project_.slot(slot).wadName));
    }
}

}  // namespace orvanta::ui
