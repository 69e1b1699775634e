#include "ui/level_rows.h"

#include "ui/artwork.h"
#include "ui/project_text_box.h"
#include "ui/text_conversion.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace orvanta::ui {
namespace {

/// Wide enough for the longest default level name, never narrower than the
/// classic 161 pixels.
int nameBoxWidth(const QLineEdit& box, const ProjectState& defaults)
{
    int widest = 0;
    for (const LevelSlot& slot : defaults.slots)
        widest = std::max(widest, box.fontMetrics().horizontalAdvance(toDisplayText(slot.levelName)));
    return std::max(161, widest + box.fontMetrics().averageCharWidth() * 3);
}

} // namespace

QString levelNameBoxName(int slot)
{
    return slot == 1 ? QStringLiteral("Text12") : QStringLiteral("Text%1").arg(slot - 1);
}

LevelRows::LevelRows(ProjectState& project, QWidget* parent)
    : QWidget(parent), project_(project)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 8, 5, 8);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(3);
    const ProjectState defaults = ProjectState::withDefaults();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        Row row = makeRow(slot);
        row.name->setMinimumWidth(nameBoxWidth(*row.name, defaults));
        grid->addWidget(row.name, slot - 1, 0);
        grid->addWidget(row.wad, slot - 1, 1);
        grid->addWidget(row.button, slot - 1, 2);
        rows_.at(static_cast<std::size_t>(slot - 1)) = row;
    }
    grid->setColumnStretch(0, 1);
    refreshFromProject();
}

LevelRows::Row LevelRows::makeRow(int slot)
{
    Row row;
    row.name = new QLineEdit(this);
    row.name->setObjectName(levelNameBoxName(slot));
    bindToProjectField(row.name, [this, slot](std::string bytes) { project_.slot(slot).levelName = std::move(bytes); });

    row.wad = new QComboBox(this);
    row.wad->setObjectName(QStringLiteral("Combo%1").arg(slot));
    for (const char* wad : kWadList)
        row.wad->addItem(QString::fromLatin1(wad));
    bindToProjectField(row.wad, [this, slot](std::string bytes) { project_.slot(slot).wadName = std::move(bytes); });
    row.wad->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    row.button = new QPushButton(this);
    row.button->setObjectName(QStringLiteral("Command%1").arg(slot));
    row.button->setIcon(slotArrowIcon());
    row.button->setIconSize(QSize(16, 12));
    row.button->setMinimumWidth(41);
    row.button->setAccessibleName(QStringLiteral("Level properties of slot %1").arg(slot));
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

} // namespace orvanta::ui
